// Reading the pixels of a picture taken by ScreenBmp or ClientAreaBmp.
#pragma once

#include <windows.h>

#include <string>

struct Picture {
    explicit Picture(const std::string& bmp);
    int width = 0, height = 0;
    // The colour at (x, y), top-left origin; black outside the picture.
    COLORREF At(int x, int y) const;

private:
    std::string bmp_;
    size_t stride_ = 0, base_ = 0;
};

// The smallest rectangle holding every pixel that differs from the colour
// at (inset, inset), looked for only `inset` pixels or more inside the edges:
// what is drawn on a plain face. Empty (all zero) when nothing is.
RECT InkOf(const Picture& picture, int inset);
// Whether the ink of `moved` is the ink of `original` moved by (dx, dy),
// pixel for pixel.
bool SameInkMovedBy(const Picture& original, const Picture& moved, int dx, int dy, int inset);

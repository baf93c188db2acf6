#include "tests/e2e/driver/picture.h"

Picture::Picture(const std::string& bmp) : bmp_(bmp) {
    if (bmp.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return;
    BITMAPINFOHEADER bih{};
    bmp.copy(reinterpret_cast<char*>(&bih), sizeof bih, sizeof(BITMAPFILEHEADER));
    if (bih.biBitCount != 24 || bih.biHeight <= 0) return;
    width = bih.biWidth;
    height = bih.biHeight;
    stride_ = size_t((width * 3 + 3) & ~3);
    base_ = sizeof(BITMAPFILEHEADER) + sizeof bih;
    if (bmp.size() < base_ + stride_ * size_t(height)) width = height = 0;
}

COLORREF Picture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return RGB(0, 0, 0);
    // Rows are stored bottom-up, each pixel as blue, green, red.
    const unsigned char* p =
        reinterpret_cast<const unsigned char*>(bmp_.data()) + base_ + size_t(height - 1 - y) * stride_ + size_t(x) * 3;
    return RGB(p[2], p[1], p[0]);
}

RECT InkOf(const Picture& picture, int inset) {
    RECT ink{};
    bool any = false;
    const COLORREF face = picture.At(inset, inset);
    for (int y = inset; y < picture.height - inset; ++y)
        for (int x = inset; x < picture.width - inset; ++x) {
            if (picture.At(x, y) == face) continue;
            if (!any) ink = RECT{x, y, x + 1, y + 1};
            any = true;
            if (x < ink.left) ink.left = x;
            if (x >= ink.right) ink.right = x + 1;
            if (y >= ink.bottom) ink.bottom = y + 1;
        }
    return ink;
}

bool SameInkMovedBy(const Picture& original, const Picture& moved, int dx, int dy, int inset) {
    const RECT ink = InkOf(original, inset), movedInk = InkOf(moved, inset);
    if (movedInk.left != ink.left + dx || movedInk.top != ink.top + dy || movedInk.right != ink.right + dx ||
        movedInk.bottom != ink.bottom + dy || ink.right <= ink.left)
        return false;
    for (int y = ink.top; y < ink.bottom; ++y)
        for (int x = ink.left; x < ink.right; ++x)
            if (original.At(x, y) != moved.At(x + dx, y + dy)) return false;
    return true;
}

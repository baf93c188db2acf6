#pragma once
#include <vector>

#include "repair/text.h"

// The explanation balloon's geometry and lines, apart from the window that
// shows them. Coordinates are screen pixels.

struct BalloonPoint {
    int x, y;
};
struct BalloonSize {
    int width, height;
};
struct BalloonArea {
    int left, top, right, bottom;  // right and bottom lie just outside
};

constexpr int BalloonBorder = 1;
constexpr int BalloonPaddingX = 5;
constexpr int BalloonPaddingY = 3;
// Below the pointer's hot spot by about the height of the arrow, so the
// balloon does not hide what was pressed.
constexpr int BalloonBelowPointer = 20;
// Above the pointer when there is no room below.
constexpr int BalloonAbovePointer = 2;

// The text's lines: it breaks at each CR LF pair and nowhere else. An empty
// text is one empty line.
std::vector<Text> BalloonLines(const Text& text);

// The outer size for lines of the given pixel widths, each lineHeight tall.
BalloonSize BalloonSizeFor(const std::vector<int>& lineWidths, int lineHeight);

// Where line number lineIndex (from 0) starts, from the balloon's top left.
BalloonPoint BalloonLineOrigin(int lineIndex, int lineHeight);

// The balloon's top left for a press at point: just below and to the right
// of the pointer; above it when there is no room below; moved left or up
// as far as needed to stay inside the work area, and never beyond its left
// or top edge.
BalloonPoint PlaceBalloon(BalloonPoint point, BalloonSize size, const BalloonArea& workArea);

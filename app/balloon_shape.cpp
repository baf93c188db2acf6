#include "app/balloon_shape.h"

#include <algorithm>

std::vector<Text> BalloonLines(const Text& text)
{
    // CR and LF never occur inside a GBK character, so a byte search is safe.
    std::vector<Text> lines;
    Text::size_type start = 0;
    for (;;) {
        const Text::size_type end = text.find("\r\n", start);
        if (end == Text::npos)
            break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

BalloonSize BalloonSizeFor(const std::vector<int>& lineWidths, int lineHeight)
{
    int widest = 0;
    for (int width : lineWidths)
        widest = std::max(widest, width);
    const int lineCount = static_cast<int>(lineWidths.size());
    return {widest + 2 * (BalloonBorder + BalloonPaddingX), lineCount * lineHeight + 2 * (BalloonBorder + BalloonPaddingY)};
}

BalloonPoint BalloonLineOrigin(int lineIndex, int lineHeight)
{
    return {BalloonBorder + BalloonPaddingX, BalloonBorder + BalloonPaddingY + lineIndex * lineHeight};
}

BalloonPoint PlaceBalloon(BalloonPoint point, BalloonSize size, const BalloonArea& workArea)
{
    int left = point.x;
    int top = point.y + BalloonBelowPointer;
    if (top + size.height > workArea.bottom)
        top = point.y - BalloonAbovePointer - size.height;

    left = std::min(left, workArea.right - size.width);
    top = std::min(top, workArea.bottom - size.height);
    // A balloon larger than the work area shows its beginning.
    left = std::max(left, workArea.left);
    top = std::max(top, workArea.top);
    return {left, top};
}

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/balloon_shape.h"

namespace {

TEST(BalloonLines, BreakOnlyAtCrLfPairs)
{
    const struct {
        Text text;
        std::vector<Text> lines;
    } cases[] = {
        {"", {""}},
        {"one line", {"one line"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\n b\r\nc", {"a", " b", "c"}},  // a blank after the break stays
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\r\n", {"a", ""}},
        {"\r\na", {"", "a"}},
        {"a\nb\rc", {"a\nb\rc"}},  // lone LF and CR are no breaks
        {"a\r\r\nb", {"a\r", "b"}},
        {"IP\\DNS", {"IP\\DNS"}},
        // GBK two-byte characters, one of them with 0x5C as its second byte.
        {"\xD0\xDE\x81\x5C\r\n\xB8\xB4", {"\xD0\xDE\x81\x5C", "\xB8\xB4"}},
    };
    for (const auto& row : cases)
        EXPECT_EQ(BalloonLines(row.text), row.lines) << row.text;
}

TEST(BalloonSizeFor, WidestLineAndEveryLineFitInside)
{
    const int edgesX = 2 * (BalloonBorder + BalloonPaddingX);
    const int edgesY = 2 * (BalloonBorder + BalloonPaddingY);
    const struct {
        std::vector<int> widths;
        int lineHeight;
        int width, height;
    } cases[] = {
        {{100}, 12, 100 + edgesX, 12 + edgesY},
        {{40, 250, 90}, 14, 250 + edgesX, 3 * 14 + edgesY},
        {{0}, 12, edgesX, 12 + edgesY},
    };
    for (const auto& row : cases) {
        const BalloonSize size = BalloonSizeFor(row.widths, row.lineHeight);
        EXPECT_EQ(size.width, row.width);
        EXPECT_EQ(size.height, row.height);
    }
}

TEST(BalloonLineOrigin, LinesStackInsideTheBorderAndPadding)
{
    const int lineHeight = 15;
    const std::vector<int> widths = {30, 60, 45};
    const BalloonSize size = BalloonSizeFor(widths, lineHeight);
    for (int index = 0; index < 3; ++index) {
        const BalloonPoint origin = BalloonLineOrigin(index, lineHeight);
        EXPECT_EQ(origin.x, BalloonBorder + BalloonPaddingX);
        EXPECT_EQ(origin.y, BalloonBorder + BalloonPaddingY + index * lineHeight);
        // Each line ends inside the padding, clear of the border.
        EXPECT_LE(origin.x + widths[index], size.width - BalloonBorder - BalloonPaddingX);
        EXPECT_LE(origin.y + lineHeight, size.height - BalloonBorder - BalloonPaddingY);
    }
}

bool Covers(BalloonPoint topLeft, BalloonSize size, BalloonPoint point)
{
    return point.x >= topLeft.x && point.x < topLeft.x + size.width && point.y >= topLeft.y &&
           point.y < topLeft.y + size.height;
}

TEST(PlaceBalloon, StaysInsideTheWorkAreaAndClearOfThePointer)
{
    const BalloonArea screen = {0, 0, 1024, 738};  // a task bar of 30 pixels at the bottom
    const BalloonArea topBar = {0, 30, 1024, 768};  // the task bar at the top
    const BalloonArea second = {-1280, 0, 0, 1024};  // a monitor left of the main one
    const BalloonSize size = {300, 60};
    const int below = BalloonBelowPointer;
    const int above = BalloonAbovePointer + size.height;
    const struct {
        const char* what;
        BalloonArea area;
        BalloonPoint point;
        BalloonPoint expected;
    } cases[] = {
        {"room everywhere: below right", screen, {400, 300}, {400, 300 + below}},
        {"right edge: moved left", screen, {900, 300}, {1024 - 300, 300 + below}},
        {"exactly fits to the right", screen, {724, 300}, {724, 300 + below}},
        {"bottom edge: above the pointer", screen, {400, 700}, {400, 700 - above}},
        {"exactly fits below", screen, {400, 738 - 60 - below}, {400, 738 - 60}},
        {"bottom right corner", screen, {1020, 735}, {1024 - 300, 735 - above}},
        {"task bar at the top", topBar, {100, 31}, {100, 31 + below}},
        {"second monitor, negative coordinates", second, {-100, 500}, {-300, 500 + below}},
        {"second monitor, bottom", second, {-1280, 1000}, {-1280, 1000 - above}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        const BalloonPoint place = PlaceBalloon(row.point, size, row.area);
        EXPECT_EQ(place.x, row.expected.x);
        EXPECT_EQ(place.y, row.expected.y);
        EXPECT_GE(place.x, row.area.left);
        EXPECT_GE(place.y, row.area.top);
        EXPECT_LE(place.x + size.width, row.area.right);
        EXPECT_LE(place.y + size.height, row.area.bottom);
        EXPECT_FALSE(Covers(place, size, row.point));
    }
}

TEST(PlaceBalloon, PointerOutsideTheWorkAreaStillGivesABalloonInside)
{
    const BalloonArea area = {0, 0, 1024, 738};
    const BalloonSize size = {300, 60};
    // Space on the DHCP box shows the balloon wherever the pointer happens to be.
    const BalloonPoint points[] = {{500, 760}, {-50, 100}, {2000, 2000}, {-10, -10}};
    for (const BalloonPoint& point : points) {
        const BalloonPoint place = PlaceBalloon(point, size, area);
        EXPECT_GE(place.x, area.left) << point.x << "," << point.y;
        EXPECT_GE(place.y, area.top) << point.x << "," << point.y;
        EXPECT_LE(place.x + size.width, area.right) << point.x << "," << point.y;
        EXPECT_LE(place.y + size.height, area.bottom) << point.x << "," << point.y;
    }
}

TEST(PlaceBalloon, ALargerBalloonThanTheWorkAreaShowsItsBeginning)
{
    const BalloonArea area = {10, 20, 210, 120};
    const BalloonPoint place = PlaceBalloon({100, 60}, {400, 300}, area);
    EXPECT_EQ(place.x, 10);
    EXPECT_EQ(place.y, 20);
}

}  // namespace

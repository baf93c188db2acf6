#include <gtest/gtest.h>

#include "iconbutton/icon_button_look.h"

namespace {

TEST(IconButtonLook, EachDrawStateHasItsThemeStateAndClassicFlags)
{
    const struct {
        int drawState;
        int themeState;
        unsigned classicFlags;
    } table[] = {
        {DrawStateNormal, 1, 0x0010},   {DrawStateDefault, 5, 0x1010}, {DrawStateHot, 2, 0x1010},
        {DrawStatePressed, 3, 0x0210},  {DrawStateDisabled, 4, 0x0110},
    };
    for (const auto& row : table) {
        EXPECT_EQ(ThemeStateOf(row.drawState), row.themeState) << row.drawState;
        EXPECT_EQ(ClassicFrameFlagsOf(row.drawState), row.classicFlags) << row.drawState;
    }
}

TEST(IconButtonLook, ReleaseGivesHotOnlyAfterAPressedLook)
{
    EXPECT_EQ(DrawStateAfterRelease(DrawStatePressed), DrawStateHot);
    for (int state : {DrawStateNormal, DrawStateDefault, DrawStateHot, DrawStateDisabled})
        EXPECT_EQ(DrawStateAfterRelease(state), DrawStateNormal) << state;
    EXPECT_EQ(DrawStateAfterEnable(true), DrawStateNormal);
    EXPECT_EQ(DrawStateAfterEnable(false), DrawStateDisabled);
}

TEST(IconButtonLook, OnlyTheExactClassNameIsTakenOver)
{
    EXPECT_TRUE(IsButtonClassName("Button"));
    EXPECT_FALSE(IsButtonClassName("BUTTON"));
    EXPECT_FALSE(IsButtonClassName("button"));
    EXPECT_FALSE(IsButtonClassName("Static"));
}

TEST(PlaceIconAndCaption, CentresIconAndCaptionAsOneGroup)
{
    const struct {
        const char* what;
        int width, height;
        bool hasIcon;
        int iconW, iconH, captionW, captionH, drawState;
        IconButtonPlaces expected;
    } cases[] = {
        {"80 x 30 with a 16 px icon and a 24 x 12 caption", 80, 30, true, 16, 16, 24, 12, DrawStateNormal,
         {17, 7, 38, 9}},
        {"the same pressed: both one pixel right and down", 80, 30, true, 16, 16, 24, 12, DrawStatePressed,
         {18, 8, 39, 10}},
        {"hot and disabled do not move", 80, 30, true, 16, 16, 24, 12, DrawStateDisabled, {17, 7, 38, 9}},
        {"no caption: the gap still counts", 80, 30, true, 16, 16, 0, 0, DrawStateNormal, {29, 7, 50, 15}},
        {"no icon: the caption alone is centred", 80, 30, false, 0, 0, 24, 12, DrawStateNormal, {0, 0, 28, 9}},
        {"an icon taller than the button", 80, 30, true, 32, 32, 24, 12, DrawStateNormal, {9, -1, 46, 9}},
        {"odd spare space truncates toward zero", 81, 31, true, 16, 16, 25, 13, DrawStateNormal,
         {17, 7, 38, 9}},
        {"a group wider than the button truncates toward zero", 20, 30, true, 16, 16, 24, 12, DrawStateNormal,
         {-12, 7, 9, 9}},
    };
    for (const auto& c : cases) {
        const IconButtonPlaces places = PlaceIconAndCaption(c.width, c.height, c.hasIcon, c.iconW, c.iconH,
                                                            c.captionW, c.captionH, c.drawState);
        EXPECT_EQ(places.iconX, c.expected.iconX) << c.what;
        EXPECT_EQ(places.iconY, c.expected.iconY) << c.what;
        EXPECT_EQ(places.captionX, c.expected.captionX) << c.what;
        EXPECT_EQ(places.captionY, c.expected.captionY) << c.what;
    }
}

}  // namespace

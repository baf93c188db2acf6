#pragma once

// The look of an icon button, stored on the button as "Vornex_DrawState";
// an absent property reads as Normal.
enum DrawState { DrawStateNormal = 0, DrawStateDefault = 1, DrawStateHot = 2, DrawStatePressed = 3,
                 DrawStateDisabled = 4 };

// The visual-style state of part BP_PUSHBUTTON for a draw state.
int ThemeStateOf(int drawState);
// The DrawFrameControl flags (DFC_BUTTON) for a draw state when no visual style is active.
unsigned ClassicFrameFlagsOf(int drawState);

// The press leaves Pressed; a release over the button then gives Hot. Any
// other state at the release (the press was not seen, or the pointer left
// and came back while held) gives Normal.
int DrawStateAfterRelease(int drawStateAtRelease);
int DrawStateAfterEnable(bool enabled);

// Only windows of exactly this class name are taken over.
bool IsButtonClassName(const char* className);

// Where the icon and the caption go: centred side by side as one group, with
// a gap of 5 pixels that counts even without a caption. Divisions truncate
// toward zero, so an icon taller than the button gets a negative y.
struct IconButtonPlaces {
    int iconX, iconY;
    int captionX, captionY;
};
constexpr int IconCaptionGap = 5;
IconButtonPlaces PlaceIconAndCaption(int width, int height, bool hasIcon, int iconWidth, int iconHeight,
                                     int captionWidth, int captionHeight, int drawState);

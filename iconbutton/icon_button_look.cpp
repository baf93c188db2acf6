#include "iconbutton/icon_button_look.h"

#include <cstring>

int ThemeStateOf(int drawState)
{
    // PBS_NORMAL 1, PBS_DEFAULTED 5, PBS_HOT 2, PBS_PRESSED 3, PBS_DISABLED 4.
    static const int byDrawState[] = {1, 5, 2, 3, 4};
    return drawState >= 0 && drawState <= 4 ? byDrawState[drawState] : 1;
}

unsigned ClassicFrameFlagsOf(int drawState)
{
    const unsigned push = 0x0010;      // DFCS_BUTTONPUSH
    const unsigned hot = 0x1000;       // DFCS_HOT
    const unsigned pushed = 0x0200;    // DFCS_PUSHED
    const unsigned inactive = 0x0100;  // DFCS_INACTIVE
    switch (drawState) {
    case DrawStateDefault:
    case DrawStateHot: return push | hot;
    case DrawStatePressed: return push | pushed;
    case DrawStateDisabled: return push | inactive;
    default: return push;
    }
}

int DrawStateAfterRelease(int drawStateAtRelease)
{
    return drawStateAtRelease == DrawStatePressed ? DrawStateHot : DrawStateNormal;
}

int DrawStateAfterEnable(bool enabled)
{
    return enabled ? DrawStateNormal : DrawStateDisabled;
}

bool IsButtonClassName(const char* className)
{
    return std::strcmp(className, "Button") == 0;
}

IconButtonPlaces PlaceIconAndCaption(int width, int height, bool hasIcon, int iconWidth, int iconHeight,
                                     int captionWidth, int captionHeight, int drawState)
{
    IconButtonPlaces places = {};
    places.captionX = (width - captionWidth) / 2;
    places.captionY = (height - captionHeight) / 2;
    if (hasIcon) {
        places.iconX = (width - (captionWidth + iconWidth + IconCaptionGap)) / 2;
        places.iconY = (height - iconHeight) / 2;
        // The caption follows the icon's resting place, not its pressed one.
        places.captionX = places.iconX + iconWidth + IconCaptionGap;
    }
    if (drawState == DrawStatePressed) {
        ++places.iconX;
        ++places.iconY;
        ++places.captionX;
        ++places.captionY;
    }
    return places;
}

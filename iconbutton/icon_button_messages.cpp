#include "iconbutton/icon_button_messages.h"

#include "iconbutton/icon_button_look.h"

intptr_t HandleIconButtonMessage(IconButtonWindow& window, const void* button, const void*& trackedButton,
                                 unsigned message, uintptr_t wParam)
{
    if (message == MessageMouseLeave)
        trackedButton = nullptr;
    const intptr_t result = window.CallPrevious();
    switch (message) {
    case MessageMouseMove:
        // The hover notice comes once per visit: it is asked for again only
        // after a leave, or after the pointer has been over another button.
        if (trackedButton != button) {
            trackedButton = button;
            window.RequestHoverTracking();
        }
        break;
    case MessageMouseHover: window.SetDrawState(DrawStateHot); break;
    case MessageMouseLeave: window.SetDrawState(DrawStateNormal); break;
    case MessageLeftDown: window.SetDrawState(DrawStatePressed); break;
    // The click that the release sets off may run a long repair that lets
    // messages through; the new look is decided from whatever state is
    // stored once it has returned.
    case MessageLeftUp: window.SetDrawState(DrawStateAfterRelease(window.DrawState())); break;
    case MessageEnable: window.SetDrawState(DrawStateAfterEnable(wParam != 0)); break;
    default: break;
    }
    return result;
}

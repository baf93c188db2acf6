#pragma once
#include <cstdint>

// How an icon button answers the messages that change its look. The button's
// own procedure always acts first; the look follows what it did.

// The messages concerned, by their Windows values.
enum IconButtonMessage : unsigned {
    MessageEnable = 0x000A,      // WM_ENABLE
    MessageMouseMove = 0x0200,   // WM_MOUSEMOVE
    MessageLeftDown = 0x0201,    // WM_LBUTTONDOWN
    MessageLeftUp = 0x0202,      // WM_LBUTTONUP
    MessageMouseHover = 0x02A1,  // WM_MOUSEHOVER
    MessageMouseLeave = 0x02A3,  // WM_MOUSELEAVE
};

// One icon button as the message handling sees it.
class IconButtonWindow {
public:
    // Passes the message's own values to the button's previous procedure.
    virtual intptr_t CallPrevious() = 0;
    virtual int DrawState() = 0;
    // Stores the draw state and invalidates the button, also when unchanged.
    virtual void SetDrawState(int drawState) = 0;
    // Asks for one hover notice after the pointer rests 50 ms, and a leave notice.
    virtual void RequestHoverTracking() = 0;

protected:
    ~IconButtonWindow() = default;
};

// Every message except WM_PAINT, which the program paints without the
// previous procedure. `button` names this button; `trackedButton` is the one
// the process last asked hover tracking for. Returns the previous procedure's result.
intptr_t HandleIconButtonMessage(IconButtonWindow& window, const void* button, const void*& trackedButton,
                                 unsigned message, uintptr_t wParam);

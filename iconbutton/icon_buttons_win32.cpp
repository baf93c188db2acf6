#include "iconbutton/icon_buttons.h"

#include "iconbutton/icon_button_look.h"
#include "iconbutton/icon_button_messages.h"
#include "iconbutton/icon_button_properties.h"

namespace property = icon_button_property;

namespace {

// The icon button that hover tracking was last asked for; only the window
// thread touches it.
const void* gTrackedButton = nullptr;

LRESULT CallPrevious(HWND window, const char* procProperty, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC previous = reinterpret_cast<WNDPROC>(property::Read(window, procProperty));
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

class ButtonWindow final : public IconButtonWindow {
public:
    ButtonWindow(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
        : button_(button), message_(message), wParam_(wParam), lParam_(lParam)
    {
    }
    intptr_t CallPrevious() override
    {
        return ::CallPrevious(button_, property::ButtonProc, message_, wParam_, lParam_);
    }
    int DrawState() override { return GetDrawState(button_); }
    void SetDrawState(int drawState) override { ::SetDrawState(button_, drawState); }
    void RequestHoverTracking() override
    {
        TRACKMOUSEEVENT track = {sizeof track, TME_HOVER | TME_LEAVE, button_, 50};
        TrackMouseEvent(&track);
    }

private:
    HWND button_;
    UINT message_;
    WPARAM wParam_;
    LPARAM lParam_;
};

LRESULT CALLBACK IconButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        PaintIconButton(button, BeginPaint(button, &paint));
        EndPaint(button, &paint);
        return 1;
    }
    ButtonWindow window(button, message, wParam, lParam);
    return HandleIconButtonMessage(window, button, gTrackedButton, message, wParam);
}

// The look follows the draw state alone, whatever the owner-draw notice says.
LRESULT CALLBACK IconButtonParentProc(HWND parent, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DRAWITEM) {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (property::Read(item->hwndItem, property::ButtonProc) != 0) {
            PaintIconButton(item->hwndItem, item->hDC);
            return TRUE;
        }
    }
    return CallPrevious(parent, property::ParentProc, message, wParam, lParam);
}

LONG_PTR Subclass(HWND window, WNDPROC procedure)
{
    return SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

}  // namespace

int GetDrawState(HWND button)
{
    return static_cast<int>(property::Read(button, property::DrawState));
}

void SetDrawState(HWND button, int drawState)
{
    property::Write(button, property::DrawState, drawState);
    InvalidateRect(button, nullptr, FALSE);
}

void TakeOverButton(HWND button)
{
    if (property::Read(button, property::ButtonProc) == 0) {
        property::Write(button, property::ButtonProc, Subclass(button, IconButtonProc));
        // Owner-drawn, so the button's own procedure leaves the painting to
        // us; the window is not moved or redrawn for it.
        const LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE);
        if ((style | BS_OWNERDRAW) != style)
            SetWindowLongPtrA(button, GWL_STYLE, style | BS_OWNERDRAW);
        property::Write(button, property::TextColour1, property::SystemColour);
        property::Write(button, property::TextColour2, property::SystemColour);
        if (!IsWindowEnabled(button))
            SetDrawState(button, DrawStateDisabled);
    }
    const HWND parent = GetParent(button);
    if (parent != nullptr && property::Read(parent, property::ParentProc) == 0)
        property::Write(parent, property::ParentProc, Subclass(parent, IconButtonParentProc));
}

void SetUpIconButtons(HWND window)
{
    char className[256] = {};
    GetClassNameA(window, className, 255);
    if (IsButtonClassName(className) && IconOfButton(window) != nullptr) {
        TakeOverButton(window);
        InvalidateRect(window, nullptr, FALSE);
    }
    // Depth first, a window before its children, so every descendant is reached.
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        SetUpIconButtons(child);
}

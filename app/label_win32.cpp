#include "app/label.h"

#include "app/main_window.h"

const char* const LabelClassName = "QuorvanLabel";

namespace {

const LabelLook* LookOf(HWND label)
{
    const ControlLayout* layout = LayoutOfControlId(GetDlgCtrlID(label));
    return layout != nullptr ? LabelLookOf(layout->control) : nullptr;
}

void OnPaint(HWND label)
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(label, &paint);
    RECT client;
    GetClientRect(label, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));

    const LabelLook* look = LookOf(label);
    const HFONT font = reinterpret_cast<HFONT>(GetWindowLongPtrA(label, 0));
    const HGDIOBJ previousFont = font != nullptr ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look != nullptr ? look->textColour : RGB(0, 0, 0));

    char text[256];
    GetWindowTextA(label, text, sizeof text);
    DrawTextA(dc, text, -1, &client, DT_NOCLIP | DT_SINGLELINE | DT_VCENTER);

    if (previousFont != nullptr)
        SelectObject(dc, previousFont);
    EndPaint(label, &paint);
}

BOOL OnSetCursor(HWND label)
{
    const LabelLook* look = LookOf(label);
    const bool hand = look != nullptr && look->handPointer;
    SetCursor(LoadCursorA(nullptr, hand ? MAKEINTRESOURCEA(32649) : IDC_ARROW));  // 32649: IDC_HAND
    return TRUE;
}

void OnLeftButtonDown(HWND label)
{
    const ControlLayout* layout = LayoutOfControlId(GetDlgCtrlID(label));
    if (layout != nullptr)
        RaiseControlEvent(layout->control, ControlEvent::LeftButtonPressed);
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: OnPaint(label); return 0;
    case WM_ERASEBKGND: return 1;  // the painting fills the whole label itself
    case WM_SETCURSOR: return OnSetCursor(label);
    case WM_LBUTTONDOWN: OnLeftButtonDown(label); return 0;
    case WM_SETFONT: SetWindowLongPtrA(label, 0, static_cast<LONG_PTR>(wParam)); return 0;
    case WM_GETFONT: return GetWindowLongPtrA(label, 0);
    default: return DefWindowProcA(label, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterLabelClass(HINSTANCE instance)
{
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = LabelProc;
    windowClass.cbWndExtra = sizeof(LONG_PTR);  // the label's font
    windowClass.hInstance = instance;
    windowClass.lpszClassName = LabelClassName;
    return RegisterClassA(&windowClass) != 0;
}

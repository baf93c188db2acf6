#include "iconbutton/icon_buttons.h"

#include "app/main_window.h"
#include "iconbutton/icon_button_look.h"
#include "iconbutton/theme_functions.h"

namespace {

const char* const ButtonProcProperty = "ButtonIcon_Proc";
const char* const ParentProcProperty = "ButtonIcon_ParentProc";
const char* const TextColour1Property = "ButtonIcon_TextColor1";
const char* const TextColour2Property = "ButtonIcon_TextColor2";
const char* const DrawStateProperty = "Vornex_DrawState";
const LONG_PTR SystemColour = -1;

// The icon button that hover tracking was last asked for; only the window
// thread touches it.
HWND gTrackedButton = nullptr;

LONG_PTR Property(HWND window, const char* name)
{
    return reinterpret_cast<LONG_PTR>(GetPropA(window, name));
}

void SetProperty(HWND window, const char* name, LONG_PTR value)
{
    SetPropA(window, name, reinterpret_cast<HANDLE>(value));
}

HICON IconOf(HWND button)
{
    return reinterpret_cast<HICON>(SendMessageA(button, BM_GETIMAGE, IMAGE_ICON, 0));
}

int GetDrawState(HWND button)
{
    return static_cast<int>(Property(button, DrawStateProperty));
}

void SetDrawState(HWND button, int drawState)
{
    SetProperty(button, DrawStateProperty, drawState);
    InvalidateRect(button, nullptr, FALSE);
}

void DrawIcon(HDC dc, HICON icon, const IconButtonPlaces& places, int width, int height, int drawState)
{
    if (drawState == DrawStateDisabled)
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, places.iconX, places.iconY, width,
                   height, DST_ICON | DSS_DISABLED);
    else
        DrawIconEx(dc, places.iconX, places.iconY, icon, width, height, 0, nullptr, DI_NORMAL);
}

void DrawCaption(HWND button, HDC dc, const char* caption, const IconButtonPlaces& places, int width,
                 int height, int drawState)
{
    const LONG_PTR colour = Property(button, drawState == DrawStateDisabled ? TextColour2Property
                                                                             : TextColour1Property);
    if (drawState == DrawStateDisabled && colour == SystemColour) {
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(caption), -1, places.captionX, places.captionY,
                   width, height, DST_PREFIXTEXT | DSS_DISABLED);
        return;
    }
    SetTextColor(dc, colour == SystemColour ? GetSysColor(COLOR_BTNTEXT) : static_cast<COLORREF>(colour));
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(caption), -1, places.captionX, places.captionY,
               width, height, DST_PREFIXTEXT);
}

void PaintFace(HWND button, HDC dc, RECT client, int drawState)
{
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    // Opened and closed in every painting: no theme handle outlives it.
    const ThemeHandle theme = OpenButtonTheme(button);
    if (theme != nullptr) {
        DrawButtonThemeBackground(theme, dc, ThemeStateOf(drawState), client);
        CloseButtonTheme(theme);
    } else {
        DrawFrameControl(dc, &client, DFC_BUTTON, ClassicFrameFlagsOf(drawState));
    }
}

// The whole button is composed off screen and copied in one piece, so it
// never flickers; every GDI object made here is released here.
void PaintIconButton(HWND button, HDC targetDc)
{
    const HDC windowDc = targetDc == nullptr ? GetDC(button) : nullptr;
    const HDC dc = targetDc != nullptr ? targetDc : windowDc;
    RECT client;
    GetClientRect(button, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;

    const HDC memoryDc = CreateCompatibleDC(dc);
    const HBITMAP surface = CreateCompatibleBitmap(dc, width, height);
    const HGDIOBJ heldBitmap = SelectObject(memoryDc, surface);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0));
    if (font == nullptr)
        font = DefaultFont;
    const HGDIOBJ heldFont = SelectObject(memoryDc, font);
    SetBkMode(memoryDc, TRANSPARENT);

    const int drawState = GetDrawState(button);
    PaintFace(button, memoryDc, client, drawState);

    char caption[256] = {};
    GetWindowTextA(button, caption, sizeof caption);
    int captionWidth = 0, captionHeight = 0;
    if (caption[0] != '\0') {
        RECT measured = client;
        DrawTextA(memoryDc, caption, -1, &measured, DT_SINGLELINE | DT_CALCRECT);
        captionWidth = measured.right - measured.left;
        captionHeight = measured.bottom - measured.top;
    }

    const HICON icon = IconOf(button);
    int iconWidth = 0, iconHeight = 0;
    ICONINFO iconInfo = {};
    if (icon != nullptr && GetIconInfo(icon, &iconInfo)) {
        BITMAP colourBitmap = {};
        if (iconInfo.hbmColor != nullptr && GetObjectA(iconInfo.hbmColor, sizeof colourBitmap, &colourBitmap)) {
            iconWidth = colourBitmap.bmWidth;
            iconHeight = colourBitmap.bmHeight;
        }
        DeleteObject(iconInfo.hbmMask);
        DeleteObject(iconInfo.hbmColor);
    }
    const IconButtonPlaces places = PlaceIconAndCaption(width, height, icon != nullptr, iconWidth, iconHeight,
                                                        captionWidth, captionHeight, drawState);
    if (icon != nullptr)
        DrawIcon(memoryDc, icon, places, iconWidth, iconHeight, drawState);
    if (caption[0] != '\0')
        DrawCaption(button, memoryDc, caption, places, captionWidth, captionHeight, drawState);

    BitBlt(dc, 0, 0, width, height, memoryDc, 0, 0, SRCCOPY);
    SelectObject(memoryDc, heldBitmap);
    SelectObject(memoryDc, heldFont);
    DeleteObject(surface);
    DeleteDC(memoryDc);
    if (windowDc != nullptr)
        ReleaseDC(button, windowDc);
}

LRESULT CallPrevious(HWND window, const char* property, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC previous = reinterpret_cast<WNDPROC>(Property(window, property));
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

void TrackHover(HWND button)
{
    if (gTrackedButton == button)
        return;
    gTrackedButton = button;
    TRACKMOUSEEVENT track = {sizeof track, TME_HOVER | TME_LEAVE, button, 50};
    TrackMouseEvent(&track);
}

LRESULT CALLBACK IconButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        PaintIconButton(button, BeginPaint(button, &paint));
        EndPaint(button, &paint);
        return 1;
    }
    if (message == WM_MOUSELEAVE)
        gTrackedButton = nullptr;
    // The button's own procedure acts first; the look follows what it did.
    const LRESULT result = CallPrevious(button, ButtonProcProperty, message, wParam, lParam);
    switch (message) {
    case WM_MOUSEMOVE: TrackHover(button); break;
    case WM_MOUSEHOVER: SetDrawState(button, DrawStateHot); break;
    case WM_MOUSELEAVE: SetDrawState(button, DrawStateNormal); break;
    case WM_LBUTTONDOWN: SetDrawState(button, DrawStatePressed); break;
    // The click that the release sets off may run a long repair; the new
    // look is decided from whatever state is stored once it has returned.
    case WM_LBUTTONUP: SetDrawState(button, DrawStateAfterRelease(GetDrawState(button))); break;
    case WM_ENABLE: SetDrawState(button, DrawStateAfterEnable(wParam != 0)); break;
    default: break;
    }
    return result;
}

LRESULT CALLBACK IconButtonParentProc(HWND parent, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DRAWITEM) {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (Property(item->hwndItem, ButtonProcProperty) != 0) {
            PaintIconButton(item->hwndItem, item->hDC);
            return TRUE;
        }
    }
    return CallPrevious(parent, ParentProcProperty, message, wParam, lParam);
}

void TakeOverButton(HWND button)
{
    if (Property(button, ButtonProcProperty) == 0) {
        const LONG_PTR previous = SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(IconButtonProc));
        SetProperty(button, ButtonProcProperty, previous);
        const LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE);
        if ((style | BS_OWNERDRAW) != style)
            SetWindowLongPtrA(button, GWL_STYLE, style | BS_OWNERDRAW);
        SetProperty(button, TextColour1Property, SystemColour);
        SetProperty(button, TextColour2Property, SystemColour);
        if (!IsWindowEnabled(button))
            SetDrawState(button, DrawStateDisabled);
    }
    const HWND parent = GetParent(button);
    if (parent != nullptr && Property(parent, ParentProcProperty) == 0) {
        const LONG_PTR previous =
            SetWindowLongPtrA(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(IconButtonParentProc));
        SetProperty(parent, ParentProcProperty, previous);
    }
}

}  // namespace

void SetUpIconButtons(HWND window)
{
    char className[256] = {};
    GetClassNameA(window, className, 255);
    if (IsButtonClassName(className) && IconOf(window) != nullptr) {
        TakeOverButton(window);
        InvalidateRect(window, nullptr, FALSE);
    }
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        SetUpIconButtons(child);
}

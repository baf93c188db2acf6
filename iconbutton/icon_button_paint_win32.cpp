#include <string>

#include "app/main_window.h"
#include "iconbutton/icon_button_look.h"
#include "iconbutton/icon_button_properties.h"
#include "iconbutton/icon_buttons.h"
#include "iconbutton/theme_functions.h"

namespace property = icon_button_property;

namespace {

struct Size {
    int width = 0, height = 0;
};

void PaintFace(HWND button, HDC dc, const RECT& client, int drawState)
{
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    // Opened and closed in every painting: no theme handle outlives it.
    const ThemeHandle theme = OpenButtonTheme(button);
    if (theme != nullptr) {
        DrawButtonThemeBackground(theme, dc, ThemeStateOf(drawState), client);
        CloseButtonTheme(theme);
    } else {
        RECT face = client;
        DrawFrameControl(dc, &face, DFC_BUTTON, ClassicFrameFlagsOf(drawState));
    }
}

std::string CaptionOf(HWND button)
{
    const int length = GetWindowTextLengthA(button);
    if (length <= 0)
        return std::string();
    std::string caption(static_cast<size_t>(length) + 1, '\0');
    caption.resize(static_cast<size_t>(GetWindowTextA(button, &caption[0], length + 1)));
    return caption;
}

// Measured as it is drawn: one line, an ampersand marking the mnemonic.
Size MeasureCaption(HDC dc, const std::string& caption, const RECT& client)
{
    Size size;
    if (caption.empty())
        return size;
    RECT measured = client;
    DrawTextA(dc, caption.c_str(), -1, &measured, DT_SINGLELINE | DT_CALCRECT);
    size.width = measured.right - measured.left;
    size.height = measured.bottom - measured.top;
    return size;
}

// The icon's size comes from its colour bitmap; the bitmaps GetIconInfo
// makes are the caller's to delete.
Size MeasureIcon(HICON icon)
{
    Size size;
    ICONINFO info = {};
    GetIconInfo(icon, &info);
    BITMAP colour = {};
    if (info.hbmColor != nullptr && GetObjectA(info.hbmColor, sizeof colour, &colour) != 0) {
        size.width = colour.bmWidth;
        size.height = colour.bmHeight;
    }
    if (info.hbmMask != nullptr)
        DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr)
        DeleteObject(info.hbmColor);
    return size;
}

void DrawIcon(HDC dc, HICON icon, const IconButtonPlaces& places, Size size, int drawState)
{
    if (drawState == DrawStateDisabled)
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, places.iconX, places.iconY, size.width,
                   size.height, DST_ICON | DSS_DISABLED);
    else
        DrawIconEx(dc, places.iconX, places.iconY, icon, size.width, size.height, 0, nullptr, DI_NORMAL);
}

void DrawCaption(HWND button, HDC dc, const std::string& caption, const IconButtonPlaces& places, Size size,
                 int drawState)
{
    const bool disabled = drawState == DrawStateDisabled;
    const LONG_PTR colour = property::Read(button, disabled ? property::TextColour2 : property::TextColour1);
    UINT flags = DST_PREFIXTEXT;
    if (disabled && colour == property::SystemColour)
        flags |= DSS_DISABLED;
    else
        SetTextColor(dc, colour == property::SystemColour ? GetSysColor(COLOR_BTNTEXT) : static_cast<COLORREF>(colour));
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(caption.c_str()), -1, places.captionX,
               places.captionY, size.width, size.height, flags);
}

}  // namespace

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

    const std::string caption = CaptionOf(button);
    const Size captionSize = MeasureCaption(memoryDc, caption, client);
    const HICON icon = IconOfButton(button);
    const Size iconSize = icon != nullptr ? MeasureIcon(icon) : Size();
    const IconButtonPlaces places = PlaceIconAndCaption(width, height, icon != nullptr, iconSize.width,
                                                        iconSize.height, captionSize.width, captionSize.height,
                                                        drawState);
    if (icon != nullptr)
        DrawIcon(memoryDc, icon, places, iconSize, drawState);
    if (!caption.empty())
        DrawCaption(button, memoryDc, caption, places, captionSize, drawState);

    BitBlt(dc, 0, 0, width, height, memoryDc, 0, 0, SRCCOPY);
    SelectObject(memoryDc, heldBitmap);
    SelectObject(memoryDc, heldFont);
    DeleteObject(surface);
    DeleteDC(memoryDc);
    if (windowDc != nullptr)
        ReleaseDC(button, windowDc);
}

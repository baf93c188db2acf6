#include "app/balloon.h"

#include <windows.h>

#include <vector>

#include "app/balloon_shape.h"
#include "app/main_window.h"

namespace {

// The end-to-end tests find the balloon on the screen by its class.
const char* const BalloonClassName = "QuorvanBalloon";
constexpr UINT_PTR CloseTimerId = 1;
const COLORREF BalloonBackground = RGB(255, 255, 225);
const COLORREF BalloonInk = RGB(0, 0, 0);
constexpr int BalloonPoints = 9;

// The one balloon and what it shows; all null or empty while none is open.
HWND gBalloon = nullptr;
HFONT gFont = nullptr;
std::vector<Text> gLines;
int gLineHeight = 0;

int CALLBACK NoteFaceFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(HDC dc, const char* face)
{
    LOGFONTA wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExA(dc, &wanted, NoteFaceFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

HFONT CreateBalloonFont(HDC screen)
{
    // Verdana stands in where 宋体 is missing; the GB2312 character set still
    // steers the font mapper to a face that has the Chinese characters.
    const char* const face = FaceInstalled(screen, "宋体") ? "宋体" : "Verdana";
    const int height = -MulDiv(BalloonPoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

// Measures the lines in the font; false when the screen cannot be asked.
bool MeasureLines(HFONT font, const std::vector<Text>& lines, std::vector<int>* widths, int* lineHeight)
{
    const HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return false;
    const HGDIOBJ previousFont = SelectObject(screen, font);
    TEXTMETRICA metrics = {};
    bool measured = GetTextMetricsA(screen, &metrics) != FALSE;
    *lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    for (const Text& line : lines) {
        SIZE extent = {};
        measured = measured && GetTextExtentPoint32A(screen, line.data(), static_cast<int>(line.size()), &extent);
        widths->push_back(extent.cx);
    }
    SelectObject(screen, previousFont);
    ReleaseDC(nullptr, screen);
    return measured;
}

BalloonArea WorkAreaAt(POINT point)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    RECT work = {};
    if (GetMonitorInfoA(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &monitor))
        work = monitor.rcWork;
    else if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
        SetRect(&work, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return {work.left, work.top, work.right, work.bottom};
}

void OnPaint(HWND balloon)
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(balloon, &paint);
    RECT whole;
    GetClientRect(balloon, &whole);

    const HBRUSH background = CreateSolidBrush(BalloonBackground);
    FillRect(dc, &whole, background);
    DeleteObject(background);
    const HBRUSH border = CreateSolidBrush(BalloonInk);
    FrameRect(dc, &whole, border);
    DeleteObject(border);

    const HGDIOBJ previousFont = SelectObject(dc, gFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, BalloonInk);
    for (size_t index = 0; index < gLines.size(); ++index) {
        const BalloonPoint origin = BalloonLineOrigin(static_cast<int>(index), gLineHeight);
        TextOutA(dc, origin.x, origin.y, gLines[index].data(), static_cast<int>(gLines[index].size()));
    }
    SelectObject(dc, previousFont);
    EndPaint(balloon, &paint);
}

void OnFinalDestroy(HWND balloon)
{
    if (balloon != gBalloon)
        return;
    DeleteObject(gFont);
    gBalloon = nullptr;
    gFont = nullptr;
    gLines.clear();
}

LRESULT CALLBACK BalloonProc(HWND balloon, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: OnPaint(balloon); return 0;
    case WM_ERASEBKGND: return 1;  // the painting covers the whole balloon
    // The mouse passes through to what lies beneath: the balloon opens just
    // below the pointer, often over the next check box, and must not swallow
    // a press on it nor take the activation from the main window.
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_TIMER:
        if (wParam == CloseTimerId)
            DestroyWindow(balloon);
        return 0;
    case WM_NCDESTROY: OnFinalDestroy(balloon); break;
    default: break;
    }
    return DefWindowProcA(balloon, message, wParam, lParam);
}

bool RegisterBalloonClass(HINSTANCE instance)
{
    WNDCLASSA balloonClass = {};
    if (GetClassInfoA(instance, BalloonClassName, &balloonClass))
        return true;
    balloonClass.lpfnWndProc = BalloonProc;
    balloonClass.hInstance = instance;
    balloonClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    balloonClass.lpszClassName = BalloonClassName;
    return RegisterClassA(&balloonClass) != 0;
}

void CloseBalloon()
{
    if (gBalloon != nullptr)
        DestroyWindow(gBalloon);
}

}  // namespace

void ShowBalloon(int x, int y, const Text& text)
{
    CloseBalloon();
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterBalloonClass(instance))
        return;

    const HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return;
    const HFONT font = CreateBalloonFont(screen);
    ReleaseDC(nullptr, screen);
    if (font == nullptr)
        return;

    const std::vector<Text> lines = BalloonLines(text);
    std::vector<int> widths;
    int lineHeight = 0;
    if (!MeasureLines(font, lines, &widths, &lineHeight)) {
        DeleteObject(font);
        return;
    }
    const BalloonSize size = BalloonSizeFor(widths, lineHeight);
    const POINT point = {x, y};
    const BalloonPoint place = PlaceBalloon({x, y}, size, WorkAreaAt(point));

    // The window text is the whole text, for screen readers; the painting
    // draws the lines kept here.
    const HWND balloon = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, BalloonClassName,
                                         text.c_str(), WS_POPUP, place.x, place.y, size.width, size.height,
                                         MainWindowHandle(), nullptr, instance, nullptr);
    if (balloon == nullptr) {
        DeleteObject(font);
        return;
    }
    gBalloon = balloon;
    gFont = font;
    gLines = lines;
    gLineHeight = lineHeight;
    if (SetTimer(balloon, CloseTimerId, BalloonShowMs, nullptr) == 0) {
        // A balloon that could not close itself would stay for good.
        DestroyWindow(balloon);
        return;
    }
    ShowWindow(balloon, SW_SHOWNOACTIVATE);
    UpdateWindow(balloon);
}

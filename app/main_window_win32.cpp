#include "app/main_window.h"

#include <atomic>

#include "app/icons.h"
#include "app/label.h"
#include "app/main_thread.h"
#include "app/window_destroying.h"

HFONT DefaultFont = nullptr;

namespace {

const char* const MainWindowClassName = "QuorvanMainWindow";
// The balloon tip and the timer are components without a face: hidden
// windows that hold their place in the window like the other controls.
const char* const ComponentClassName = "QuorvanComponent";
// Carries a MainThreadTask (wParam) and its value (lParam).
constexpr UINT RunTaskMessage = WM_APP + 1;

std::atomic<HWND> gMainWindow{nullptr};
// Read by the diagnosis thread too.
std::atomic<HWND> gControls[ControlCount] = {};
HFONT gLabelFont = nullptr;
HICON gWindowIcon = nullptr;
HICON gButtonIcon = nullptr;
HWND gFocusWhenDeactivated = nullptr;
WNDPROC gButtonProc = nullptr;
WNDPROC gGroupBoxProc = nullptr;

bool ControlOfWindow(HWND window, Control* control)
{
    const ControlLayout* layout = LayoutOfControlId(GetDlgCtrlID(window));
    if (layout == nullptr || gControls[static_cast<int>(layout->control)] != window)
        return false;
    *control = layout->control;
    return true;
}

// Check boxes announce a left press before they act on it, so an explanation
// appears where the press happened.
LRESULT CALLBACK CheckBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    Control control;
    if (message == WM_LBUTTONDOWN && ControlOfWindow(box, &control))
        RaiseControlEvent(control, ControlEvent::LeftButtonPressed);
    return CallWindowProcA(gButtonProc, box, message, wParam, lParam);
}

// A group box paints only its frame and title; with the main window clipping
// its children, nothing else would fill the inside.
LRESULT CALLBACK GroupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        // The group box lies beneath the check boxes it frames and does not
        // clip them: leave their places alone.
        for (HWND above = GetWindow(box, GW_HWNDPREV); above != nullptr; above = GetWindow(above, GW_HWNDPREV)) {
            if (!IsWindowVisible(above))
                continue;
            RECT place;
            GetWindowRect(above, &place);
            MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&place), 2);
            ExcludeClipRect(dc, place.left, place.top, place.right, place.bottom);
        }
        RECT client;
        GetClientRect(box, &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    return CallWindowProcA(gGroupBoxProc, box, message, wParam, lParam);
}

LRESULT CALLBACK ComponentProc(HWND component, UINT message, WPARAM wParam, LPARAM lParam)
{
    Control control;
    if (message == WM_TIMER && wParam == StatusTimerId && ControlOfWindow(component, &control)) {
        RaiseControlEvent(control, ControlEvent::TimerTick);
        return 0;
    }
    return DefWindowProcA(component, message, wParam, lParam);
}

DWORD StyleOf(ControlKind kind)
{
    const DWORD child = WS_CHILD | WS_CLIPSIBLINGS;
    switch (kind) {
    case ControlKind::CheckBox:
        return child | BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER | WS_TABSTOP;
    case ControlKind::PushButton:
        return child | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER | BS_ICON | WS_TABSTOP;
    case ControlKind::GroupBox:
        return WS_CHILD | BS_GROUPBOX | BS_LEFT;
    case ControlKind::Label:
        return child;
    case ControlKind::BalloonTip:
    case ControlKind::Timer:
        return WS_CHILD;
    }
    return WS_CHILD;
}

const char* ClassOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label: return LabelClassName;
    case ControlKind::BalloonTip:
    case ControlKind::Timer: return ComponentClassName;
    default: return "BUTTON";
    }
}

HFONT FontOf(const ControlLayout& layout)
{
    const LabelLook* look = LabelLookOf(layout.control);
    if (look != nullptr && look->font == LabelFontChoice::LabelFont)
        return gLabelFont;
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HFONT CreateLabelFont()
{
    LOGFONTA font = {};
    font.lfHeight = -12;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = PROOF_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    return CreateFontIndirectA(&font);  // empty face name: the system's default face
}

void CreateControls(HINSTANCE instance)
{
    gLabelFont = CreateLabelFont();
    gButtonIcon = LoadSmallIconImage(ButtonIconSet);
    for (const ControlLayout& layout : ControlTable) {
        const HWND control = CreateWindowExA(
            0, ClassOf(layout.kind), layout.text, StyleOf(layout.kind), layout.left, layout.top,
            layout.width, layout.height, gMainWindow,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdOf(layout.control))), instance, nullptr);
        gControls[static_cast<int>(layout.control)] = control;
        if (control == nullptr)
            continue;
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(layout)), FALSE);
        switch (layout.kind) {
        case ControlKind::CheckBox:
            gButtonProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CheckBoxProc)));
            break;
        case ControlKind::GroupBox:
            gGroupBoxProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GroupBoxProc)));
            break;
        case ControlKind::PushButton:
            SendMessageA(control, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(gButtonIcon));
            break;
        case ControlKind::Timer:
            SetTimer(control, StatusTimerId, StatusTimerPeriodMs, nullptr);
            break;
        default:
            break;
        }
    }
}

LRESULT OnControlColour(HWND, HDC dc)
{
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void OnCommand(WPARAM wParam, LPARAM lParam)
{
    Control control;
    if (HIWORD(wParam) == BN_CLICKED && ControlOfWindow(reinterpret_cast<HWND>(lParam), &control))
        RaiseControlEvent(control, ControlEvent::Clicked);
}

BOOL OnEraseBackground(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
}

// The window keeps its focused control across a message box or a switch to
// another program, as a dialog does, instead of ending with no focus at all.
bool OnActivate(HWND window, WPARAM wParam)
{
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        gFocusWhenDeactivated = focus != nullptr && IsChild(window, focus) ? focus : nullptr;
        return false;
    }
    if (gFocusWhenDeactivated == nullptr || !IsChild(window, gFocusWhenDeactivated) || IsIconic(window))
        return false;
    SetFocus(gFocusWhenDeactivated);
    return true;
}

void OnDestroy()
{
    // Later calls from the diagnosis thread must find no window to act on.
    for (std::atomic<HWND>& control : gControls)
        control = nullptr;
    OnWindowDestroying();
}

void OnFinalDestroy()
{
    gMainWindow = nullptr;
    DestroyIcon(gWindowIcon);
    DestroyIcon(gButtonIcon);
    DeleteObject(gLabelFont);
    gWindowIcon = gButtonIcon = nullptr;
    gLabelFont = nullptr;
    PostQuitMessage(0);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: return OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return OnControlColour(window, reinterpret_cast<HDC>(wParam));
    case WM_COMMAND: OnCommand(wParam, lParam); return 0;
    case WM_ACTIVATE:
        if (OnActivate(window, wParam))
            return 0;
        return DefWindowProcA(window, message, wParam, lParam);
    case RunTaskMessage: reinterpret_cast<MainThreadTask>(wParam)(static_cast<std::intptr_t>(lParam)); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_NCDESTROY: OnFinalDestroy(); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool RegisterClasses(HINSTANCE instance)
{
    WNDCLASSA mainClass = {};
    mainClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    mainClass.lpfnWndProc = MainWindowProc;
    mainClass.hInstance = instance;
    mainClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    mainClass.lpszClassName = MainWindowClassName;

    WNDCLASSA componentClass = {};
    componentClass.lpfnWndProc = ComponentProc;
    componentClass.hInstance = instance;
    componentClass.lpszClassName = ComponentClassName;

    return RegisterClassA(&mainClass) != 0 && RegisterClassA(&componentClass) != 0 &&
           RegisterLabelClass(instance);
}

}  // namespace

void CreateDefaultFont()
{
    DefaultFont = CreateFontA(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "宋体");
}

HWND CreateMainWindow(HINSTANCE instance)
{
    if (!RegisterClasses(instance))
        return nullptr;
    const ScreenPlace place = CentredPlace(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    gMainWindow = CreateWindowExA(0, MainWindowClassName, MainWindowTitle,
                                  WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, place.left,
                                  place.top, MainWindowOuterWidth, MainWindowOuterHeight, nullptr, nullptr,
                                  instance, nullptr);
    if (gMainWindow == nullptr)
        return nullptr;

    RECT outer;
    GetWindowRect(gMainWindow, &outer);
    if (outer.right - outer.left != MainWindowOuterWidth || outer.bottom - outer.top != MainWindowOuterHeight)
        MoveWindow(gMainWindow, place.left, place.top, MainWindowOuterWidth, MainWindowOuterHeight, FALSE);

    gWindowIcon = LoadSmallIconImage(WindowIconSet);
    SendMessageA(gMainWindow, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(gWindowIcon));
    SendMessageA(gMainWindow, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(gWindowIcon));
    SendMessageA(gMainWindow, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);

    CreateControls(instance);
    return gMainWindow;
}

void ShowShownControls()
{
    for (const ControlLayout& layout : ControlTable) {
        const HWND control = gControls[static_cast<int>(layout.control)];
        if (layout.shown && control != nullptr)
            ShowWindow(control, SW_SHOWNA);
    }
}

bool PostToMainThread(MainThreadTask task, std::intptr_t value)
{
    const HWND mainWindow = gMainWindow;
    return mainWindow != nullptr &&
           PostMessageA(mainWindow, RunTaskMessage, reinterpret_cast<WPARAM>(task), static_cast<LPARAM>(value));
}

HWND MainWindowHandle()
{
    return gMainWindow;
}

HWND ControlHandle(Control control)
{
    return gControls[static_cast<int>(control)];
}

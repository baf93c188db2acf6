// The icon-button module on a window tree of the driver's own, under Wine:
// which windows a walk takes over, that a second walk subclasses nothing
// twice, owner-draw notices for other controls, fonts, the disabled look
// from the first painting and a caller's caption colour.  The Repair
// button's own scenarios are in scenarios_icon_button.cpp.
#include "app/main_window.h"
#include "iconbutton/icon_buttons.h"
#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/picture.h"
#include "tests/e2e/driver/scenario.h"
#include "tests/e2e/driver/screenshot.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr LRESULT kParentsOwnDrawItemResult = 0x1234;
int parentDrawItemCalls = 0;

LRESULT CALLBACK TestParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        ++parentDrawItemCalls;
        return kParentsOwnDrawItemResult;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void RegisterTestClass(const char* name) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = TestParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

HWND Child(HWND parent, const char* className, DWORD style, const char* text, int x, int y) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, 80, 30, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

HWND IconButton(HWND parent, DWORD style, const char* text, int x, int y, HICON icon) {
    HWND button = Child(parent, "Button", style | BS_ICON, text, x, y);
    SendMessageA(button, BM_SETIMAGE, IMAGE_ICON, LPARAM(icon));
    return button;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// The button as its parent's owner-draw notice paints it, into a bitmap of
// the driver's: the look follows the draw state alone.
std::string Rendered(HWND button, LRESULT* result = nullptr) {
    RECT rc{};
    GetClientRect(button, &rc);
    BITMAPINFOHEADER bih{sizeof bih, rc.right, rc.bottom, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP dib = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&bih), DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    PatBlt(mem, 0, 0, rc.right, rc.bottom, BLACKNESS);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = UINT(GetDlgCtrlID(button));
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = button;
    item.hDC = mem;
    item.rcItem = rc;
    const LRESULT r = SendMessageA(GetParent(button), WM_DRAWITEM, item.CtlID, LPARAM(&item));
    if (result) *result = r;
    GdiFlush();
    const std::string bmp = BmpFile(bih, bits);
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return bmp;
}

struct Snapshot {
    LONG_PTR proc;
    LONG style;
    std::map<std::string, HANDLE> props;
};

const char* const kProps[] = {"ButtonIcon_Proc", "ButtonIcon_ParentProc", "ButtonIcon_TextColor1",
                              "ButtonIcon_TextColor2", "Vornex_DrawState"};

Snapshot SnapshotOf(HWND w) {
    Snapshot s{GetWindowLongPtrA(w, GWLP_WNDPROC), GetWindowLongA(w, GWL_STYLE), {}};
    for (const char* p : kProps) s.props[p] = GetPropA(w, p);
    return s;
}

HANDLE Value(LONG_PTR v) { return reinterpret_cast<HANDLE>(v); }

}  // namespace

SCENARIO(icon_button_walk_takes_over_each_icon_button_once, "online") {
    CreateDefaultFont();
    RegisterTestClass("IconButtonTestParent");
    RegisterTestClass("IconButtonTestContainer");
    HWND top = CreateWindowExA(0, "IconButtonTestParent", "icon buttons", WS_OVERLAPPED | WS_VISIBLE, 10, 10, 400,
                               200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    REQUIRE(top != nullptr);
    HICON icon = HICON(LoadImageA(nullptr, IDI_APPLICATION, IMAGE_ICON, 16, 16, LR_SHARED));
    REQUIRE(icon != nullptr);

    HWND normal = IconButton(top, BS_PUSHBUTTON, "修复", 0, 0, icon);
    HWND disabled = IconButton(top, BS_DEFPUSHBUTTON | WS_DISABLED, "修复", 90, 0, icon);
    HWND ownFont = IconButton(top, BS_PUSHBUTTON, "修复", 180, 0, icon);
    HWND bigFont = IconButton(top, BS_PUSHBUTTON, "修复", 270, 0, icon);
    HWND noIcon = Child(top, "Button", BS_PUSHBUTTON, "修复", 0, 40);
    HWND ownerDrawn = Child(top, "Button", BS_OWNERDRAW, "", 90, 40);
    HWND staticIcon = Child(top, "Static", SS_ICON, "", 180, 40);
    SendMessageA(staticIcon, STM_SETICON, WPARAM(icon), 0);
    HWND container = CreateWindowExA(0, "IconButtonTestContainer", "", WS_CHILD | WS_VISIBLE, 0, 80, 200, 60, top,
                                     nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND nested = IconButton(container, BS_PUSHBUTTON, "", 10, 10, icon);

    SendMessageA(ownFont, WM_SETFONT, WPARAM(DefaultFont), FALSE);
    HFONT big = CreateFontA(24, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, nullptr);
    SendMessageA(bigFont, WM_SETFONT, WPARAM(big), FALSE);
    Pump();

    const std::vector<HWND> iconButtons = {normal, disabled, ownFont, bigFont, nested};
    const std::vector<HWND> others = {noIcon, ownerDrawn, staticIcon, top, container};
    std::map<HWND, Snapshot> before;
    for (HWND w : iconButtons) before[w] = SnapshotOf(w);
    for (HWND w : others) before[w] = SnapshotOf(w);

    SetUpIconButtons(top);
    Pump();

    std::map<HWND, Snapshot> first;
    for (auto& [w, s] : before) first[w] = SnapshotOf(w);
    for (HWND w : iconButtons) {
        check::Context row("icon button " + std::to_string(std::find(iconButtons.begin(), iconButtons.end(), w) -
                                                            iconButtons.begin()));
        Snapshot& s = first[w];
        CHECK(s.proc != before[w].proc);
        CHECK(s.props["ButtonIcon_Proc"] == Value(before[w].proc));
        CHECK_EQ(check::Hex(ULONG(before[w].style | BS_OWNERDRAW)), check::Hex(ULONG(s.style)));
        CHECK(s.props["ButtonIcon_TextColor1"] == Value(-1));
        CHECK(s.props["ButtonIcon_TextColor2"] == Value(-1));
        CHECK(s.props["Vornex_DrawState"] == (w == disabled ? Value(4) : nullptr));
        CHECK(s.props["ButtonIcon_ParentProc"] == nullptr);
    }
    for (HWND parent : {top, container}) {
        check::Context row(parent == top ? "top-level parent" : "nested parent");
        CHECK(first[parent].proc != before[parent].proc);
        CHECK(first[parent].props["ButtonIcon_ParentProc"] == Value(before[parent].proc));
        CHECK(first[parent].props["ButtonIcon_Proc"] == nullptr);
    }
    for (HWND w : {noIcon, ownerDrawn, staticIcon}) {
        check::Context row(w == noIcon ? "button without icon" : w == ownerDrawn ? "owner-drawn button" : "static");
        CHECK(first[w].proc == before[w].proc);
        CHECK_EQ(check::Hex(ULONG(before[w].style)), check::Hex(ULONG(first[w].style)));
        for (const char* p : kProps) CHECK(first[w].props[p] == nullptr);
    }

    // A second walk: nothing is subclassed again, so every stored previous
    // procedure is still the one found first.
    SetUpIconButtons(top);
    Pump();
    for (auto& [w, s] : first) {
        check::Context row("second walk");
        const Snapshot again = SnapshotOf(w);
        CHECK(again.proc == s.proc);
        CHECK(again.props == s.props);
    }

    // Owner-draw notices: the parent's own procedure answers for any other
    // control; an icon button is painted by the module, which says TRUE.
    LRESULT result = 0;
    parentDrawItemCalls = 0;
    Rendered(ownerDrawn, &result);
    CHECK_EQ(kParentsOwnDrawItemResult, result);
    CHECK_EQ(1, parentDrawItemCalls);
    const std::string normalLook = Rendered(normal, &result);
    CHECK_EQ(1, result);
    CHECK_EQ(1, parentDrawItemCalls);
    CHECK(InkOf(Picture(normalLook), 3).right > 0);

    // Without a font of its own a button is drawn with the default font.
    CHECK(Rendered(ownFont) == normalLook);
    CHECK(Rendered(bigFont) != normalLook);

    // Disabled at take-over: the disabled look from the first painting on.
    const std::string disabledLook = Rendered(disabled);
    CHECK(disabledLook != normalLook);
    EnableWindow(disabled, TRUE);
    CHECK(GetPropA(disabled, "Vornex_DrawState") == Value(0));
    CHECK(Rendered(disabled) == normalLook);
    EnableWindow(disabled, FALSE);
    CHECK(Rendered(disabled) == disabledLook);

    // A caption colour stored by a caller: the caption drawn plainly in it,
    // the icon still greyed.
    SetPropA(disabled, "ButtonIcon_TextColor2", Value(RGB(255, 0, 0)));
    const Picture red(Rendered(disabled)), grey(disabledLook);
    const RECT ink = InkOf(grey, 3);
    bool redCaption = false, sameIcon = true;
    for (int y = 0; y < red.height; ++y)
        for (int x = 0; x < red.width; ++x) {
            if (x < ink.left + 16) sameIcon = sameIcon && red.At(x, y) == grey.At(x, y);
            else redCaption = redCaption || red.At(x, y) == RGB(255, 0, 0);
        }
    CHECK(sameIcon);
    CHECK(redCaption);

    // No caption: the icon alone, with the gap still counted.
    const RECT iconOnly = InkOf(Picture(Rendered(nested)), 3);
    CHECK(iconOnly.left >= (80 - 16 - 5) / 2 && iconOnly.right <= (80 - 16 - 5) / 2 + 16);
    CHECK(iconOnly.right > iconOnly.left);

    DestroyWindow(top);
    DeleteObject(big);
}

// The main window as the user first meets it: title, size, place, frame,
// task-bar presence and icons.
#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/inprocess.h"
#include "tests/e2e/driver/quorvan.h"
#include "tests/e2e/driver/scenario.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/ui.h"
#include "tests/e2e/driver/wait.h"

namespace {

constexpr int kWidth = 251, kHeight = 295;

struct StyleBit {
    const char* name;
    DWORD bit;
    bool wanted;
};

template <size_t N>
void CheckBits(DWORD actual, const StyleBit (&bits)[N]) {
    for (const StyleBit& s : bits) {
        check::Context row(s.name);
        CHECK_EQ(s.wanted, (actual & s.bit) == s.bit);
    }
}

}  // namespace

SCENARIO(main_window_frame, "offline") {
    Quorvan app;
    REQUIRE(app.Start());
    HWND main = app.WaitForMainWindow(kStartTimeoutMs);
    REQUIRE(main != nullptr);

    CHECK_EQ(std::string("Quorvan"), TextOf(main));

    RECT r{};
    GetWindowRect(main, &r);
    CHECK_EQ(kWidth, r.right - r.left);
    CHECK_EQ(kHeight, r.bottom - r.top);
    CHECK_EQ((GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2, r.left);
    CHECK_EQ((GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2, r.top);

    // A fixed-size dialog-like window that can be minimised but not resized.
    const StyleBit styles[] = {
        {"WS_CAPTION", WS_CAPTION, true},         {"WS_SYSMENU", WS_SYSMENU, true},
        {"WS_MINIMIZEBOX", WS_MINIMIZEBOX, true}, {"WS_CLIPCHILDREN", WS_CLIPCHILDREN, true},
        {"WS_THICKFRAME", WS_THICKFRAME, false},  {"WS_MAXIMIZEBOX", WS_MAXIMIZEBOX, false},
        {"WS_CHILD", WS_CHILD, false},            {"WS_DISABLED", WS_DISABLED, false},
    };
    CheckBits(DWORD(GetWindowLongA(main, GWL_STYLE)), styles);

    // A task-bar button needs an unowned window that is no tool window.
    const StyleBit exStyles[] = {
        {"WS_EX_TOOLWINDOW", WS_EX_TOOLWINDOW, false},
        {"WS_EX_TOPMOST", WS_EX_TOPMOST, false},
    };
    CheckBits(DWORD(GetWindowLongA(main, GWL_EXSTYLE)), exStyles);
    CHECK(GetWindow(main, GW_OWNER) == nullptr);

    for (WPARAM which : {WPARAM(ICON_BIG), WPARAM(ICON_SMALL)}) {
        check::Context row(which == ICON_BIG ? "ICON_BIG" : "ICON_SMALL");
        LRESULT icon = 0;
        CHECK(AskInProcess(main, WM_GETICON, which, &icon));
        CHECK(icon != 0);
    }
}

SCENARIO(minimise_and_restore_repaints_the_window, "online") {
    Quorvan app;
    HWND main = app.StartInForeground();
    const std::string before = ClientAreaBmp(main);
    const int focusBefore = app.FocusedId();

    PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    REQUIRE(WaitUntil(kUiTimeoutMs, [&] { return IsIconic(main) != FALSE; }));
    PostMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0);
    REQUIRE(WaitUntil(kUiTimeoutMs, [&] { return !IsIconic(main) && IsWindowVisible(main); }));

    // Restoring repaints the whole window, each control over the group box.
    CheckControlsLookTheSame(main, before, ClientAreaBmp(main), focusBefore);
}

SCENARIO(full_repaint_keeps_the_check_boxes_over_the_group_box, "online") {
    Quorvan app;
    HWND main = app.StartInForeground();
    const std::string before = ClientAreaBmp(main);
    const int focusBefore = app.FocusedId();

    // Everything invalidated and erased at once: the group box beneath the
    // check boxes must not paint over them, whatever order the paints come in.
    REQUIRE(RedrawWindow(main, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW) != FALSE);
    REQUIRE(app.Answers(kUiTimeoutMs));

    CheckControlsLookTheSame(main, before, ClientAreaBmp(main), focusBefore);
}

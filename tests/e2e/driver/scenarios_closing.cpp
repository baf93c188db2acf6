// Every way a user closes the window ends the program with exit code 0.
#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/input.h"
#include "tests/e2e/driver/quorvan.h"
#include "tests/e2e/driver/scenario.h"
#include "tests/e2e/driver/wait.h"

#include <algorithm>

namespace {

constexpr int kRepairButton = 1011;
constexpr int kDhcpCheckBox = 1013;

bool IsCheckBox(int id) { return (id >= 1007 && id <= 1010) || id == 1012 || id == 1013; }

void TabToCheckBoxThenEsc(const Quorvan& app, HWND) {
    PressKey(VK_TAB);
    REQUIRE(WaitUntil(kUiTimeoutMs, [&] { return IsCheckBox(app.FocusedId()); }));
    PressKey(VK_ESCAPE);
}

void ClickCheckBoxThenEsc(const Quorvan& app, HWND main) {
    ClickCentre(GetDlgItem(main, kDhcpCheckBox));
    REQUIRE(WaitUntil(kUiTimeoutMs, [&] { return app.FocusedId() == kDhcpCheckBox; }));
    PressKey(VK_ESCAPE);
}

void AltF4(const Quorvan&, HWND) { PressKeys({VK_MENU, VK_F4}); }

void PostClose(const Quorvan&, HWND main) { PostMessageA(main, WM_CLOSE, 0, 0); }

// Finds the close box by asking the window what each point near the right
// end of its caption is, then clicks the middle of it.
void ClickCloseBox(const Quorvan&, HWND main) {
    RECT r{};
    GetWindowRect(main, &r);
    RECT box{r.right, r.bottom, r.left, r.top};
    for (int y = r.top; y < r.top + 40; ++y) {
        for (int x = r.right - 1; x > r.right - 60; --x) {
            DWORD_PTR hit = 0;
            SendMessageTimeoutA(main, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_NORMAL, 2000, &hit);
            if (hit != HTCLOSE) continue;
            box.left = std::min(box.left, LONG(x));
            box.right = std::max(box.right, LONG(x));
            box.top = std::min(box.top, LONG(y));
            box.bottom = std::max(box.bottom, LONG(y));
        }
    }
    REQUIRE(box.left <= box.right);
    ClickAt((box.left + box.right) / 2, (box.top + box.bottom) / 2);
}

struct CloseWay {
    const char* name;
    void (*close)(const Quorvan& app, HWND main);
};

}  // namespace

SCENARIO(every_way_of_closing_exits_with_code_0, "online") {
    const CloseWay ways[] = {
        {"Tab to a check box, Esc", TabToCheckBoxThenEsc},
        {"click a check box, Esc", ClickCheckBoxThenEsc},
        {"Alt+F4", AltF4},
        {"WM_CLOSE", PostClose},
        {"close box", ClickCloseBox},
    };
    for (const CloseWay& way : ways) {
        check::Context row(way.name);
        Quorvan app;
        HWND main = app.StartInForeground();
        REQUIRE(WaitUntil(kUiTimeoutMs, [&] { return app.FocusedId() == kRepairButton; }));
        way.close(app, main);
        DWORD code = 0xDEAD;
        CHECK(app.WaitForExit(kUiTimeoutMs, &code));
        CHECK_EQ(DWORD(0), code);
    }
}

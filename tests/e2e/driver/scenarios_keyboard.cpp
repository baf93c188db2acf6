// Keyboard use of the main window: where the focus starts, where Tab takes
// it, and that Enter on the Repair button does nothing.
#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/input.h"
#include "tests/e2e/driver/msgbox.h"
#include "tests/e2e/driver/prefix.h"
#include "tests/e2e/driver/quorvan.h"
#include "tests/e2e/driver/scenario.h"
#include "tests/e2e/driver/wait.h"

#include <algorithm>

namespace {

constexpr int kRepairButton = 1011;
// The six check boxes and the Repair button; labels and the group box never
// take the focus.
const std::vector<int> kTabStops = {1007, 1008, 1009, 1010, 1011, 1012, 1013};
// "Nothing happens" is watched for this long.
constexpr DWORD kQuietMs = 1500;

// Presses the keys and waits for the focus to leave the control it was on.
int FocusAfter(const Quorvan& app, std::initializer_list<WORD> keys) {
    const int before = app.FocusedId();
    PressKeys(keys);
    WaitUntil(kUiTimeoutMs, [&] { return app.FocusedId() != before; });
    return app.FocusedId();
}

}  // namespace

SCENARIO(focus_starts_on_repair_and_tab_cycles_the_inputs, "online") {
    Quorvan app;
    app.StartInForeground();
    REQUIRE(WaitUntil(kUiTimeoutMs, [&] { return app.FocusedId() == kRepairButton; }));

    std::vector<int> forward;
    for (size_t i = 0; i < kTabStops.size(); ++i) forward.push_back(FocusAfter(app, {VK_TAB}));
    CHECK_EQ(kRepairButton, forward.back());  // a full round
    std::vector<int> visited = forward;
    std::sort(visited.begin(), visited.end());
    CHECK_EQ(kTabStops, visited);

    std::vector<int> backward;
    for (size_t i = 0; i < kTabStops.size(); ++i)
        backward.push_back(FocusAfter(app, {VK_SHIFT, VK_TAB}));
    // Shift+Tab walks the same ring the other way.
    std::vector<int> expected(forward.rbegin() + 1, forward.rend());
    expected.push_back(kRepairButton);
    CHECK_EQ(expected, backward);
}

SCENARIO(enter_on_repair_button_does_nothing, "online") {
    Quorvan app;
    HWND main = app.StartInForeground();
    REQUIRE(WaitUntil(kUiTimeoutMs, [&] { return app.FocusedId() == kRepairButton; }));

    PressKey(VK_RETURN);
    CHECK(WaitForMessageBox(app.Pid(), kQuietMs) == nullptr);
    CHECK(app.Running());
    CHECK(IsWindowVisible(main));
    CHECK(IsWindowEnabled(main));
    CHECK_EQ(kRepairButton, app.FocusedId());
    // No repair ran: none of the system tools was started.
    CHECK_EQ(std::string(), CommandLog());
}

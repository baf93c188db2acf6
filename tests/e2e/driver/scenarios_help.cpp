// The "帮助" label: a task-modal message box with the help text.
#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/input.h"
#include "tests/e2e/driver/msgbox.h"
#include "tests/e2e/driver/quorvan.h"
#include "tests/e2e/driver/scenario.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/ui.h"
#include "tests/e2e/driver/wait.h"

namespace {
constexpr int kHelpLabel = 1002;
}

SCENARIO(help_label_shows_task_modal_box, "online") {
    Quorvan app;
    REQUIRE(app.Start());
    HWND main = app.WaitForMainWindow(kStartTimeoutMs);
    REQUIRE(main != nullptr);
    HWND label = GetDlgItem(main, kHelpLabel);
    REQUIRE(label != nullptr);
    CHECK_EQ(std::string("帮助"), TextOf(label));

    const std::string pictureBefore = ClientAreaBmp(main);
    const int focusBefore = app.FocusedId();

    // The label acts on the press itself; the release comes after the box is up.
    PressLeftAt(label);
    HWND box = WaitForMessageBox(app.Pid(), kUiTimeoutMs);
    ReleaseLeft();
    REQUIRE(box != nullptr);
    CHECK_EQ(size_t(1), MessageBoxesOf(app.Pid()).size());

    const MessageBoxInfo info = DescribeMessageBox(box);
    CHECK_EQ(std::string("帮助"), info.caption);
    CHECK_EQ(std::string("如果1,2,3,项已全部开启,但还不能成功连接互联网，请执行4,5项,执行完毕后重启电脑。"
                         "如果仍然不能连接到互联网,请执行最后一项,之后重启电脑。"),
             info.text);
    CHECK_EQ(std::vector<int>{IDOK}, info.buttons);
    // Task-modal: no owner, and the program's windows are disabled meanwhile.
    CHECK(info.owner == nullptr);
    CHECK(!IsWindowEnabled(main));

    REQUIRE(PressMessageBoxButton(box, IDOK));
    CHECK(WaitUntil(kUiTimeoutMs, [&] { return !IsWindow(box) || !IsWindowVisible(box); }));
    CHECK(WaitUntil(kUiTimeoutMs, [&] { return IsWindowEnabled(main) != FALSE; }));
    CHECK(app.Running());
    CHECK(IsWindowVisible(main));
    // The control that had the focus before the box has it again afterwards.
    CHECK(WaitUntil(kUiTimeoutMs, [&] { return app.FocusedId() == focusBefore; }));
    CHECK_EQ(focusBefore, app.FocusedId());
    // Where the box was, the window must paint itself again as it was. The
    // control that had the focus may now show or hide its focus cue, so it
    // is left out.
    CheckControlsLookTheSame(main, pictureBefore, ClientAreaBmp(main), focusBefore);
}

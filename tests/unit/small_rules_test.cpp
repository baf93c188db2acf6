#include <gtest/gtest.h>

#include "app/admin_check.h"
#include "app/keyboard.h"
#include "app/message_result.h"
#include "app/system_folder.h"
#include "repair/windows_folder.h"

namespace {

TEST(MessageResultFromBoxId, MapsEveryButtonAndFailureToOk)
{
    const struct {
        int boxId;
        MessageResult result;
    } cases[] = {
        {1, MessageResult::Ok},     {2, MessageResult::Cancel}, {3, MessageResult::Abort},
        {4, MessageResult::Retry},  {5, MessageResult::Ignore}, {6, MessageResult::Yes},
        {7, MessageResult::No},     {0, MessageResult::Ok},     {8, MessageResult::Ok},
        {-1, MessageResult::Ok},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MessageResultFromBoxId(c.boxId), c.result) << c.boxId;
    EXPECT_EQ(static_cast<int>(MessageResult::Yes), 5);
    EXPECT_EQ(static_cast<int>(MessageResult::No), 6);
}

TEST(MainWindowKeyAction, EscClosesEnterDoesNothingTabMoves)
{
    EXPECT_EQ(MainWindowKeyAction(0x1B, false), KeyAction::CloseWindow);
    EXPECT_EQ(MainWindowKeyAction(0x1B, true), KeyAction::CloseWindow);
    EXPECT_EQ(MainWindowKeyAction(0x0D, false), KeyAction::Ignore);
    EXPECT_EQ(MainWindowKeyAction(0x09, false), KeyAction::FocusNext);
    EXPECT_EQ(MainWindowKeyAction(0x09, true), KeyAction::FocusPrevious);
    EXPECT_EQ(MainWindowKeyAction(0x20, false), KeyAction::PassOn) << "Space still ticks a box";
    EXPECT_EQ(MainWindowKeyAction(0x73, false), KeyAction::PassOn) << "F4 (Alt+F4) is the system's";
}

TEST(SystemFolderFromPath, AppendsExactlyOneBackslash)
{
    EXPECT_EQ(SystemFolderFromPath("C:\\WINDOWS\\system32"), "C:\\WINDOWS\\system32\\");
    EXPECT_EQ(SystemFolderFromPath("C:\\"), "C:\\\\") << "appended even after a backslash";
    EXPECT_EQ(SystemFolderFromPath(""), "");
}

TEST(NtdllPath, LoadsFromTheSystemFolderOrByBareName)
{
    EXPECT_EQ(NtdllPath("C:\\WINDOWS\\system32\\"), "C:\\WINDOWS\\system32\\ntdll.dll");
    EXPECT_EQ(NtdllPath(""), "ntdll.dll");
    EXPECT_TRUE(PrivilegeStatusMeansAdministrator(0));
    EXPECT_FALSE(PrivilegeStatusMeansAdministrator(static_cast<long>(0xC0000061)));  // privilege not held
}

TEST(WindowsFolderFromReport, AppendsBackslashOrGivesEmptyOnFailure)
{
    const char buffer[] = "C:\\WINDOWS";
    EXPECT_EQ(WindowsFolderFromReport(buffer, 10), "C:\\WINDOWS\\");
    EXPECT_EQ(WindowsFolderFromReport("C:\\", 3), "C:\\\\");
    EXPECT_EQ(WindowsFolderFromReport(buffer, 0), "") << "the call failed";
    EXPECT_EQ(WindowsFolderFromReport(buffer, 256), "") << "the path needs a bigger buffer";
    EXPECT_EQ(WindowsFolderFromReport(buffer, 300), "");
}

}  // namespace

#pragma once
#include <functional>

#include "app/window_operations.h"
#include "repair/command_runner.h"
#include "repair/echo_test.h"

// What the sequence works with besides the window; tests substitute each.
struct RepairTools {
    CommandRunner run;
    EchoTester echo;
    // Writes the stock hosts file below the system folder; false on failure.
    std::function<bool(const Text& systemFolder)> restoreHostsFile;
    std::function<Text()> windowsFolder;
    // True once the main window is gone. The window can close while the run
    // waits for a command or an echo; what is left of the run then does
    // nothing: no command, no echo, no message box.
    std::function<bool()> windowGone;
};

// Where the TCP/IP reset writes its log: the root of the Windows folder's
// drive, or ":\resetlog.txt" alone when the folder names no drive.
Text ResetLogPath(const Text& windowsFolder);

// Carries out the ticked repair items in their fixed order, after asking
// whether to go on when the computer is online. A call made while a run is
// under way (a press of Repair dispatched while the run waits for a command)
// does nothing.
void RepairSequence(WindowOperations& window, const RepairTools& tools);

// What the Repair button does, on the live window.
void RepairSequence();

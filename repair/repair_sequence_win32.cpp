#include "repair/repair_sequence.h"

#include "app/main_window.h"
#include "app/main_window_operations.h"
#include "repair/hosts_file.h"
#include "repair/runner.h"
#include "repair/windows_folder.h"

void RepairSequence()
{
    MainWindowOperations window;
    RepairTools tools;
    tools.run = RunCaptured;
    // The main window's thread: its messages are dispatched while it waits.
    tools.echo = EchoTestWhileDispatching;
    tools.restoreHostsFile = [](const Text& systemFolder) { return RestoreHostsFile(systemFolder); };
    tools.windowsFolder = WindowsFolder;
    tools.windowGone = [] { return MainWindowHandle() == nullptr; };
    RepairSequence(window, tools);
}

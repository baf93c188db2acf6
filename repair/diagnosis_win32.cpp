#include "repair/diagnosis.h"

#include "app/main_window_operations.h"
#include "repair/runner.h"

void StartupDiagnosis()
{
    // Once the user has closed the window, every update here acts on nothing
    // and the process ends without waiting for this thread.
    MainWindowOperations window;
    StartupDiagnosis(window, RunCaptured, [](const Text& host) { return EchoTest(host); });
}

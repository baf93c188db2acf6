#include "repair/status_line.h"

#include <windows.h>

#include "app/main_thread.h"
#include "app/main_window_operations.h"

namespace {

// Set from a tick until its probe's result has been shown. Without a
// destructor, like everything a probe thread may touch at process end.
std::atomic<bool> gProbeInFlight{false};

void ShowLiveProbeResult(std::intptr_t echoResult)
{
    MainWindowOperations window;
    ShowProbeResult(gProbeInFlight, window, static_cast<int>(echoResult));
}

DWORD WINAPI ProbeThread(LPVOID)
{
    const int result = EchoTest(ProbeHost);
    // Dropped when the window is gone; no later tick will come then.
    if (!PostToMainThread(ShowLiveProbeResult, result))
        gProbeInFlight = false;
    return 0;
}

bool StartProbeThread()
{
    const HANDLE thread = CreateThread(nullptr, 0, ProbeThread, nullptr, 0, nullptr);
    if (thread == nullptr)
        return false;
    CloseHandle(thread);
    return true;
}

}  // namespace

bool UpdateStatusLine()
{
    // The window is still hidden and stays so until the probe is done, but
    // its thread keeps taking messages meanwhile: a thread that takes none
    // for the whole timeout holds up every program that broadcasts to all
    // top-level windows, and counts as hung when its window appears.
    MainWindowOperations window;
    return UpdateStatusLine(window, EchoTestWhileDispatching);
}

void OnStatusTimerTick()
{
    // A probe of a host that never answers takes its full timeout; the
    // window must go on answering meanwhile.
    OnStatusTimerTick(gProbeInFlight, StartProbeThread);
}

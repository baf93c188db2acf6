#include "repair/echo_test.h"

#include <windows.h>

#include <atomic>

#include "app/main_window.h"
#include "app/message_pump.h"
#include "app/scoped_handle.h"

namespace {

// Shared by the waiting thread and the helper; the last of the two to let
// go frees it, so a wait given up when the window closes leaves the helper
// nothing dangling.
struct EchoJob {
    explicit EchoJob(const Text& host) : host(host) {}
    const Text host;
    std::atomic<int> result{NoAnswer};
    std::atomic<int> holders{2};
};

void LetGo(EchoJob* job)
{
    if (--job->holders == 0)
        delete job;
}

DWORD WINAPI EchoJobThread(LPVOID parameter)
{
    EchoJob* job = static_cast<EchoJob*>(parameter);
    job->result = EchoTest(job->host);
    LetGo(job);
    return 0;
}

}  // namespace

int EchoTestWhileDispatching(const Text& host)
{
    EchoJob* job = new EchoJob(host);
    ScopedHandle thread(CreateThread(nullptr, 0, EchoJobThread, job, 0, nullptr));
    if (!thread) {
        delete job;
        return EchoTest(host);
    }
    HANDLE waitFor = thread.Get();
    int result = NoAnswer;
    // Waits as the command runner does: the window keeps answering while a
    // host that never replies takes its full timeout.
    for (;;) {
        if (MsgWaitForMultipleObjects(1, &waitFor, FALSE, 10, QS_ALLINPUT) == WAIT_OBJECT_0) {
            result = job->result;
            break;
        }
        // Closed meanwhile: nobody is left to tell, and only the quit
        // message, which must stay queued, is left to dispatch.
        if (MainWindowHandle() == nullptr)
            break;
        DispatchPendingMessages();
    }
    LetGo(job);
    return result;
}

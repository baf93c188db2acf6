#include "repair/runner.h"

#include <vector>

#include "app/main_window.h"
#include "app/message_pump.h"
#include "app/scoped_handle.h"
#include "app/system_folder.h"
#include "repair/windows_folder.h"

namespace {

class PipeOfProcess : public CommandPipe {
public:
    PipeOfProcess(HANDLE readEnd, HANDLE process) : readEnd_(readEnd), process_(process) {}

    unsigned long BytesAvailable() override
    {
        DWORD available = 0;
        if (!PeekNamedPipe(readEnd_, nullptr, 0, nullptr, &available, nullptr))
            return 0;
        return available;
    }

    Text Read(unsigned long maxBytes) override
    {
        std::vector<char> buffer(maxBytes);
        DWORD read = 0;
        if (!ReadFile(readEnd_, buffer.data(), maxBytes, &read, nullptr))
            return Text();
        return Text(buffer.data(), read);
    }

    bool StillRunning() override
    {
        DWORD exitCode = 0;
        return GetExitCodeProcess(process_, &exitCode) && exitCode == STILL_ACTIVE;
    }

    void WaitForActivity() override
    {
        // Sleeping here instead of polling at once leaves the processor to
        // the very command being waited for. Once the window is gone only
        // the quit message is left in the queue, and it would end every
        // wait at once: wait for the command alone then.
        if (MainWindowHandle() == nullptr)
            WaitForSingleObject(process_, 10);
        else
            MsgWaitForMultipleObjects(1, &process_, FALSE, 10, QS_ALLINPUT);
    }

    void DispatchMessages() override { DispatchPendingMessages(); }

private:
    HANDLE readEnd_;
    HANDLE process_;
};

bool RunningOnWindowsNt()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

const char* OrNull(const Text& text)
{
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace

Text RunCaptured(const Text& commandLine)
{
    if (commandLine.empty())
        return Text();

    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    ScopedHandle readEnd, writeEnd;
    if (!CreatePipe(readEnd.Receive(), writeEnd.Receive(), &inheritable, 0)) {
        readEnd.Close();
        writeEnd.Close();
    }

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = writeEnd.Get();

    const InterpreterLaunch launch =
        PlanInterpreterLaunch(RunningOnWindowsNt(), SystemFolder(), WindowsFolder(), commandLine);
    std::vector<char> fullCommandLine(launch.commandLine.begin(), launch.commandLine.end());
    fullCommandLine.push_back('\0');

    PROCESS_INFORMATION started = {};
    // CREATE_NO_WINDOW as well as SW_HIDE: newer terminals ignore SW_HIDE
    // for the consoles handed to them.
    const BOOL ok = CreateProcessA(OrNull(launch.applicationName), fullCommandLine.data(), nullptr, nullptr,
                                   TRUE, CREATE_NO_WINDOW, nullptr, OrNull(launch.currentDirectory), &startup,
                                   &started);
    // From here on only the command holds a write end, so the pipe drains
    // once the command and whatever it started have ended.
    writeEnd.Close();
    if (!ok)
        return Text();
    ScopedHandle process(started.hProcess), thread(started.hThread);
    // Without a pipe every poll finds nothing and the loop just waits, still
    // dispatching, until the command has ended.
    PipeOfProcess pipe(readEnd.Get(), process.Get());
    return CollectOutput(pipe);
}

#include "repair/browser_repair.h"

#include <windows.h>

#include <list>

#include "app/main_window_operations.h"
#include "app/scoped_handle.h"
#include "app/system_folder.h"
#include "repair/temp_folder.h"

namespace {

constexpr DWORD InputIdleWaitMs = 1000;

class LiveBrowserRepair : public BrowserRepairPlatform {
public:
    MessageResult AskYesNo(const Text& text, const Text& caption) override { return ::AskYesNo(text, caption); }
    Text TempFolder() override { return ::TempFolder(); }
    Text SystemFolder() override { return ::SystemFolder(); }

    Text ProgramDirectory() override
    {
        char buffer[MAX_PATH] = {};
        const DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
        return length > 0 && length < MAX_PATH ? Text(buffer, length) : Text();
    }

    bool WriteWholeFile(const Text& path, const Text& bytes) override
    {
        const HANDLE file =
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        DWORD written = 0;
        const bool wrote = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                           written == bytes.size();
        // Closing can be where a full disk shows.
        const bool closed = CloseHandle(file) != FALSE;
        return wrote && closed;
    }

    bool StartScript(const ScriptLaunch& launch) override
    {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process = {};
        Text commandLine = launch.commandLine;  // CreateProcessA may write into it
        if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                            launch.currentDirectory.empty() ? nullptr : launch.currentDirectory.c_str(), &startup,
                            &process))
            return false;
        const ScopedHandle thread(process.hThread);
        scripts_.emplace_back(process.hProcess);
        WaitForInputIdle(process.hProcess, InputIdleWaitMs);
        return true;
    }

    bool AnyScriptRunning() override
    {
        for (const ScopedHandle& script : scripts_) {
            if (WaitForSingleObject(script.Get(), 0) == WAIT_TIMEOUT)
                return true;
        }
        return false;
    }

    void ForgetScripts() override { scripts_.clear(); }

    void RemoveFile(const Text& path) override { DeleteFileA(path.c_str()); }

private:
    // The process of every script started in this run, until the main window
    // goes; a list, as a ScopedHandle cannot be moved.
    std::list<ScopedHandle> scripts_;
};

LiveBrowserRepair gBrowserRepair;

}  // namespace

void RepairBrowser()
{
    RepairBrowserWith(gBrowserRepair);
}

void RemoveBrowserScript()
{
    RemoveBrowserScriptWith(gBrowserRepair);
}

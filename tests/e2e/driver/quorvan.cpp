#include "tests/e2e/driver/quorvan.h"

#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/input.h"
#include "tests/e2e/driver/scenario.h"
#include "tests/e2e/driver/ui.h"
#include "tests/e2e/driver/wait.h"

namespace {

struct FindArgs {
    DWORD pid;
    const char* className;
    HWND found;
};

BOOL CALLBACK FindProc(HWND hwnd, LPARAM lp) {
    auto* args = reinterpret_cast<FindArgs*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != args->pid || !IsWindowVisible(hwnd)) return TRUE;
    char cls[64] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    if (args->className && lstrcmpA(cls, args->className) != 0) return TRUE;
    args->found = hwnd;
    return FALSE;
}

}  // namespace

HWND FindTopLevel(DWORD pid, const char* className) {
    FindArgs args{pid, className, nullptr};
    EnumWindows(FindProc, reinterpret_cast<LPARAM>(&args));
    return args.found;
}

Quorvan::~Quorvan() {
    if (!pi_.hProcess) return;
    if (Running()) {
        TerminateProcess(pi_.hProcess, 1);
        WaitForSingleObject(pi_.hProcess, 5000);
    }
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
}

bool Quorvan::Start() {
    std::string exe = QuorvanPath();
    std::string dir = exe.substr(0, exe.find_last_of('\\'));
    std::string cmd = "\"" + exe + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    return CreateProcessA(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr,
                          dir.c_str(), &si, &pi_) != FALSE;
}

HWND Quorvan::WaitForMainWindow(DWORD timeoutMs) {
    WaitUntil(timeoutMs, [&] {
        main_ = FindTopLevel(Pid(), "QuorvanMainWindow");
        return main_ != nullptr || !Running();
    });
    return main_;
}

DWORD Quorvan::GuiThread() const {
    return main_ ? GetWindowThreadProcessId(main_, nullptr) : 0;
}

int Quorvan::FocusedId() const {
    HWND focus = FocusOf(GuiThread());
    return focus ? GetDlgCtrlID(focus) : 0;
}

HWND Quorvan::StartInForeground() {
    REQUIRE(Start());
    REQUIRE(WaitForMainWindow(kStartTimeoutMs) != nullptr);
    REQUIRE(MakeForeground(main_));
    return main_;
}

bool Quorvan::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
    if (WaitForSingleObject(pi_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    DWORD code = 0;
    GetExitCodeProcess(pi_.hProcess, &code);
    if (exitCode) *exitCode = code;
    return true;
}

bool Quorvan::Running() const {
    return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Quorvan::Answers(DWORD withinMs) const {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, withinMs, &result) != 0;
}

#include "tests/e2e/driver/inprocess.h"

#include "tests/e2e/driver/wait.h"

#include <string>

namespace {

HMODULE ProbeModule() {
    static HMODULE module = [] {
        char path[MAX_PATH];
        std::string dir(path, GetModuleFileNameA(nullptr, path, sizeof path));
        dir.resize(dir.find_last_of('\\') + 1);
        return LoadLibraryA((dir + "qprobe.dll").c_str());
    }();
    return module;
}

// Hooks the window's thread for the length of one sent request, then waits
// for the answer.
bool CallProbe(HWND hwnd, const char* request, WPARAM wParam, DWORD timeoutMs, LRESULT* answer) {
    static LPARAM serial = 0;
    HMODULE module = ProbeModule();
    FARPROC hookProc = module ? GetProcAddress(module, "ProbeHook") : nullptr;
    if (!hookProc) return false;
    const DWORD thread = GetWindowThreadProcessId(hwnd, nullptr);
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(hookProc)), module,
                                   thread);
    if (!hook) return false;
    const LPARAM mine = ++serial;
    DWORD_PTR unused = 0;
    const bool sent = SendMessageTimeoutA(hwnd, RegisterWindowMessageA(request), wParam, mine, SMTO_NORMAL,
                                          5000, &unused) != 0;
    UnhookWindowsHookEx(hook);
    if (!sent || !WaitUntil(timeoutMs, [&] {
            return GetPropA(hwnd, "QuorvanE2EProbeSerial") == reinterpret_cast<HANDLE>(mine);
        }, 50))
        return false;
    *answer = reinterpret_cast<LRESULT>(GetPropA(hwnd, "QuorvanE2EProbeAnswer"));
    return true;
}

}  // namespace

bool AskInProcess(HWND hwnd, UINT message, WPARAM wParam, LRESULT* answer) {
    return CallProbe(hwnd, "QuorvanE2EProbe", WPARAM(message) << 16 | (wParam & 0xFFFF), 0, answer);
}

bool RepaintInProcess(HWND hwnd, int times, int* painted) {
    LRESULT answer = 0;
    if (!CallProbe(hwnd, "QuorvanE2ERepaint", WPARAM(times), 150000, &answer)) return false;
    *painted = int(answer);
    return true;
}

#include "tests/e2e/driver/inprocess.h"

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

}  // namespace

bool AskInProcess(HWND hwnd, UINT message, WPARAM wParam, LRESULT* answer) {
    static LPARAM serial = 0;
    HMODULE module = ProbeModule();
    FARPROC hookProc = module ? GetProcAddress(module, "ProbeHook") : nullptr;
    if (!hookProc) return false;
    const DWORD thread = GetWindowThreadProcessId(hwnd, nullptr);
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(hookProc)), module,
                                   thread);
    if (!hook) return false;
    const UINT probe = RegisterWindowMessageA("QuorvanE2EProbe");
    const LPARAM mine = ++serial;
    DWORD_PTR unused = 0;
    const bool sent = SendMessageTimeoutA(hwnd, probe, WPARAM(message) << 16 | (wParam & 0xFFFF),
                                          mine, SMTO_NORMAL, 5000, &unused) != 0;
    UnhookWindowsHookEx(hook);
    if (!sent || GetPropA(hwnd, "QuorvanE2EProbeSerial") != reinterpret_cast<HANDLE>(mine))
        return false;
    *answer = reinterpret_cast<LRESULT>(GetPropA(hwnd, "QuorvanE2EProbeAnswer"));
    return true;
}

// qprobe.dll: works on a window from inside its own thread.  The driver
// hooks the program's GUI thread with ProbeHook and sends the window one of
// the registered messages below with a serial number in lParam; the answer
// is left in the window property "QuorvanE2EProbeAnswer", then the serial in
// "QuorvanE2EProbeSerial"; any process can read window properties.
//
// "QuorvanE2EProbe": a question Wine cannot carry between processes
// (WM_GETICON: "pack_message ... not supported yet"); wParam holds
// message << 16 | wParam, the answer is the window's, given at once.
//
// "QuorvanE2ERepaint": first leaves the process room for only
// kGdiObjectQuota more GDI objects (by holding the rest of Wine's handle
// table for good), then invalidates the window and has it paint, wParam
// times over; the answer is how many of those paints validated the window.
// The paints run from a timer on the window's thread once the driver has
// removed its hook: under a hook, every message the painting sends would
// pass through the hook chain as well.
#include <windows.h>

#include <vector>

namespace {

constexpr UINT_PTR kRepaintTimer = 0x51AE;
// Windows' default limit of GDI objects per process.  Wine's own table holds
// about 65,000 for the whole process, too many for a leak of one object
// per painting to run out within the scenario.
constexpr size_t kGdiObjectQuota = 10000;

struct RepaintJob {
    HWND hwnd;
    WPARAM times;
    LPARAM serial;
} job;

void Answer(HWND hwnd, LRESULT answer, LPARAM serial) {
    SetPropA(hwnd, "QuorvanE2EProbeAnswer", reinterpret_cast<HANDLE>(answer));
    SetPropA(hwnd, "QuorvanE2EProbeSerial", reinterpret_cast<HANDLE>(serial));
}

LRESULT Ask(HWND hwnd, WPARAM question) {
    return SendMessageA(hwnd, UINT(question >> 16), question & 0xFFFF, 0);
}

void LeaveRoomForQuotaOnly() {
    static std::vector<HGDIOBJ> held;
    if (!held.empty()) return;
    for (HGDIOBJ o; (o = CreateBitmap(1, 1, 1, 1, nullptr)) != nullptr;) held.push_back(o);
    for (size_t i = 0; i < kGdiObjectQuota && !held.empty(); ++i) {
        DeleteObject(held.back());
        held.pop_back();
    }
}

VOID CALLBACK Repaint(HWND hwnd, UINT, UINT_PTR timer, DWORD) {
    KillTimer(hwnd, timer);
    LeaveRoomForQuotaOnly();
    LRESULT painted = 0;
    for (WPARAM i = 0; i < job.times; ++i) {
        InvalidateRect(job.hwnd, nullptr, FALSE);
        SendMessageA(job.hwnd, WM_PAINT, 0, 0);
        if (!GetUpdateRect(job.hwnd, nullptr, FALSE)) ++painted;
    }
    Answer(job.hwnd, painted, job.serial);
}

void StartRepaint(HWND hwnd, WPARAM times, LPARAM serial) {
    // The timer must find this DLL loaded after the hook is gone.
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCSTR>(&Repaint), &self);
    job = {hwnd, times, serial};
    SetTimer(hwnd, kRepaintTimer, 0, Repaint);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeHook(int code, WPARAM wp, LPARAM lp) {
    static const UINT probe = RegisterWindowMessageA("QuorvanE2EProbe");
    static const UINT repaint = RegisterWindowMessageA("QuorvanE2ERepaint");
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && call && call->message == probe)
        Answer(call->hwnd, Ask(call->hwnd, call->wParam), call->lParam);
    if (code == HC_ACTION && call && call->message == repaint)
        StartRepaint(call->hwnd, call->wParam, call->lParam);
    return CallNextHookEx(nullptr, code, wp, lp);
}

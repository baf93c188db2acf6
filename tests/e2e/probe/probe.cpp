// qprobe.dll: asks a window a question from inside its own thread, for
// messages Wine cannot carry between processes (WM_GETICON: "pack_message
// ... not supported yet").  The driver hooks the program's GUI thread with
// ProbeHook and sends it the registered message "QuorvanE2EProbe" with the
// question (message << 16 | wParam) in wParam and a serial number in lParam;
// the hook asks the window directly and leaves the answer in the window
// property "QuorvanE2EProbeAnswer", then the serial in
// "QuorvanE2EProbeSerial"; any process can read window properties.
#include <windows.h>

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeHook(int code, WPARAM wp, LPARAM lp) {
    static const UINT probe = RegisterWindowMessageA("QuorvanE2EProbe");
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && call && call->message == probe) {
        const UINT message = UINT(call->wParam >> 16);
        const WPARAM param = call->wParam & 0xFFFF;
        const LRESULT answer = SendMessageA(call->hwnd, message, param, 0);
        SetPropA(call->hwnd, "QuorvanE2EProbeAnswer", reinterpret_cast<HANDLE>(answer));
        SetPropA(call->hwnd, "QuorvanE2EProbeSerial", reinterpret_cast<HANDLE>(call->lParam));
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

#include "tests/e2e/driver/input.h"

#include "tests/e2e/driver/wait.h"

#include <vector>

namespace {

INPUT Mouse(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = x;
    in.mi.dy = y;
    in.mi.dwFlags = flags;
    return in;
}

INPUT Key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = WORD(MapVirtualKeyA(vk, 0));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

void Send(std::vector<INPUT> inputs) {
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

void MovePointerTo(int x, int y) {
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    // Absolute coordinates scale the primary screen to 0..65535; rounding
    // up lands on the pixel itself, and SetCursorPos pins it exactly.
    Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (x * 65536 + cx - 1) / cx,
                (y * 65536 + cy - 1) / cy)});
    SetCursorPos(x, y);
}

void MovePointerTo(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MovePointerTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void PressLeft() { Send({Mouse(MOUSEEVENTF_LEFTDOWN)}); }

void PressLeftAt(HWND hwnd) {
    MovePointerTo(hwnd);
    PressLeft();
}

void ReleaseLeft() { Send({Mouse(MOUSEEVENTF_LEFTUP)}); }

void ClickCentre(HWND hwnd) {
    MovePointerTo(hwnd);
    Send({Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)});
}

void ClickAt(int x, int y) {
    MovePointerTo(x, y);
    Send({Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)});
}

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD k : keys) inputs.push_back(Key(k, false));
    for (auto it = keys.end(); it != keys.begin();) inputs.push_back(Key(*--it, true));
    Send(inputs);
}

bool MakeForeground(HWND hwnd) {
    SetForegroundWindow(hwnd);
    return WaitUntil(kUiTimeoutMs, [&] { return GetForegroundWindow() == hwnd; });
}

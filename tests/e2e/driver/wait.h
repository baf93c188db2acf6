// Bounded polling: every wait in the driver has a deadline, and returns as
// soon as its condition holds.
#pragma once

#include <windows.h>

template <class Condition>
bool WaitUntil(DWORD timeoutMs, Condition condition, DWORD pollMs = 10) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return condition();
        Sleep(pollMs);
    }
}

// Long enough for a loaded two-core machine, short when the program is fast.
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kUiTimeoutMs = 10000;

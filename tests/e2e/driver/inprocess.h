// Questions the driver cannot send across processes under Wine (its
// SendMessage cannot carry WM_GETICON to another process), asked from inside
// the window's own thread through qprobe.dll, which sits beside qdriver.exe.
#pragma once

#include <windows.h>

// Sends message(wParam, 0) to the window from its own thread; false when the
// probe could not be installed or got no answer within the time.
bool AskInProcess(HWND hwnd, UINT message, WPARAM wParam, LRESULT* answer);

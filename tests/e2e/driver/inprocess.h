// Work the driver cannot do across processes under Wine, done from inside
// the window's own thread through qprobe.dll, which sits beside qdriver.exe.
#pragma once

#include <windows.h>

// Sends message(wParam, 0) to the window from its own thread (its
// SendMessage cannot carry WM_GETICON to another process); false when the
// probe could not be installed or got no answer within the time.
bool AskInProcess(HWND hwnd, UINT message, WPARAM wParam, LRESULT* answer);
// Leaves the window's process room for only 10,000 more GDI objects, as
// Windows allows a process by default, for as long as it runs; then has the
// window repaint itself `times` times in a row.  *painted says how many of
// those paints the window handled (validated).
bool RepaintInProcess(HWND hwnd, int times, int* painted);

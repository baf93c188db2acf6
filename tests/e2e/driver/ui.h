// Reading another process's windows the way an accessibility tool would:
// class, text (WM_GETTEXT), position relative to the main window's client
// area, styles, check state, focus and properties.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct Control {
    HWND hwnd;
    int id;
    std::string className;
    std::string text;
    RECT rect;  // in the parent's client coordinates
    DWORD style;
    DWORD exStyle;
    bool visible;
};

std::string ClassOf(HWND hwnd);
std::string TextOf(HWND hwnd);
RECT ClientRectOf(HWND hwnd, HWND parent);
Control Describe(HWND hwnd, HWND parent);
// Direct children in z-order, topmost first.
std::vector<Control> ChildrenOf(HWND parent);
// BM_GETCHECK, or -1 when the control does not answer.
int CheckStateOf(HWND hwnd);
// The keyboard focus of a thread's message queue.
HWND FocusOf(DWORD thread);
HANDLE PropOf(HWND hwnd, const char* name);
// Visible top-level windows of a process with the given class, in z-order.
std::vector<HWND> VisibleTopLevelsOf(DWORD pid, const std::string& className);

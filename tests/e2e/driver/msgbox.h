// Message boxes shown by a process: top-level dialogs ("#32770") whose
// thread belongs to it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct MessageBoxInfo {
    HWND hwnd;
    std::string caption;
    std::string text;  // the static control 0xFFFF that MessageBox makes
    std::vector<int> buttons;  // IDOK, IDCANCEL, IDABORT .. IDNO present, in id order
    HWND owner;
};

MessageBoxInfo DescribeMessageBox(HWND box);
// Every visible message box of the process.
std::vector<HWND> MessageBoxesOf(DWORD pid);
// The first visible message box of the process, or nullptr after the deadline.
HWND WaitForMessageBox(DWORD pid, DWORD timeoutMs);
// Clicks a button of the box with the mouse; false when it has no such button.
bool PressMessageBoxButton(HWND box, int id);

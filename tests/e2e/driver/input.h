// Real input through SendInput, as a user's mouse and keyboard give it: the
// program sees the same message sequence (including focus changes and
// WM_LBUTTONDOWN on static-like controls) that a person produces.
#pragma once

#include <windows.h>

#include <initializer_list>

// Moves the pointer to a point in screen coordinates, or to the centre of a window.
void MovePointerTo(int x, int y);
void MovePointerTo(HWND hwnd);
// Moves the pointer to the centre of the window and presses the left button.
void ClickCentre(HWND hwnd);
// Clicks at a point in screen coordinates.
void ClickAt(int x, int y);
// Only the press, for controls that act on button-down.
void PressLeftAt(HWND hwnd);
void PressLeft();
void ReleaseLeft();
// Presses the keys in order and releases them in reverse: {VK_MENU, VK_F4}.
void PressKeys(std::initializer_list<WORD> keys);
inline void PressKey(WORD key) { PressKeys({key}); }
// Brings the window to the foreground so keyboard input reaches it.
bool MakeForeground(HWND hwnd);

#pragma once
#include <windows.h>

// The visual-style functions, bound from "UxTheme.dll" by name at their first
// use so the program also starts where visual styles are not installed. A missing
// library or function is fatal: an error box names both and the program ends
// with exit code -1.
typedef HANDLE ThemeHandle;
ThemeHandle OpenButtonTheme(HWND button);
void DrawButtonThemeBackground(ThemeHandle theme, HDC dc, int themeState, const RECT& rect);
void CloseButtonTheme(ThemeHandle theme);

#pragma once
#include <windows.h>

// Takes over every push button with an icon in the window tree, so the
// program paints it itself.
void SetUpIconButtons(HWND window);

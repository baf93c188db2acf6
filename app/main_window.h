#pragma once
#include <windows.h>
#include "app/layout.h"
#include "app/wiring.h"

// The one font of the process (12-pixel cell, "宋体"), made before the main
// window and never deleted; null when it could not be made.
extern HFONT DefaultFont;
void CreateDefaultFont();

// Creates the main window and its controls, all hidden; null on failure.
HWND CreateMainWindow(HINSTANCE instance);
void ShowShownControls();

// Null before the window exists and after it is gone, so late calls from the
// diagnosis thread act on nothing.
HWND MainWindowHandle();
HWND ControlHandle(Control control);

// Raises a control event through the wiring table.
void RaiseControlEvent(Control control, ControlEvent event);

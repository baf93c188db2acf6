#pragma once
#include <windows.h>

// The program's own label control: a one-line text on the button face, in
// the colour and with the pointer its look gives, reporting left presses.
extern const char* const LabelClassName;
bool RegisterLabelClass(HINSTANCE instance);

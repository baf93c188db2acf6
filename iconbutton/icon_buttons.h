#pragma once
#include <windows.h>

// Takes over every push button with an icon in the window tree, so the
// program paints it itself.
void SetUpIconButtons(HWND window);
// Takes over one button: once per button and once per parent, for the
// window's whole life.
void TakeOverButton(HWND button);

// The look of a taken-over button (see icon_button_look.h); storing it
// repaints the button, even when the look is unchanged.
int GetDrawState(HWND button);
void SetDrawState(HWND button, int drawState);

// Paints the whole button into `dc`, or into the button's own DC when `dc` is null.
void PaintIconButton(HWND button, HDC dc);

#pragma once
#include <windows.h>

// What the module keeps about a button and its parent lives in window
// properties, so any number of buttons under any number of parents need no
// other storage.
namespace icon_button_property {

// The button's previous procedure; non-zero marks the window as taken over.
const char* const ButtonProc = "ButtonIcon_Proc";
// The parent's previous procedure.
const char* const ParentProc = "ButtonIcon_ParentProc";
// Caption colours (COLORREF) for the enabled and the disabled looks.
const char* const TextColour1 = "ButtonIcon_TextColor1";
const char* const TextColour2 = "ButtonIcon_TextColor2";
const char* const DrawState = "Vornex_DrawState";

// A caption colour that means "the system's own".
const LONG_PTR SystemColour = -1;

inline LONG_PTR Read(HWND window, const char* name)
{
    return reinterpret_cast<LONG_PTR>(GetPropA(window, name));
}

inline void Write(HWND window, const char* name, LONG_PTR value)
{
    SetPropA(window, name, reinterpret_cast<HANDLE>(value));
}

}  // namespace icon_button_property

inline HICON IconOfButton(HWND button)
{
    return reinterpret_cast<HICON>(SendMessageA(button, BM_GETIMAGE, IMAGE_ICON, 0));
}

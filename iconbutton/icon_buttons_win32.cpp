#include "iconbutton/icon_buttons.h"

void SetUpIconButtons(HWND)
{
    // Until the program paints icon buttons itself, the system draws them.
}

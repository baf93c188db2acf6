#include <windows.h>

#include "app/main_window.h"
#include "app/message_pump.h"
#include "app/window_created.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    CreateDefaultFont();
    const HWND mainWindow = CreateMainWindow(instance);
    if (mainWindow == nullptr)
        return 1;
    ShowShownControls();
    OnWindowCreated();
    ShowWindow(mainWindow, SW_SHOW);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        HandleThreadMessage(message);
    return 0;
}

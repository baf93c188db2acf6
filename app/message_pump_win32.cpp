#include "app/message_pump.h"

#include "app/keyboard.h"
#include "app/main_window.h"

static bool HandleKey(const MSG& message)
{
    const HWND mainWindow = MainWindowHandle();
    if (mainWindow == nullptr || message.message != WM_KEYDOWN)
        return false;
    if (message.hwnd != mainWindow && !IsChild(mainWindow, message.hwnd))
        return false;
    const bool shiftDown = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    switch (MainWindowKeyAction(static_cast<unsigned>(message.wParam), shiftDown)) {
    case KeyAction::CloseWindow:
        SendMessageA(mainWindow, WM_CLOSE, 0, 0);
        return true;
    case KeyAction::Ignore:
        return true;
    case KeyAction::FocusNext:
    case KeyAction::FocusPrevious: {
        const BOOL previous = shiftDown ? TRUE : FALSE;
        const HWND next = GetNextDlgTabItem(mainWindow, GetFocus(), previous);
        if (next != nullptr)
            SetFocus(next);
        return true;
    }
    case KeyAction::PassOn:
        break;
    }
    return false;
}

void HandleThreadMessage(MSG& message)
{
    if (HandleKey(message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void DispatchPendingMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Put it back so the message loop still sees it and ends.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        HandleThreadMessage(message);
    }
}

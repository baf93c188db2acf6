#include "app/keyboard.h"

namespace {
constexpr unsigned KeyTab = 0x09;     // VK_TAB
constexpr unsigned KeyReturn = 0x0D;  // VK_RETURN
constexpr unsigned KeyEscape = 0x1B;  // VK_ESCAPE
}

KeyAction MainWindowKeyAction(unsigned virtualKey, bool shiftDown)
{
    switch (virtualKey) {
    case KeyEscape:
        return KeyAction::CloseWindow;
    case KeyReturn:
        // There is no default button: Enter must never start a repair.
        return KeyAction::Ignore;
    case KeyTab:
        return shiftDown ? KeyAction::FocusPrevious : KeyAction::FocusNext;
    default:
        return KeyAction::PassOn;
    }
}

#pragma once

// What the main window's message loop does with a key press, whichever
// control has the focus.
enum class KeyAction { PassOn, CloseWindow, Ignore, FocusNext, FocusPrevious };

KeyAction MainWindowKeyAction(unsigned virtualKey, bool shiftDown);

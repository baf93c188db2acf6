#pragma once
#include <windows.h>

// Handles one message exactly as the main message loop does: Esc closes the
// window, Enter does nothing, Tab and Shift+Tab move the focus.
void HandleThreadMessage(MSG& message);

// Handles every message queued for the calling thread. A WM_QUIT at the head
// of the queue stops it and stays queued for the message loop.
void DispatchPendingMessages();

#pragma once
#include <cstdint>

// Hands a value to a routine that runs on the main window's thread, between
// its other messages. Returns false, and the value is dropped, when there is
// no main window any more.
typedef void (*MainThreadTask)(std::intptr_t value);
bool PostToMainThread(MainThreadTask task, std::intptr_t value);

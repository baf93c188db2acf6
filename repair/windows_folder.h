#pragma once
#include "repair/text.h"

constexpr unsigned WindowsFolderBufferChars = 256;

// The Windows folder with one backslash always appended, from what
// GetWindowsDirectoryA wrote and returned; the empty text when the call
// failed or the path did not fit the buffer, never stray bytes.
Text WindowsFolderFromReport(const char* buffer, unsigned reportedLength);

// The live Windows folder.
Text WindowsFolder();

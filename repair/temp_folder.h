#pragma once
#include "repair/text.h"

// GetTempPathA is given a buffer of MAX_PATH characters.
constexpr unsigned TempPathBufferChars = 260;

// The temporary folder ending in exactly one backslash, from what
// GetTempPathA wrote and returned; the empty text when the call failed or
// the path did not fit the buffer.
Text TempFolderFromReport(const char* buffer, unsigned reportedLength);

// True when the last character of a GBK text is a backslash. The second byte
// of a two-byte character can be 0x5C too; that is no backslash.
bool EndsInBackslash(const Text& text);

// The live temporary folder, asked of the system on every call.
Text TempFolder();

#pragma once
#include "repair/text.h"

// The system folder with one backslash appended, from the path the shell
// reports; the empty text when it reported none.
Text SystemFolderFromPath(const Text& path);

// Where the administrator check loads ntdll.dll from: the system folder,
// or the bare name when the system folder is unknown.
Text NtdllPath(const Text& systemFolder);

// The live system folder, asked of the shell on every call.
Text SystemFolder();

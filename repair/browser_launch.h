#pragma once
#include "repair/text.h"

// How the browser repair script is started.
struct ScriptLaunch {
    // The script's path in double quotes: unquoted, a folder with a blank in
    // its path ("C:\Documents and Settings\...") makes the system try
    // "C:\Documents" and its siblings as programs first.
    Text commandLine;
    // The system folder, so the regsvr32 and reg the script calls are the
    // system's and not programs planted where Quorvan was started from;
    // empty (the program's own) only when nothing better is known.
    Text currentDirectory;
};

// scriptPath is where the script was written: a full path, or a bare name
// relative to the program's current directory (programDirectory, as
// GetCurrentDirectoryA gives it). The command line always names the script
// by its full path when it can, so the script is found from any directory.
ScriptLaunch PlanScriptLaunch(const Text& scriptPath, const Text& programDirectory, const Text& systemFolder);

// "C:\..." or "\\server\...".
bool IsFullPath(const Text& path);

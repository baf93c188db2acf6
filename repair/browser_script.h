#pragma once
#include "repair/text.h"

// The batch script that repairs Internet Explorer: re-registers the browser's
// components, resets its title, start and search pages and drops its
// extensions. 108 lines of ASCII, CR LF between lines and none after the
// last, for the command interpreter to run as it stands.
Text BrowserRepairScript();

// The two web addresses the script writes into the browser's settings.
extern const char* const SearchEngineAddress;
extern const char* const SearchAssistantAddress;

// "IE修复.bat", in GBK.
extern const char* const BrowserScriptFileName;

// Where the script is written: the temporary folder (ending in a backslash)
// followed by the file name; the bare name, relative to the program's
// current directory, when the temporary folder is unknown.
Text BrowserScriptPath(const Text& tempFolder);

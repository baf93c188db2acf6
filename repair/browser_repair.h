#pragma once
#include "app/message_result.h"
#include "repair/browser_launch.h"
#include "repair/text.h"

// Asks, writes the browser repair script to the temporary folder and starts
// it. Reports nothing: the script shows its own progress.
void RepairBrowser();

// Deletes the script file when the main window goes, unless a script started
// in this run still runs: the command interpreter reads a batch file line by
// line, and taking the file away under it would stop it half-way with the
// browser's registry half changed. A file left behind that way is removed at
// the next close. The scripts are let go either way; they are never stopped.
void RemoveBrowserScript();

// What the browser repair needs from the system. The live one acts on
// Windows; tests substitute a recording model.
class BrowserRepairPlatform {
public:
    virtual ~BrowserRepairPlatform() = default;
    virtual MessageResult AskYesNo(const Text& text, const Text& caption) = 0;
    virtual Text TempFolder() = 0;
    virtual Text ProgramDirectory() = 0;
    virtual Text SystemFolder() = 0;
    // Creates or truncates the file, unshared while it is open, and writes
    // all bytes; false when any step, the closing included, fails.
    virtual bool WriteWholeFile(const Text& path, const Text& bytes) = 0;
    // Starts the script, waits at most 1000 ms for it to be idle and keeps
    // hold of its process; false when it could not be started.
    virtual bool StartScript(const ScriptLaunch& launch) = 0;
    // Whether any script started in this run is still running.
    virtual bool AnyScriptRunning() = 0;
    // Lets go of every script started in this run.
    virtual void ForgetScripts() = 0;
    virtual void RemoveFile(const Text& path) = 0;
};

void RepairBrowserWith(BrowserRepairPlatform& platform);
void RemoveBrowserScriptWith(BrowserRepairPlatform& platform);

extern const char* const BrowserRepairQuestion;
extern const char* const BrowserRepairCaption;

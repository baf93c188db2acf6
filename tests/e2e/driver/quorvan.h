// The program under test as a child process of the driver.
#pragma once

#include <windows.h>

#include <string>

class Quorvan {
public:
    Quorvan() = default;
    ~Quorvan();  // ends the program if a scenario left it running
    Quorvan(const Quorvan&) = delete;
    Quorvan& operator=(const Quorvan&) = delete;

    // Starts QuorvanPath() in its own directory, as Explorer would.
    bool Start();
    // The visible main window (class "QuorvanMainWindow") of this process,
    // or nullptr after the deadline.
    HWND WaitForMainWindow(DWORD timeoutMs);
    HWND Main() const { return main_; }
    DWORD Pid() const { return pi_.dwProcessId; }
    // The thread that owns the main window.
    DWORD GuiThread() const;
    // The control id of the GUI thread's keyboard focus (0: none).
    int FocusedId() const;
    // Start(), WaitForMainWindow() and bringing it to the foreground so
    // keyboard input reaches it; REQUIREs each step.
    HWND StartInForeground();
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode);
    bool Running() const;
    // Whether the window's thread answers a message within the time.
    bool Answers(DWORD withinMs) const;

private:
    PROCESS_INFORMATION pi_{};
    HWND main_ = nullptr;
};

// Visible top-level windows of a process with the given class (nullptr: any).
HWND FindTopLevel(DWORD pid, const char* className);

#pragma once
#include "repair/text.h"

// Runs one command line through the command interpreter, its console hidden,
// and returns everything it wrote to standard output and standard error.
// Blocks until the process has ended, dispatching the calling thread's
// window messages meanwhile. Never fails: a failure shows as a shorter or
// empty text.
Text RunCaptured(const Text& commandLine);

// The running command as the output loop sees it.
class CommandPipe {
public:
    virtual ~CommandPipe() = default;
    // Bytes waiting in the pipe; 0 when the poll fails.
    virtual unsigned long BytesAvailable() = 0;
    // One read of at most maxBytes; the empty text when the read fails.
    virtual Text Read(unsigned long maxBytes) = 0;
    // False once the process has ended, or when its state cannot be read.
    virtual bool StillRunning() = 0;
    // Sleeps until a window message arrives, the process ends or 10 ms pass.
    virtual void WaitForActivity() = 0;
    virtual void DispatchMessages() = 0;
};

constexpr unsigned long ReadChunkBytes = 1023;

// Reads the command's output until the process has ended and the pipe is empty.
Text CollectOutput(CommandPipe& pipe);

// Appends a chunk as read from the pipe. Zero bytes are dropped, so what
// follows a stray zero byte is never lost and the result does not depend on
// where a read happened to split the output.
void AppendChunk(Text& output, const Text& chunk);

// How the interpreter is started: by its full path, in the system folder, so
// a netsh, sc or ipconfig planted beside the program is never found first.
struct InterpreterLaunch {
    Text applicationName;   // empty: let the system search for it
    Text commandLine;       // "cmd.exe /c " (or "command.com /c ") + the caller's line
    Text currentDirectory;  // empty: the program's own
};

InterpreterLaunch PlanInterpreterLaunch(bool windowsNt, const Text& systemFolder,
                                        const Text& windowsFolder, const Text& commandLine);

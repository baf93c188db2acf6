#include "repair/runner.h"

void AppendChunk(Text& output, const Text& chunk)
{
    for (char byte : chunk) {
        if (byte != '\0')
            output += byte;
    }
}

Text CollectOutput(CommandPipe& pipe)
{
    Text output;
    for (;;) {
        if (pipe.BytesAvailable() > 0) {
            const Text chunk = pipe.Read(ReadChunkBytes);
            if (!chunk.empty()) {
                AppendChunk(output, chunk);
                pipe.DispatchMessages();
                continue;
            }
        }
        if (!pipe.StillRunning()) {
            // A tool's last line can reach the pipe after the last empty poll
            // and before the exit is seen; read until the pipe is empty.
            while (pipe.BytesAvailable() > 0) {
                const Text chunk = pipe.Read(ReadChunkBytes);
                if (chunk.empty())
                    break;
                AppendChunk(output, chunk);
            }
            return output;
        }
        pipe.WaitForActivity();
        pipe.DispatchMessages();
    }
}

InterpreterLaunch PlanInterpreterLaunch(bool windowsNt, const Text& systemFolder,
                                        const Text& windowsFolder, const Text& commandLine)
{
    const Text interpreter = windowsNt ? "cmd.exe" : "command.com";
    InterpreterLaunch launch;
    launch.commandLine = interpreter + " /c " + commandLine;
    if (systemFolder.empty())
        return launch;
    // command.com lives in the Windows folder on the systems that use it.
    const Text& interpreterFolder = windowsNt ? systemFolder : windowsFolder;
    if (!interpreterFolder.empty())
        launch.applicationName = interpreterFolder + interpreter;
    launch.currentDirectory = systemFolder;
    return launch;
}

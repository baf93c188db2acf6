#include "repair/browser_launch.h"

#include "repair/temp_folder.h"

bool IsFullPath(const Text& path)
{
    const bool drive = path.size() >= 3 && path[1] == ':' && path[2] == '\\';
    const bool share = path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
    return drive || share;
}

ScriptLaunch PlanScriptLaunch(const Text& scriptPath, const Text& programDirectory, const Text& systemFolder)
{
    Text fullPath = scriptPath;
    if (!IsFullPath(scriptPath) && IsFullPath(programDirectory))
        fullPath = programDirectory + (EndsInBackslash(programDirectory) ? "" : "\\") + scriptPath;

    ScriptLaunch launch;
    launch.commandLine = "\"" + fullPath + "\"";
    // A script known only by a relative name must be looked for where it was written.
    if (IsFullPath(fullPath))
        launch.currentDirectory = systemFolder;
    return launch;
}

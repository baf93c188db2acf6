#include "repair/browser_repair.h"

#include "repair/browser_script.h"

const char* const BrowserRepairQuestion = "是否执行修复";
const char* const BrowserRepairCaption = "修复IE浏览器";

void RepairBrowserWith(BrowserRepairPlatform& platform)
{
    if (platform.AskYesNo(BrowserRepairQuestion, BrowserRepairCaption) != MessageResult::Yes)
        return;
    // The file that is written is the file that is started.
    const Text scriptPath = BrowserScriptPath(platform.TempFolder());
    if (!platform.WriteWholeFile(scriptPath, BrowserRepairScript()))
        return;
    const Text programDirectory = platform.ProgramDirectory();
    const Text systemFolder = platform.SystemFolder();
    platform.StartScript(PlanScriptLaunch(scriptPath, programDirectory, systemFolder));
}

void RemoveBrowserScriptWith(BrowserRepairPlatform& platform)
{
    if (!platform.AnyScriptRunning())
        platform.RemoveFile(BrowserScriptPath(platform.TempFolder()));
    platform.ForgetScripts();
}

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "repair/browser_launch.h"
#include "repair/browser_repair.h"
#include "repair/browser_script.h"

namespace {

const std::string Name = "IE\xD0\xDE\xB8\xB4.bat";  // "IE修复.bat" in GBK
const std::string Temp = "C:\\Documents and Settings\\li\\Local Settings\\Temp\\";
const std::string System = "C:\\WINDOWS\\system32\\";
const std::string ProgramFolder = "C:\\Program Files\\Quorvan";

// The system as the browser repair sees it. Every call is recorded, so a
// test states the whole conversation; scripts "run" until told to end.
class RecordingPlatform : public BrowserRepairPlatform {
public:
    MessageResult answer = MessageResult::Yes;
    std::string tempFolder = Temp;
    std::string programDirectory = ProgramFolder;
    std::string systemFolder = System;
    bool writeWorks = true;
    bool startWorks = true;

    std::vector<std::string> calls;
    std::set<std::string> files;  // paths that exist
    std::string written;          // the bytes of the last write
    std::vector<ScriptLaunch> launches;
    int running = 0;              // scripts started and not yet ended
    int held = 0;                 // processes the program keeps hold of

    MessageResult AskYesNo(const Text& text, const Text& caption) override
    {
        calls.push_back("ask " + text + " / " + caption);
        return answer;
    }
    Text TempFolder() override
    {
        calls.push_back("temp");
        return tempFolder;
    }
    Text ProgramDirectory() override
    {
        calls.push_back("cwd");
        return programDirectory;
    }
    Text SystemFolder() override
    {
        calls.push_back("system");
        return systemFolder;
    }
    bool WriteWholeFile(const Text& path, const Text& bytes) override
    {
        calls.push_back("write " + path);
        if (!writeWorks)
            return false;
        files.insert(path);
        written = bytes;
        return true;
    }
    bool StartScript(const ScriptLaunch& launch) override
    {
        calls.push_back("start " + launch.commandLine + " in " + launch.currentDirectory);
        if (!startWorks)
            return false;
        launches.push_back(launch);
        ++running;
        ++held;
        return true;
    }
    bool AnyScriptRunning() override
    {
        calls.push_back("running?");
        return held > 0 && running > 0;
    }
    void ForgetScripts() override
    {
        calls.push_back("forget");
        held = 0;
    }
    void RemoveFile(const Text& path) override
    {
        calls.push_back("remove " + path);
        files.erase(path);
    }
};

const std::string Ask = "ask 是否执行修复 / 修复IE浏览器";

TEST(RepairBrowser, NoWritesNothingAndStartsNothing)
{
    RecordingPlatform platform;
    platform.answer = MessageResult::No;
    RepairBrowserWith(platform);
    EXPECT_EQ(platform.calls, std::vector<std::string>{Ask});
    EXPECT_TRUE(platform.files.empty());
}

TEST(RepairBrowser, OnlyYesGoesOn)
{
    // A box that could not be shown gives Ok (0): that is no consent either.
    for (MessageResult answer : {MessageResult::Ok, MessageResult::Cancel, MessageResult::No}) {
        RecordingPlatform platform;
        platform.answer = answer;
        RepairBrowserWith(platform);
        EXPECT_EQ(platform.calls, std::vector<std::string>{Ask}) << static_cast<int>(answer);
    }
}

TEST(RepairBrowser, YesWritesTheScriptAndStartsItQuotedInTheSystemFolder)
{
    RecordingPlatform platform;
    RepairBrowserWith(platform);
    const std::vector<std::string> expected = {
        Ask,
        "temp",
        "write " + Temp + Name,
        "cwd",
        "system",
        "start \"" + Temp + Name + "\" in " + System,
    };
    EXPECT_EQ(platform.calls, expected);
    EXPECT_EQ(platform.written, BrowserRepairScript());
}

TEST(RepairBrowser, AFailedWriteStartsNothing)
{
    RecordingPlatform platform;
    platform.writeWorks = false;
    RepairBrowserWith(platform);
    const std::vector<std::string> expected = {Ask, "temp", "write " + Temp + Name};
    EXPECT_EQ(platform.calls, expected);
    EXPECT_TRUE(platform.launches.empty());
}

TEST(RepairBrowser, ASecondUseRewritesTheSameBytesAndStartsAgain)
{
    RecordingPlatform platform;
    RepairBrowserWith(platform);
    const std::string first = platform.written;
    platform.written.clear();
    RepairBrowserWith(platform);
    EXPECT_EQ(platform.written, first);
    EXPECT_EQ(platform.launches.size(), 2u);
    EXPECT_EQ(platform.running, 2);
}

TEST(RemoveBrowserScript, DeletesTheFileWhenNoScriptRuns)
{
    const struct {
        const char* what;
        bool used;
        bool startWorks;
    } cases[] = {
        // A file left by an earlier run is removed even when the repair was never used.
        {"repair never used", false, true},
        {"script could not start", true, false},
    };
    for (const auto& row : cases) {
        RecordingPlatform platform;
        platform.startWorks = row.startWorks;
        platform.files.insert(Temp + Name);
        if (row.used)
            RepairBrowserWith(platform);
        platform.calls.clear();
        RemoveBrowserScriptWith(platform);
        const std::vector<std::string> expected = {"running?", "temp", "remove " + Temp + Name, "forget"};
        EXPECT_EQ(platform.calls, expected) << row.what;
        EXPECT_TRUE(platform.files.empty()) << row.what;
    }
}

TEST(RemoveBrowserScript, LeavesTheFileToARunningScriptAndLetsItGo)
{
    RecordingPlatform platform;
    RepairBrowserWith(platform);
    platform.calls.clear();
    RemoveBrowserScriptWith(platform);
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"running?", "forget"}));
    EXPECT_EQ(platform.files.count(Temp + Name), 1u);
    EXPECT_EQ(platform.held, 0) << "the process handles are let go";
}

TEST(RemoveBrowserScript, DeletesOnceEveryScriptHasEnded)
{
    RecordingPlatform platform;
    RepairBrowserWith(platform);
    RepairBrowserWith(platform);
    platform.running = 0;
    RemoveBrowserScriptWith(platform);
    EXPECT_TRUE(platform.files.empty());
}

TEST(RemoveBrowserScript, AnEmptyTempFolderMeansTheBareNameBothTimes)
{
    RecordingPlatform platform;
    platform.tempFolder.clear();
    platform.startWorks = false;
    RepairBrowserWith(platform);
    RemoveBrowserScriptWith(platform);
    EXPECT_NE(std::find(platform.calls.begin(), platform.calls.end(), "write " + Name), platform.calls.end());
    EXPECT_NE(std::find(platform.calls.begin(), platform.calls.end(), "remove " + Name), platform.calls.end());
    EXPECT_TRUE(platform.files.empty());
}

TEST(PlanScriptLaunch, QuotesTheFullPathAndRunsInTheSystemFolder)
{
    const struct {
        const char* what;
        std::string script, programDirectory, systemFolder;
        std::string commandLine, currentDirectory;
    } cases[] = {
        {"plain folder", "C:\\Temp\\" + Name, ProgramFolder, System, "\"C:\\Temp\\" + Name + "\"", System},
        {"blanks in the folder", Temp + Name, ProgramFolder, System, "\"" + Temp + Name + "\"", System},
        {"network share", "\\\\server\\tmp\\" + Name, ProgramFolder, System, "\"\\\\server\\tmp\\" + Name + "\"",
         System},
        {"system folder unknown", "C:\\Temp\\" + Name, ProgramFolder, "", "\"C:\\Temp\\" + Name + "\"", ""},
        // Written relative to the program's current directory: named by its full path there.
        {"bare name", Name, ProgramFolder, System, "\"" + ProgramFolder + "\\" + Name + "\"", System},
        {"bare name, drive root", Name, "D:\\", System, "\"D:\\" + Name + "\"", System},
        // Nothing better known: the script is found where it was written.
        {"bare name, current directory unknown", Name, "", System, "\"" + Name + "\"", ""},
    };
    for (const auto& row : cases) {
        const ScriptLaunch launch = PlanScriptLaunch(row.script, row.programDirectory, row.systemFolder);
        EXPECT_EQ(launch.commandLine, row.commandLine) << row.what;
        EXPECT_EQ(launch.currentDirectory, row.currentDirectory) << row.what;
    }
}

TEST(IsFullPath, DriveOrShare)
{
    const struct {
        const char* path;
        bool full;
    } cases[] = {
        {"C:\\Temp\\", true}, {"\\\\server\\share", true}, {"IE.bat", false}, {"C:IE.bat", false},
        {"\\Temp\\IE.bat", false}, {"", false}, {"C:", false},
    };
    for (const auto& row : cases)
        EXPECT_EQ(IsFullPath(row.path), row.full) << row.path;
}

}  // namespace

// The "修复IE" label: the confirmation, the script in the temporary folder,
// its run through the command interpreter, and its removal at the close.
// regsvr32, reg and rundll32 are the tool substitute here, so every command
// the script gives lands in the command log and nothing is registered.
#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/input.h"
#include "tests/e2e/driver/msgbox.h"
#include "tests/e2e/driver/prefix.h"
#include "tests/e2e/driver/quorvan.h"
#include "tests/e2e/driver/scenario.h"
#include "tests/e2e/driver/wait.h"

#include <tlhelp32.h>

#include <string>
#include <vector>

#include "repair/browser_script.h"

namespace {

constexpr int kBrowserLabel = 1001;
const char kScriptName[] = "IE修复.bat";
const char kSystem32[] = "C:\\windows\\system32\\";
const char* const kScriptTools[] = {"regsvr32", "reg", "rundll32"};
constexpr size_t kScriptLines = 108;
// The script starts 108 programs one after another.
constexpr DWORD kScriptTimeoutMs = 60000;
// "Nothing is written" is watched for this long.
constexpr DWORD kQuietMs = 1500;

// The substitute stands in for the script's tools as it does for sc, netsh
// and ipconfig. Wine prefers its own builtin programs unless told otherwise;
// the scenario's prefix is its own, so its registry can tell it.
void InstallScriptTools() {
    const std::string substitute = std::string(kSystem32) + "sc.exe";
    HKEY overrides = nullptr;
    REQUIRE(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", 0, nullptr, 0, KEY_SET_VALUE,
                            nullptr, &overrides, nullptr) == ERROR_SUCCESS);
    for (const char* tool : kScriptTools) {
        const std::string program = std::string(tool) + ".exe";
        REQUIRE(CopyFileA(substitute.c_str(), (kSystem32 + program).c_str(), FALSE));
        CHECK(RegSetValueExA(overrides, program.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>("native"),
                             sizeof "native") == ERROR_SUCCESS);
    }
    RegCloseKey(overrides);
}

std::string DriverTempFolder() {
    char buffer[MAX_PATH] = "";
    const DWORD n = GetTempPathA(MAX_PATH, buffer);
    std::string folder(buffer, n < MAX_PATH ? n : 0);
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> LogLines() {
    std::vector<std::string> lines;
    const std::string log = CommandLog();
    size_t start = 0;
    for (size_t end; (end = log.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(log.substr(start, end - start));
    return lines;
}

// The commands the script's tools received, in order. The interpreter may
// leave a blank where a redirection stood; that blank is dropped.
std::vector<std::string> ScriptCommands() {
    std::vector<std::string> commands;
    for (std::string line : LogLines()) {
        for (const char* tool : kScriptTools) {
            if (line.rfind(std::string(tool) + " ", 0) != 0) continue;
            while (!line.empty() && line.back() == ' ') line.pop_back();
            commands.push_back(line);
        }
    }
    return commands;
}

// What the log shows for a script line: the tool's name without ".exe" and
// its arguments after the command interpreter has expanded %systemroot% and
// taken the redirections away.
std::string LoggedForm(std::string line) {
    const size_t space = line.find(' ');
    std::string tool = line.substr(0, space);
    if (tool.size() > 4 && tool.compare(tool.size() - 4, 4, ".exe") == 0) tool.resize(tool.size() - 4);
    std::string args = line.substr(space + 1);
    char root[MAX_PATH] = "";
    GetEnvironmentVariableA("SystemRoot", root, sizeof root);
    for (size_t at; (at = args.find("%systemroot%")) != std::string::npos;) args.replace(at, 12, root);
    const std::string quiet = ">nul 2>nul";
    if (args.size() > quiet.size() && args.compare(args.size() - quiet.size(), quiet.size(), quiet) == 0)
        args.resize(args.size() - quiet.size());
    return tool + " " + args;
}

std::vector<std::string> ExpectedCommands() {
    std::vector<std::string> expected;
    const std::string script = BrowserRepairScript();
    size_t start = 0;
    for (size_t end; (end = script.find("\r\n", start)) != std::string::npos; start = end + 2)
        expected.push_back(LoggedForm(script.substr(start, end - start)));
    expected.push_back(LoggedForm(script.substr(start)));
    return expected;
}

// Line by line, so a difference names its line; only the first few are shown.
void CheckSameLines(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
    CHECK_EQ(expected.size(), actual.size());
    int shown = 0;
    for (size_t i = 0; i < expected.size() && i < actual.size() && shown < 5; ++i) {
        check::Context row("line " + std::to_string(i + 1));
        if (!CHECK_EQ(expected[i], actual[i])) ++shown;
    }
}

// The names of the processes the program started that still run. Wine's
// desktop process (explorer.exe) may be among them when the program's was
// the first window of the prefix; it is no script and is left out.
std::string RunningChildren(DWORD parent) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return "(no process list)";
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    std::string names;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (entry.th32ParentProcessID == parent && lstrcmpiA(entry.szExeFile, "explorer.exe") != 0)
            names += std::string(entry.szExeFile) + " ";
    CloseHandle(snapshot);
    return names;
}

// Whether nobody holds the file open any more: the interpreter keeps a
// running script open.
bool Released(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

// Presses "修复IE", checks the confirmation and answers it.
void AnswerConfirmation(const Quorvan& app, HWND main, int button) {
    HWND label = GetDlgItem(main, kBrowserLabel);
    REQUIRE(label != nullptr);
    PressLeftAt(label);
    HWND box = WaitForMessageBox(app.Pid(), kUiTimeoutMs);
    ReleaseLeft();
    REQUIRE(box != nullptr);
    const MessageBoxInfo info = DescribeMessageBox(box);
    CHECK_EQ(std::string("修复IE浏览器"), info.caption);
    CHECK_EQ(std::string("是否执行修复"), info.text);
    CHECK_EQ((std::vector<int>{IDYES, IDNO}), info.buttons);
    CHECK(info.owner == nullptr);
    REQUIRE(PressMessageBoxButton(box, button));
    REQUIRE(WaitUntil(kUiTimeoutMs, [&] { return !IsWindow(box) || !IsWindowVisible(box); }));
}

void CheckScriptFile(const std::string& path) {
    std::string bytes;
    REQUIRE(ReadBytes(path, &bytes));
    CHECK_EQ(BrowserRepairScript(), bytes);
    CHECK_EQ(std::string("rundll32.exe advpack.dll /DelNodeRunDLL32 %systemroot%\\System32\\dacui.dll\r\n"),
             bytes.substr(0, bytes.find('\n') + 1));
    CHECK_EQ(std::string("\r\nreg delete \"HKCU\\Software\\Microsoft\\Internet Explorer\\Extensions\" /f>nul 2>nul"),
             bytes.substr(bytes.rfind("\r\n")));
}

// Yes: the file appears with the script's bytes, the script runs every line
// through the system's tools, and once it has ended Esc closes the program
// and takes the file away.
void RepairRunsAndCloseRemoves(Quorvan& app, const std::string& folder) {
    const std::string path = folder + kScriptName;
    REQUIRE(!Exists(path));
    HWND main = app.StartInForeground();
    AnswerConfirmation(app, main, IDYES);
    REQUIRE(WaitUntil(kUiTimeoutMs, [&] { return Exists(path); }));

    const std::vector<std::string> expected = ExpectedCommands();
    CHECK(WaitUntil(kScriptTimeoutMs, [&] { return ScriptCommands().size() >= kScriptLines; }, 100));
    CheckSameLines(expected, ScriptCommands());
    CheckScriptFile(path);
    WaitUntil(kUiTimeoutMs, [&] { return RunningChildren(app.Pid()).empty(); }, 100);
    CHECK_EQ(std::string(), RunningChildren(app.Pid()));

    REQUIRE(MakeForeground(main));
    PressKey(VK_ESCAPE);
    DWORD code = 0xDEAD;
    CHECK(app.WaitForExit(kUiTimeoutMs, &code));
    CHECK_EQ(DWORD(0), code);
    CHECK(!Exists(path));
}

}  // namespace

SCENARIO(browser_repair_no_writes_nothing, "online") {
    InstallScriptTools();
    const std::string path = DriverTempFolder() + kScriptName;
    Quorvan app;
    HWND main = app.StartInForeground();
    AnswerConfirmation(app, main, IDNO);
    CHECK(!WaitUntil(kQuietMs, [&] { return Exists(path); }));
    CHECK(ScriptCommands().empty());
    CHECK_EQ(std::string(), RunningChildren(app.Pid()));
    CHECK(app.Running());
    CHECK(WaitUntil(kUiTimeoutMs, [&] { return IsWindowEnabled(main) != FALSE; }));
}

SCENARIO(browser_repair_yes_runs_the_script_and_close_removes_it, "online") {
    InstallScriptTools();
    // A regsvr32 and a reg where the program was started from: the script
    // must not pick them up. Not programs at all, so the interpreter fails on
    // them and the log misses their lines should it ever try them.
    const std::string programFolder = QuorvanPath().substr(0, QuorvanPath().rfind('\\') + 1);
    REQUIRE(WriteBytes(programFolder + "regsvr32.exe", "planted"));
    REQUIRE(WriteBytes(programFolder + "reg.exe", "planted"));
    Quorvan app;
    RepairRunsAndCloseRemoves(app, DriverTempFolder());
}

SCENARIO(browser_repair_works_in_a_temp_folder_with_blanks, "online") {
    InstallScriptTools();
    const std::string folder = "C:\\Documents and Settings\\e2e user\\Local Settings\\Temp\\";
    REQUIRE(WriteBytes(folder + "placeholder", ""));
    REQUIRE(SetEnvironmentVariableA("TEMP", folder.c_str()));
    REQUIRE(SetEnvironmentVariableA("TMP", folder.c_str()));
    // What an unquoted command line would start first.
    REQUIRE(CopyFileA((std::string(kSystem32) + "sc.exe").c_str(), "C:\\Documents.exe", FALSE));
    Quorvan app;
    RepairRunsAndCloseRemoves(app, folder);
    int strays = 0;
    for (const std::string& line : LogLines()) strays += line.rfind("documents", 0) == 0;
    CHECK_EQ(0, strays);
}

SCENARIO(browser_script_still_running_keeps_its_file_until_the_next_close, "online") {
    InstallScriptTools();
    const std::string path = DriverTempFolder() + kScriptName;
    // The script waits on one of its regsvr32 lines, as it does while a
    // regsvr32 box waits for OK; long enough that a program waiting for the
    // script would be seen waiting.
    REQUIRE(CannedOutput("regsvr32 atl.dll", "", 12000));
    {
        Quorvan app;
        HWND main = app.StartInForeground();
        AnswerConfirmation(app, main, IDYES);
        REQUIRE(WaitUntil(kScriptTimeoutMs, [&] {
            const std::vector<std::string> done = ScriptCommands();
            return !done.empty() && done.back() == "regsvr32 atl.dll";
        }, 50));
        REQUIRE(MakeForeground(main));
        PressKey(VK_ESCAPE);
        DWORD code = 0xDEAD;
        CHECK(app.WaitForExit(kUiTimeoutMs, &code));
        CHECK_EQ(DWORD(0), code);
        // Gone without waiting for the script, which is still at that line.
        CHECK_EQ(std::string("regsvr32 atl.dll"), ScriptCommands().back());
        CHECK(Exists(path));
    }
    // The script was not cut short: it runs to its last line.
    CHECK(WaitUntil(kScriptTimeoutMs, [&] { return ScriptCommands().size() >= kScriptLines; }, 100));
    CheckSameLines(ExpectedCommands(), ScriptCommands());
    CHECK(WaitUntil(kUiTimeoutMs, [&] { return Released(path); }, 100));
    CHECK(Exists(path));

    // The next run removes the file at its close, the repair unused.
    Quorvan next;
    next.StartInForeground();
    PressKey(VK_ESCAPE);
    CHECK(next.WaitForExit(kUiTimeoutMs, nullptr));
    CHECK(!Exists(path));
}

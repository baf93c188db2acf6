// Stands in for sc.exe, netsh.exe, ipconfig.exe (and ipconfig\all.exe, which
// is what Wine's cmd.exe runs for "ipconfig/all") inside a scenario's prefix,
// so the program's repairs never touch a real system and every run is seen.
//
// Each run appends its command line, as received, to C:\e2e\commands.log and
// then writes C:\e2e\out\<key>.txt to stdout byte for byte (nothing when the
// file is absent), after sleeping the milliseconds in C:\e2e\out\<key>.delay
// if that exists.  <key> is the tool name (the executable's path below
// system32, without ".exe", "\" written as "/") followed by the arguments,
// with the characters a file name cannot hold (\ / : * ? " < > |) replaced
// by '_': "sc query Dhcp", "ipconfig_all", "netsh winsock reset".
#include <windows.h>

#include <string>

namespace {

const char kLogPath[] = "C:\\e2e\\commands.log";
const char kOutDir[] = "C:\\e2e\\out\\";

std::string ToolName() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string full(path, n);
    char sys[MAX_PATH];
    UINT s = GetSystemDirectoryA(sys, sizeof sys);
    std::string name = full;
    if (s > 0 && full.size() > s && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE,
            full.c_str(), s, sys, s) == CSTR_EQUAL && full[s] == '\\')
        name = full.substr(s + 1);
    else
        name = full.substr(full.find_last_of('\\') + 1);
    if (name.size() > 4 && lstrcmpiA(name.c_str() + name.size() - 4, ".exe") == 0)
        name.resize(name.size() - 4);
    for (char& c : name) {
        if (c == '\\') c = '/';
        else if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    }
    return name;
}

// The raw text after the program token, so the log shows the arguments
// exactly as the caller spelled them (quotes and spacing included).
std::string Arguments() {
    const char* p = GetCommandLineA();
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
        if (*p) ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t') ++p;
    }
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

std::string FileKey(const std::string& line) {
    std::string key = line;
    for (char& c : key)
        if (std::string("\\/:*?\"<>|").find(c) != std::string::npos) c = '_';
    return key;
}

void AppendLog(const std::string& line) {
    // Several tools may run at once; append-only writes keep lines whole.
    HANDLE h = CreateFileA(kLogPath, FILE_APPEND_DATA,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    std::string rec = line + "\r\n";
    DWORD written = 0;
    WriteFile(h, rec.data(), DWORD(rec.size()), &written, nullptr);
    CloseHandle(h);
}

bool ReadWhole(const std::string& path, std::string& out) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0) out.append(buf, got);
    CloseHandle(h);
    return true;
}

}  // namespace

int main() {
    std::string args = Arguments();
    std::string line = ToolName();
    if (!args.empty()) line += " " + args;
    AppendLog(line);

    std::string key = FileKey(line), text;
    if (ReadWhole(kOutDir + key + ".delay", text)) Sleep(DWORD(atol(text.c_str())));
    text.clear();
    if (ReadWhole(kOutDir + key + ".txt", text)) {
        HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
        DWORD written = 0;
        for (size_t at = 0; at < text.size(); at += written)
            if (!WriteFile(out, text.data() + at, DWORD(text.size() - at), &written, nullptr) ||
                written == 0)
                break;
    }
    return 0;
}

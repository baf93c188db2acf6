#include "tests/e2e/driver/prefix.h"

#include <windows.h>

namespace {

void MakeFoldersFor(const std::string& path) {
    for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
}

}  // namespace

bool WriteBytes(const std::string& path, const std::string& bytes) {
    MakeFoldersFor(path);
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr) &&
              written == bytes.size();
    CloseHandle(h);
    return ok;
}

bool ReadBytes(const std::string& path, std::string* bytes) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    bytes->clear();
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0) bytes->append(buf, got);
    CloseHandle(h);
    return true;
}

bool CannedOutput(const std::string& key, const std::string& bytes, int delayMs) {
    const std::string base = "C:\\e2e\\out\\" + key;
    if (delayMs > 0 && !WriteBytes(base + ".delay", std::to_string(delayMs))) return false;
    return WriteBytes(base + ".txt", bytes);
}

std::string CommandLog() {
    std::string log;
    ReadBytes(kCommandLog, &log);
    return log;
}

#include "repair/hosts_file.h"

#include <windows.h>

#include "app/scoped_handle.h"

namespace {

class LiveFiles : public HostsFiles {
public:
    bool Exists(const Text& path) override { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

    bool ReadWhole(const Text& path, Text* bytes) override
    {
        ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return false;
        bytes->clear();
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr)) {
            if (read == 0)
                return true;
            bytes->append(buffer, read);
        }
        return false;
    }

    Text CreateTemporaryFile(const Text& folder) override
    {
        char path[MAX_PATH] = {};
        if (GetTempFileNameA(folder.c_str(), "hst", 0, path) == 0)
            return Text();
        return path;
    }

    FileHandle OpenForWriting(const Text& path) override
    {
        const HANDLE file =
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        return file == INVALID_HANDLE_VALUE ? nullptr : file;
    }

    unsigned long Write(FileHandle file, const Text& bytes) override
    {
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
            return 0;
        return written;
    }

    bool Close(FileHandle file) override
    {
        // A full disk may only show when the data is flushed.
        const bool flushed = FlushFileBuffers(file) != FALSE;
        const bool closed = CloseHandle(file) != FALSE;
        return flushed && closed;
    }

    ReplaceOutcome Replace(const Text& target, const Text& replacement, const Text& backup) override
    {
        if (ReplaceFileA(target.c_str(), replacement.c_str(), backup.empty() ? nullptr : backup.c_str(), 0,
                         nullptr, nullptr))
            return ReplaceOutcome::Replaced;
        if (GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
            return ReplaceOutcome::OldMovedToBackup;
        return ReplaceOutcome::Failed;
    }

    bool Move(const Text& from, const Text& to) override
    {
        return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
    }

    bool Delete(const Text& path) override { return DeleteFileA(path.c_str()) != FALSE; }
};

}  // namespace

bool RestoreHostsFile(const Text& systemFolder)
{
    LiveFiles files;
    return RestoreHostsFile(files, systemFolder);
}

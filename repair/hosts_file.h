#pragma once
#include "repair/text.h"

// The whole hosts file as HostsRestore writes it: a UTF-8 byte-order mark,
// the sample comment block of a fresh system, and the localhost line with no
// line end after it.
Text DefaultHostsContent();

// The folder of the hosts file and the file itself, below the system folder;
// empty when the system folder is unknown, so nothing is ever written to a
// path relative to whatever the current folder happens to be.
Text HostsFolder(const Text& systemFolder);
Text HostsPath(const Text& systemFolder);
// Where a hosts file that differs from the stock content is kept.
Text HostsBackupPath(const Text& systemFolder);

using FileHandle = void*;

enum class ReplaceOutcome {
    Replaced,
    // Nothing changed.
    Failed,
    // The old file already went to the backup name, but the new one could
    // not take its place.
    OldMovedToBackup,
};

// The file operations under a hosts restore; tests substitute them.
class HostsFiles {
public:
    virtual ~HostsFiles() = default;
    virtual bool Exists(const Text& path) = 0;
    virtual bool ReadWhole(const Text& path, Text* bytes) = 0;
    // Makes a new, empty file with a unique name in folder: its path, or the
    // empty text when it could not.
    virtual Text CreateTemporaryFile(const Text& folder) = 0;
    // Opens an existing file for writing, shared with no one; null on failure.
    virtual FileHandle OpenForWriting(const Text& path) = 0;
    // The number of bytes written.
    virtual unsigned long Write(FileHandle file, const Text& bytes) = 0;
    virtual bool Close(FileHandle file) = 0;
    // Puts replacement in target's place in one step, keeping target's
    // attributes and permissions; the old target goes to backup unless
    // backup is empty.
    virtual ReplaceOutcome Replace(const Text& target, const Text& replacement, const Text& backup) = 0;
    // Renames; fails rather than overwrite an existing file at to.
    virtual bool Move(const Text& from, const Text& to) = 0;
    virtual bool Delete(const Text& path) = 0;
};

// Replaces the hosts file with DefaultHostsContent. The file is never left
// half-written: the content goes to a temporary file beside it first, which
// then takes the hosts file's place in one step. False when any step fails;
// the old content is then still in the hosts file (or, should even putting it
// back fail, in the backup beside it) and no temporary file is left.
bool RestoreHostsFile(HostsFiles& files, const Text& systemFolder);

// The same on the live file system.
bool RestoreHostsFile(const Text& systemFolder);

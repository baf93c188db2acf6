#include "repair/hosts_file.h"

namespace {

// 7-bit ASCII with CR LF line ends, whatever the system's code page; the
// example mappings use documentation addresses and names.
constexpr char StockHostsContent[] =
    "\xEF\xBB\xBF"
    "# Copyright (c) Microsoft Corporation. All rights reserved.\r\n"
    "#\r\n"
    "# This is a sample hosts file, as used by Microsoft TCP/IP for Windows.\r\n"
    "#\r\n"
    "# The file maps IP addresses to host names, one mapping on each line.\r\n"
    "# A line holds the IP address in its first column and the host name\r\n"
    "# after it; at least one space separates the two.\r\n"
    "# Comments start with a '#' sign. They may stand on lines of their\r\n"
    "# own or follow the host name at the end of a mapping line.\r\n"
    "#\r\n"
    "# Blank lines are skipped, and so is white space at the start of a\r\n"
    "# line, so the columns may be lined up as one likes.\r\n"
    "#\r\n"
    "# Two examples:\r\n"
    "#\r\n"
    "#192.0.2.10        files.example.com\t# file server\r\n"
    "#198.51.100.24     www.example.net\t# web host\r\n"
    "127.0.0.1       localhost";

constexpr char HostsFolderBelowSystem[] = "drivers\\etc\\";

bool WriteWhole(HostsFiles& files, const Text& path, const Text& bytes)
{
    const FileHandle file = files.OpenForWriting(path);
    if (file == nullptr)
        return false;
    const bool written = files.Write(file, bytes) == bytes.size();
    // A write can still fail at the close, when the data reaches the disk.
    const bool closed = files.Close(file);
    return written && closed;
}

// A user's own hosts file is kept beside the new one. A file that already
// holds the stock content is not: a second restore must not overwrite the
// user's original in the backup with stock content.
Text BackupFor(HostsFiles& files, const Text& systemFolder, const Text& content)
{
    Text old;
    if (files.ReadWhole(HostsPath(systemFolder), &old) && old == content)
        return Text();
    return HostsBackupPath(systemFolder);
}

bool PutInPlace(HostsFiles& files, const Text& systemFolder, const Text& temporary, const Text& content)
{
    const Text hosts = HostsPath(systemFolder);
    // Without a hosts file there is nothing whose attributes could carry over.
    if (!files.Exists(hosts))
        return files.Move(temporary, hosts);
    const Text backup = BackupFor(files, systemFolder, content);
    switch (files.Replace(hosts, temporary, backup)) {
    case ReplaceOutcome::Replaced:
        return true;
    case ReplaceOutcome::Failed:
        return false;
    case ReplaceOutcome::OldMovedToBackup:
        if (files.Move(temporary, hosts))
            return true;
        // Rather the old file back than none at all.
        if (!backup.empty())
            files.Move(backup, hosts);
        return false;
    }
    return false;
}

}  // namespace

Text DefaultHostsContent()
{
    return Text(StockHostsContent, sizeof StockHostsContent - 1);
}

Text HostsFolder(const Text& systemFolder)
{
    if (systemFolder.empty())
        return Text();
    return systemFolder + HostsFolderBelowSystem;
}

Text HostsPath(const Text& systemFolder)
{
    const Text folder = HostsFolder(systemFolder);
    return folder.empty() ? Text() : folder + "hosts";
}

Text HostsBackupPath(const Text& systemFolder)
{
    const Text folder = HostsFolder(systemFolder);
    return folder.empty() ? Text() : folder + "hosts.bak";
}

bool RestoreHostsFile(HostsFiles& files, const Text& systemFolder)
{
    const Text folder = HostsFolder(systemFolder);
    if (folder.empty())
        return false;
    const Text content = DefaultHostsContent();
    const Text temporary = files.CreateTemporaryFile(folder);
    if (temporary.empty())
        return false;
    if (WriteWhole(files, temporary, content) && PutInPlace(files, systemFolder, temporary, content))
        return true;
    files.Delete(temporary);
    return false;
}

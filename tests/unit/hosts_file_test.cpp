#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "repair/hosts_file.h"

namespace {

using CallLog = std::vector<std::string>;

const Text SystemFolder = "C:\\WINDOWS\\system32\\";
const Text Folder = "C:\\WINDOWS\\system32\\drivers\\etc\\";
const Text Hosts = Folder + "hosts";
const Text Backup = Folder + "hosts.bak";
const Text Temporary = Folder + "hst1A2B.tmp";
const Text UsersHosts = "127.0.0.1 localhost\r\n10.0.0.5 intranet\r\n";

// Lines of DefaultHostsContent, split at CR LF after the byte-order mark.
std::vector<Text> LinesOf(const Text& content)
{
    std::vector<Text> lines;
    size_t at = 3;
    for (size_t end; (end = content.find("\r\n", at)) != Text::npos; at = end + 2)
        lines.push_back(content.substr(at, end - at));
    lines.push_back(content.substr(at));
    return lines;
}

TEST(DefaultHostsContent, HasTheStockShape)
{
    const Text content = DefaultHostsContent();
    ASSERT_EQ(content.compare(0, 3, "\xEF\xBB\xBF"), 0) << "UTF-8 byte-order mark";
    const std::vector<Text> lines = LinesOf(content);
    ASSERT_EQ(lines.size(), 18u) << "17 comment lines and the localhost line";

    const std::set<size_t> loneHashLines = {2, 4, 10, 13, 15};
    for (size_t number = 1; number <= 17; ++number) {
        const Text& line = lines[number - 1];
        if (loneHashLines.count(number)) {
            EXPECT_EQ(line, "#") << "line " << number;
        } else if (number <= 14) {
            EXPECT_EQ(line.compare(0, 2, "# "), 0) << "line " << number << ": " << line;
            EXPECT_GT(line.size(), 2u) << "line " << number;
        } else {
            // An example mapping, commented out: "#", an address at once,
            // blanks, a host name, one tab, a comment.
            ASSERT_GE(line.size(), 2u);
            EXPECT_EQ(line[0], '#') << "line " << number;
            EXPECT_TRUE(line[1] >= '0' && line[1] <= '9') << "line " << number << ": " << line;
            const size_t blank = line.find(' ');
            const size_t tab = line.find('\t');
            ASSERT_NE(blank, Text::npos) << "line " << number;
            ASSERT_NE(tab, Text::npos) << "line " << number;
            EXPECT_LT(blank, tab);
            EXPECT_EQ(line.find('\t', tab + 1), Text::npos) << "one tab, line " << number;
            EXPECT_NE(line.find_first_not_of(' ', blank), tab) << "a host name between, line " << number;
            EXPECT_EQ(line.compare(tab + 1, 1, "#"), 0) << "line " << number;
        }
    }
    EXPECT_EQ(lines[17], "127.0.0.1       localhost") << "seven blanks, no line end";

    for (size_t i = 3; i < content.size(); ++i)
        ASSERT_LT(static_cast<unsigned char>(content[i]), 0x80) << "7-bit ASCII, byte " << i;
    // Every line feed belongs to a CR LF pair.
    for (size_t at = content.find('\n'); at != Text::npos; at = content.find('\n', at + 1))
        ASSERT_EQ(content[at - 1], '\r') << "byte " << at;
    for (size_t at = content.find('\r'); at != Text::npos; at = content.find('\r', at + 1))
        ASSERT_EQ(content[at + 1], '\n') << "byte " << at;
}

TEST(HostsPaths, LieBelowTheSystemFolderOrNowhere)
{
    EXPECT_EQ(HostsPath(SystemFolder), "C:\\WINDOWS\\system32\\drivers\\etc\\hosts");
    EXPECT_EQ(HostsBackupPath(SystemFolder), "C:\\WINDOWS\\system32\\drivers\\etc\\hosts.bak");
    EXPECT_EQ(HostsFolder(SystemFolder), "C:\\WINDOWS\\system32\\drivers\\etc\\");
    // Never a path relative to the current folder.
    EXPECT_EQ(HostsPath(""), "");
    EXPECT_EQ(HostsBackupPath(""), "");
    EXPECT_EQ(HostsFolder(""), "");
}

// Files in memory, with what Windows does to them: a read-only file cannot
// be replaced; a hidden or system one can, and keeps its attributes. Every
// call is recorded.
class MemoryFiles : public HostsFiles {
public:
    struct File {
        Text bytes;
        std::set<std::string> attributes;
    };

    bool Exists(const Text& path) override
    {
        log.push_back("Exists " + path);
        return files.count(path) != 0;
    }
    bool ReadWhole(const Text& path, Text* bytes) override
    {
        log.push_back("ReadWhole " + path);
        if (!files.count(path) || unreadable)
            return false;
        *bytes = files[path].bytes;
        return true;
    }
    Text CreateTemporaryFile(const Text& folder) override
    {
        log.push_back("CreateTemporaryFile " + folder);
        if (!canCreate)
            return Text();
        files[Temporary] = File();
        return Temporary;
    }
    FileHandle OpenForWriting(const Text& path) override
    {
        log.push_back("OpenForWriting " + path);
        if (!canOpen || !files.count(path))
            return nullptr;
        open_ = path;
        return &open_;
    }
    unsigned long Write(FileHandle file, const Text& bytes) override
    {
        log.push_back("Write " + std::to_string(bytes.size()));
        EXPECT_EQ(file, &open_);
        const Text written = bytes.substr(0, bytes.size() - shortBy);
        files[open_].bytes += written;
        return static_cast<unsigned long>(written.size());
    }
    bool Close(FileHandle file) override
    {
        log.push_back("Close");
        EXPECT_EQ(file, &open_);
        open_.clear();
        return closes;
    }
    ReplaceOutcome Replace(const Text& target, const Text& replacement, const Text& backup) override
    {
        log.push_back("Replace " + target + " " + replacement + " [" + backup + "]");
        if (!files.count(target) || !files.count(replacement) || files[target].attributes.count("readonly"))
            return ReplaceOutcome::Failed;
        File old = files[target];
        if (!backup.empty())
            files[backup] = old;
        if (replacementStuck) {
            files.erase(target);
            return ReplaceOutcome::OldMovedToBackup;
        }
        files[target].bytes = files[replacement].bytes;
        files.erase(replacement);
        return ReplaceOutcome::Replaced;
    }
    bool Move(const Text& from, const Text& to) override
    {
        log.push_back("Move " + from + " " + to);
        if (!files.count(from) || files.count(to) || unmovable.count(from))
            return false;
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    bool Delete(const Text& path) override
    {
        log.push_back("Delete " + path);
        return files.erase(path) != 0;
    }

    std::map<Text, File> files;
    CallLog log;
    bool canCreate = true;
    bool canOpen = true;
    size_t shortBy = 0;
    bool closes = true;
    bool unreadable = false;
    bool replacementStuck = false;
    std::set<Text> unmovable;

private:
    Text open_;
};

CallLog WriteTemporary()
{
    return {"CreateTemporaryFile " + Folder, "OpenForWriting " + Temporary,
            "Write " + std::to_string(DefaultHostsContent().size()), "Close"};
}

CallLog Then(CallLog first, const CallLog& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST(RestoreHostsFile, ReplacesAUsersFileInOneStepAndKeepsItBeside)
{
    MemoryFiles files;
    files.files[Hosts] = {UsersHosts, {"hidden", "system"}};
    ASSERT_TRUE(RestoreHostsFile(files, SystemFolder));
    EXPECT_EQ(files.log, Then(WriteTemporary(), {"Exists " + Hosts, "ReadWhole " + Hosts,
                                                 "Replace " + Hosts + " " + Temporary + " [" + Backup + "]"}));
    EXPECT_EQ(files.files[Hosts].bytes, DefaultHostsContent());
    // A hidden, system hosts file (as malware leaves it) is replaced all the
    // same, and keeps its attributes.
    EXPECT_EQ(files.files[Hosts].attributes, (std::set<std::string>{"hidden", "system"}));
    EXPECT_EQ(files.files[Backup].bytes, UsersHosts);
    EXPECT_EQ(files.files.count(Temporary), 0u);
}

TEST(RestoreHostsFile, SecondRestoreKeepsTheUsersOriginalInTheBackup)
{
    MemoryFiles files;
    files.files[Hosts] = {UsersHosts, {}};
    ASSERT_TRUE(RestoreHostsFile(files, SystemFolder));
    files.log.clear();
    ASSERT_TRUE(RestoreHostsFile(files, SystemFolder));
    EXPECT_EQ(files.log.back(), "Replace " + Hosts + " " + Temporary + " []") << "no backup of stock content";
    EXPECT_EQ(files.files[Backup].bytes, UsersHosts);
    EXPECT_EQ(files.files[Hosts].bytes, DefaultHostsContent());
}

TEST(RestoreHostsFile, UnreadableOldFileIsKeptAsWell)
{
    MemoryFiles files;
    files.files[Hosts] = {DefaultHostsContent(), {}};
    files.unreadable = true;
    ASSERT_TRUE(RestoreHostsFile(files, SystemFolder));
    EXPECT_EQ(files.log.back(), "Replace " + Hosts + " " + Temporary + " [" + Backup + "]");
}

TEST(RestoreHostsFile, MissingHostsFileIsMovedIntoPlace)
{
    MemoryFiles files;
    ASSERT_TRUE(RestoreHostsFile(files, SystemFolder));
    EXPECT_EQ(files.log, Then(WriteTemporary(), {"Exists " + Hosts, "Move " + Temporary + " " + Hosts}));
    EXPECT_EQ(files.files[Hosts].bytes, DefaultHostsContent());
    EXPECT_EQ(files.files.size(), 1u);
}

TEST(RestoreHostsFile, EveryFailureLeavesTheOldFileAndNoTemporaryFile)
{
    struct FailureCase {
        const char* what;
        void (*arrange)(MemoryFiles& files);
        CallLog calls;
    };
    const FailureCase cases[] = {
        {"no temporary file", [](MemoryFiles& f) { f.canCreate = false; }, {"CreateTemporaryFile " + Folder}},
        {"temporary file cannot be opened", [](MemoryFiles& f) { f.canOpen = false; },
         {"CreateTemporaryFile " + Folder, "OpenForWriting " + Temporary, "Delete " + Temporary}},
        {"short write", [](MemoryFiles& f) { f.shortBy = 1; }, Then(WriteTemporary(), {"Delete " + Temporary})},
        {"failed close", [](MemoryFiles& f) { f.closes = false; }, Then(WriteTemporary(), {"Delete " + Temporary})},
        {"read-only hosts file", [](MemoryFiles& f) { f.files[Hosts].attributes = {"readonly"}; },
         Then(WriteTemporary(), {"Exists " + Hosts, "ReadWhole " + Hosts,
                                 "Replace " + Hosts + " " + Temporary + " [" + Backup + "]",
                                 "Delete " + Temporary})},
        // The old file went to the backup name but the new one did not follow:
        // the old one is put back.
        {"new file stuck after the old one moved away",
         [](MemoryFiles& f) {
             f.replacementStuck = true;
             f.unmovable = {Temporary};
         },
         Then(WriteTemporary(), {"Exists " + Hosts, "ReadWhole " + Hosts,
                                 "Replace " + Hosts + " " + Temporary + " [" + Backup + "]",
                                 "Move " + Temporary + " " + Hosts, "Move " + Backup + " " + Hosts,
                                 "Delete " + Temporary})},
    };
    for (const FailureCase& c : cases) {
        MemoryFiles files;
        files.files[Hosts] = {UsersHosts, {}};
        c.arrange(files);
        EXPECT_FALSE(RestoreHostsFile(files, SystemFolder)) << c.what;
        EXPECT_EQ(files.log, c.calls) << c.what;
        EXPECT_EQ(files.files[Hosts].bytes, UsersHosts) << c.what;
        EXPECT_EQ(files.files.count(Temporary), 0u) << c.what;
    }
}

TEST(RestoreHostsFile, StuckNewFileThatCanStillBeMovedCounts)
{
    MemoryFiles files;
    files.files[Hosts] = {UsersHosts, {}};
    files.replacementStuck = true;
    ASSERT_TRUE(RestoreHostsFile(files, SystemFolder));
    EXPECT_EQ(files.log.back(), "Move " + Temporary + " " + Hosts);
    EXPECT_EQ(files.files[Hosts].bytes, DefaultHostsContent());
    EXPECT_EQ(files.files[Backup].bytes, UsersHosts);
}

TEST(RestoreHostsFile, UnknownSystemFolderTouchesNothing)
{
    MemoryFiles files;
    EXPECT_FALSE(RestoreHostsFile(files, ""));
    EXPECT_TRUE(files.log.empty());
}

}  // namespace

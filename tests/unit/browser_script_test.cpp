#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "repair/browser_script.h"
#include "repair/temp_folder.h"

namespace {

std::vector<std::string> Lines(const std::string& script)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = script.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(script.substr(start, end - start));
    lines.push_back(script.substr(start));
    return lines;
}

bool StartsWith(const std::string& text, const std::string& head)
{
    return text.compare(0, head.size(), head) == 0;
}

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

class BrowserRepairScriptTest : public ::testing::Test {
protected:
    const std::string script = BrowserRepairScript();
    const std::vector<std::string> lines = Lines(script);
    // Lines numbered from 1, as a reader of the file counts them.
    const std::string& Line(int number) const { return lines.at(number - 1); }
};

TEST_F(BrowserRepairScriptTest, Is108AsciiLinesWithCrLfBetweenAndNoneAfter)
{
    ASSERT_EQ(lines.size(), 108u);
    for (size_t at = 0; at < script.size(); ++at) {
        const unsigned char byte = static_cast<unsigned char>(script[at]);
        ASSERT_LE(byte, 127) << "at byte " << at;
        // CR and LF only as the pair between lines; no other control byte.
        if (byte == '\r')
            ASSERT_EQ(script[at + 1], '\n') << "at byte " << at;
        else if (byte == '\n')
            ASSERT_EQ(script[at - 1], '\r') << "at byte " << at;
        else
            ASSERT_GE(byte, 0x20) << "at byte " << at;
    }
    EXPECT_EQ(script.back(), 'l') << "ends with the last \"nul\", no line end";
    EXPECT_FALSE(EndsWith(script, "\r\n"));
    EXPECT_NE(script.substr(0, 3), "\xEF\xBB\xBF") << "no byte-order mark";
    for (const std::string& line : lines) {
        EXPECT_FALSE(line.empty());
        EXPECT_NE(line.front(), ' ') << line;
        EXPECT_NE(line.back(), ' ') << line;
    }
}

TEST_F(BrowserRepairScriptTest, EachBlockStartsAndEndsWithItsLines)
{
    ASSERT_EQ(lines.size(), 108u);
    const struct {
        int number;
        const char* line;
    } expected[] = {
        {1, "rundll32.exe advpack.dll /DelNodeRunDLL32 %systemroot%\\System32\\dacui.dll"},
        {2, "rundll32.exe advpack.dll /DelNodeRunDLL32 %systemroot%\\Catroot\\icatalog.mdb"},
        {3, "regsvr32 /s comcat.dll"},
        {6, "regsvr32 /s shdocvw.dll /I"},
        {7, "regsvr32 /s shdocvw.dll"},
        {71, "regsvr32 /s scrrun.dll mstinit.exe /setup"},
        {73, "regsvr32 /s msapsspc.dll /SspcCreateSspiReg"},
        {74, "regsvr32 atl.dll"},
        {75, "regsvr32 shdocvw.dll"},
        {91, "regsvr32 hlink.dll"},
        {92, "reg add \"HKLM\\Software\\Microsoft\\Internet Explorer\\Main\" /f /v \"Window Title\" /d "
             "\"Microsoft Internet Explorer\">nul 2>nul"},
        {106, "reg add \"HKLM\\Software\\Microsoft\\Internet Explorer\\\" /f /ve /d \"about:blank\">nul 2>nul"},
        {107, "reg delete \"HKLM\\Software\\Microsoft\\Internet Explorer\\Extensions\" /f>nul 2>nul"},
        {108, "reg delete \"HKCU\\Software\\Microsoft\\Internet Explorer\\Extensions\" /f>nul 2>nul"},
    };
    for (const auto& row : expected)
        EXPECT_EQ(Line(row.number), row.line) << "line " << row.number;
}

TEST_F(BrowserRepairScriptTest, EveryLineHasTheFormOfItsBlock)
{
    ASSERT_EQ(lines.size(), 108u);
    const struct {
        int first, last;
        const char* head;
        const char* tail;
    } blocks[] = {
        {1, 2, "rundll32.exe advpack.dll /DelNodeRunDLL32 %systemroot%\\", ""},
        {3, 73, "regsvr32 /s ", ""},
        {74, 91, "regsvr32 ", ""},
        {92, 106, "reg add \"", "\">nul 2>nul"},
        {107, 108, "reg delete \"", "\" /f>nul 2>nul"},
    };
    for (const auto& block : blocks) {
        for (int number = block.first; number <= block.last; ++number) {
            const std::string& line = Line(number);
            EXPECT_TRUE(StartsWith(line, block.head)) << "line " << number << ": " << line;
            if (number != 94) {  // the number value has no quote before the redirection
                EXPECT_TRUE(EndsWith(line, block.tail)) << "line " << number << ": " << line;
            }
        }
    }
    // The reported registrations name one file each and no switch.
    for (int number = 74; number <= 91; ++number)
        EXPECT_EQ(Line(number).find_first_of("/ ", 9), std::string::npos) << Line(number);
    // Only lines 3 to 73 register silently.
    for (int number = 1; number <= 108; ++number)
        EXPECT_EQ(StartsWith(Line(number), "regsvr32 /s "), number >= 3 && number <= 73) << "line " << number;
}

TEST_F(BrowserRepairScriptTest, SwitchesAreWrittenInTheirOwnCase)
{
    std::vector<int> upper, lower;
    for (int number = 3; number <= 73; ++number) {
        if (EndsWith(Line(number), " /I")) {
            upper.push_back(number);
        } else if (EndsWith(Line(number), " /i")) {
            lower.push_back(number);
        }
    }
    EXPECT_EQ(upper, (std::vector<int>{6, 9}));
    EXPECT_EQ(lower, (std::vector<int>{18, 26, 32}));
}

TEST_F(BrowserRepairScriptTest, TheThreeOddRegistryLines)
{
    ASSERT_EQ(lines.size(), 108u);
    EXPECT_EQ(Line(94),
              "reg add \"HKCU\\Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel\" /f /v homepage "
              "/t REG_DWORD /d 00000000>nul 2>nul");
    EXPECT_EQ(Line(101), "reg add \"HKCU\\Software\\Microsoft\\Internet Explorer\\\" /f /ve /d \"" +
                             std::string(SearchAssistantAddress) + "\">nul 2>nul");
    EXPECT_EQ(Line(106), "reg add \"HKLM\\Software\\Microsoft\\Internet Explorer\\\" /f /ve /d \"about:blank\">nul 2>nul");
    // No other registry line writes a number or a default value.
    for (int number = 92; number <= 106; ++number) {
        if (number == 94 || number == 101 || number == 106)
            continue;
        EXPECT_EQ(Line(number).find("/ve"), std::string::npos) << number;
        EXPECT_EQ(Line(number).find("/t "), std::string::npos) << number;
        EXPECT_NE(Line(number).find("\" /f /v \""), std::string::npos) << number;
    }
}

TEST_F(BrowserRepairScriptTest, SearchPagesAndBlankPagesGoWhereTheyBelong)
{
    ASSERT_EQ(lines.size(), 108u);
    const std::string engine = SearchEngineAddress;
    const struct {
        int number;
        std::string value;
        std::string data;
    } writes[] = {
        {93, "Window Title", "Microsoft Internet Explorer"},
        {95, "Default_Page_URL", "about:blank"},
        {96, "Start Page", "about:blank"},
        {97, "Search Page", engine},
        {98, "SearchAssistant", "about:blank"},
        {99, "CustomizeSearch", "about:blank"},
        {100, "SearchUrl", "about:blank"},
        {102, "Search Page", engine},
        {103, "SearchAssistant", "about:blank"},
        {104, "CustomizeSearch", "about:blank"},
        {105, "SearchUrl", "about:blank"},
    };
    for (const auto& row : writes) {
        const std::string key = row.number < 101 ? "HKCU" : "HKLM";
        EXPECT_EQ(Line(row.number), "reg add \"" + key + "\\Software\\Microsoft\\Internet Explorer\\Main\" /f /v \"" +
                                        row.value + "\" /d \"" + row.data + "\">nul 2>nul");
    }
}

TEST(BrowserScriptAddresses, AreSafeInsideAQuotedBatchArgument)
{
    const std::string engine = SearchEngineAddress;
    const std::string assistant = SearchAssistantAddress;
    EXPECT_TRUE(StartsWith(engine, "http://") || StartsWith(engine, "https://"));
    EXPECT_TRUE(StartsWith(assistant, "http://") || StartsWith(assistant, "https://"));
    // The token stands in the path, after the host.
    const size_t pathStart = assistant.find('/', assistant.find("//") + 2);
    ASSERT_NE(pathStart, std::string::npos);
    EXPECT_NE(assistant.find("{SUB_RFC1766}", pathStart), std::string::npos);
    for (const std::string& address : {engine, assistant}) {
        // The command interpreter expands % even inside quotes, and a quote
        // would end the argument early.
        EXPECT_EQ(address.find_first_of("%\"^ \t"), std::string::npos) << address;
        for (unsigned char byte : address)
            EXPECT_TRUE(byte > 0x20 && byte < 0x7F) << address;
    }
}

TEST(TempFolderFromReport, EndsInExactlyOneBackslashOrIsEmpty)
{
    const std::string longest(259, 'a');
    // The length the call returned; -1: the whole buffer text.
    const struct {
        const char* what;
        std::string buffer;
        int length;
        std::string folder;
    } cases[] = {
        {"with its backslash", "C:\\Temp\\", -1, "C:\\Temp\\"},
        {"without one", "C:\\Temp", -1, "C:\\Temp\\"},
        {"with blanks", "C:\\Documents and Settings\\li\\Local Settings\\Temp\\", -1,
         "C:\\Documents and Settings\\li\\Local Settings\\Temp\\"},
        {"drive root", "D:\\", -1, "D:\\"},
        {"call failed", "", 0, ""},
        {"did not fit: the size it needs", "", 261, ""},
        {"did not fit, exactly the buffer size", "", 260, ""},
        {"longest that fits", longest, -1, longest + "\\"},
        // Only the reported length counts, not what lies behind it.
        {"stray bytes after the length", "C:\\T\\junk", 5, "C:\\T\\"},
        // "乗" (0x81 0x5C) ends in the byte of a backslash but is none.
        {"GBK character ending in 0x5C", "C:\\\x81\x5C", -1, "C:\\\x81\x5C\\"},
        {"GBK character then backslash", "C:\\\x81\x5C\\", -1, "C:\\\x81\x5C\\"},
        {"GBK folder name", "C:\\\xD0\xDE\xB8\xB4\\", -1, "C:\\\xD0\xDE\xB8\xB4\\"},
    };
    for (const auto& row : cases) {
        std::vector<char> buffer(TempPathBufferChars, '\0');
        row.buffer.copy(buffer.data(), buffer.size() - 1);
        const unsigned length = row.length < 0 ? static_cast<unsigned>(row.buffer.size()) : row.length;
        EXPECT_EQ(TempFolderFromReport(buffer.data(), length), row.folder) << row.what;
    }
}

TEST(EndsInBackslash, LooksAtTheLastCharacterNotTheLastByte)
{
    const struct {
        std::string text;
        bool backslash;
    } cases[] = {
        {"", false},
        {"\\", true},
        {"C:\\Temp\\", true},
        {"C:\\Temp", false},
        {"\x81\x5C", false},       // one two-byte character
        {"\x81\x5C\\", true},
        {"a\x81\x5C", false},
        {"\\\x81", false},        // a lead byte cut off at the end
        {"\xD0\xDE\\", true},
    };
    for (const auto& row : cases)
        EXPECT_EQ(EndsInBackslash(row.text), row.backslash) << row.text;
}

TEST(BrowserScriptPath, TheFileNameFollowsTheFolderDirectly)
{
    // "IE修复.bat" in GBK.
    const std::string name = "IE\xD0\xDE\xB8\xB4.bat";
    EXPECT_EQ(std::string(BrowserScriptFileName), name);
    EXPECT_EQ(BrowserScriptPath("C:\\Temp\\"), "C:\\Temp\\" + name);
    EXPECT_EQ(BrowserScriptPath("C:\\Documents and Settings\\li\\Local Settings\\Temp\\"),
              "C:\\Documents and Settings\\li\\Local Settings\\Temp\\" + name);
    EXPECT_EQ(BrowserScriptPath(""), name) << "the bare name when the folder is unknown";
    EXPECT_EQ(BrowserScriptPath(TempFolderFromReport("C:\\Temp", 7)), "C:\\Temp\\" + name);
}

}  // namespace

// The program's command runner through Wine's real cmd.exe: what a command
// prints comes back whole, in order and byte for byte, and the tool
// substitutes stand in for sc, netsh and ipconfig.
#include "repair/runner.h"
#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/prefix.h"
#include "tests/e2e/driver/scenario.h"

namespace {

// Lines numbered so a lost, doubled or reordered read shows.
std::string NumberedLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "line " + std::to_string(i) + " of a long output, padded to be longer\r\n";
    return text;
}

}  // namespace

SCENARIO(run_captured_returns_what_cmd_prints, "offline") {
    // Well past one 1023-byte read.
    const std::string big = NumberedLines(200);
    REQUIRE(WriteBytes("C:\\e2e\\big.txt", big));
    REQUIRE(WriteBytes("C:\\e2e\\empty.txt", ""));
    // A two-byte GBK character ("中", D6 D0) straddling the first read.
    const std::string split = std::string(1023, 'a') + "中" + "\r\n";
    REQUIRE_EQ(size_t(1027), split.size());
    REQUIRE(WriteBytes("C:\\e2e\\split.txt", split));

    struct Case {
        const char* command;
        std::string expected;
    };
    const Case cases[] = {
        {"type C:\\e2e\\big.txt", big},
        {"type C:\\e2e\\split.txt", split},
        // Standard error shares the pipe, in the order things were written.
        {"echo one& echo two 1>&2& echo three", "one\r\ntwo \r\nthree\r\n"},
        {"type C:\\e2e\\empty.txt", ""},
        {"rem nothing to say", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        check::Context row(check::Show(c.command));
        CHECK_EQ(c.expected, RunCaptured(c.command));
    }
}

SCENARIO(run_captured_reaches_the_tool_substitutes, "offline") {
    struct Case {
        const char* command;  // as the program writes it
        const char* key;      // the substitute's name for it
        std::string output;
    };
    const Case cases[] = {
        {"sc query Dhcp", "sc query Dhcp",
         "\r\nSERVICE_NAME: Dhcp\r\n        TYPE               : 20  WIN32_SHARE_PROCESS\r\n"
         "        STATE              : 4  RUNNING\r\n        说明               : 正在运行\r\n"},
        {"netsh winsock reset", "netsh winsock reset", "成功地重置 Winsock 目录。\r\n"},
        {"ipconfig/all", "ipconfig_all", "\r\nWindows IP 配置\r\n\r\n   主机名  . . . . . : pc\r\n"},
        {"ipconfig /renew", "ipconfig _renew", "\r\nWindows IP 配置\r\n"},
    };
    std::string expectedLog;
    for (const Case& c : cases) {
        check::Context row(c.command);
        REQUIRE(CannedOutput(c.key, c.output));
        CHECK_EQ(c.output, RunCaptured(c.command));
        expectedLog += c.command;
        expectedLog += "\r\n";
    }
    // Each run is logged once, as the tool received it, in order.
    CHECK_EQ(expectedLog, CommandLog());
}

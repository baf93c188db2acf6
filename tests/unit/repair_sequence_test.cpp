#include <gtest/gtest.h>

#include "repair/repair_sequence.h"
#include "tests/fixtures/tool_outputs.h"
#include "tests/unit/repair_doubles.h"

namespace {

using namespace tool_outputs;

const Text Confirmation = "当前系统已经连接到互联网，\r\n继续执行修复可能导致网络连接中断！";
const Text Ask = "AskYesNo [提示] " + Confirmation;
const Text Notice = "ShowInfo [提示] ";

// One press of Repair against substitutes that share one call log.
struct Press {
    CallLog log;
    WindowModel window{log};
    ScriptedRunner runner{log};
    ScriptedEcho echo{log};
    bool hostsRestored = true;
    Text windowsFolder = "C:\\WINDOWS\\";
    bool windowGone = false;

    RepairTools Tools()
    {
        RepairTools tools;
        tools.run = std::ref(runner);
        tools.echo = std::ref(echo);
        tools.restoreHostsFile = [this](const Text& systemFolder) {
            log.push_back("restore hosts below " + systemFolder);
            return hostsRestored;
        };
        tools.windowsFolder = [this] {
            log.push_back("WindowsFolder");
            return windowsFolder;
        };
        tools.windowGone = [this] { return windowGone; };
        return tools;
    }

    void Online() { echo.answers["www.baidu.com"] = 31; }
    void LoopbackAnswers() { echo.answers["127.0.0.1"] = 0; }
    void TickAll()
    {
        for (RepairItem item : AllRepairItems)
            window.Tick(item);
    }
    void Repair() { RepairSequence(window, Tools()); }
};

TEST(RepairSequence, OnlineComputerAsksFirstAndOnlyYesGoesOn)
{
    struct AnswerCase {
        const char* what;
        MessageResult answer;
        bool goesOn;
    };
    const AnswerCase cases[] = {
        {"Yes", MessageResult::Yes, true},
        {"No", MessageResult::No, false},
        {"a box that failed to appear", MessageResult::Ok, false},
    };
    for (const AnswerCase& c : cases) {
        Press press;
        press.Online();
        press.window.answer = c.answer;
        press.window.Tick(RepairItem::WinsockReset);
        press.runner.outputs["netsh winsock reset"] = WinsockResetDone;
        press.Repair();
        CallLog expected = {"echo www.baidu.com", Ask};
        if (c.goesOn)
            expected.insert(expected.end(), {"IsTicked AutoAddress", "IsTicked WinsockReset", "IsTicked AutoAddress",
                                              "IsTicked WinsockReset", "run netsh winsock reset",
                                              "SetItemCaption WinsockReset 成功地重置 Winsock 目录",
                                              "IsTicked DhcpClient", "IsTicked DnsClient", "IsTicked HostsRestore",
                                              "IsTicked TcpIpReset"});
        // After No not even a tick is read.
        EXPECT_EQ(press.log, expected) << c.what;
    }
}

TEST(RepairSequence, NothingTickedIsSaidSo)
{
    struct SelectionCase {
        const char* what;
        bool online;
        CallLog expected;
    };
    const CallLog allRead = {"IsTicked AutoAddress", "IsTicked WinsockReset", "IsTicked DhcpClient",
                             "IsTicked DnsClient",   "IsTicked HostsRestore", "IsTicked TcpIpReset"};
    CallLog offline = {"echo www.baidu.com"};
    offline.insert(offline.end(), allRead.begin(), allRead.end());
    offline.push_back(Notice + "当前没有选择修复项目");
    CallLog online = {"echo www.baidu.com", Ask};
    online.insert(online.end(), allRead.begin(), allRead.end());
    online.push_back(Notice + "当前没有选择修复项目");
    const SelectionCase cases[] = {{"offline: no question", false, offline}, {"online, after Yes", true, online}};
    for (const SelectionCase& c : cases) {
        Press press;
        if (c.online)
            press.Online();
        press.Repair();
        EXPECT_EQ(press.log, c.expected) << c.what;
    }
}

TEST(RepairSequence, AllSixTickedRunInTheirFixedOrder)
{
    Press press;
    press.TickAll();
    press.runner.outputs = {
        {"netsh interface ip set address 本地连接 dhcp", DhcpWasAlreadyOn},
        {"netsh interface ip set dns 本地连接 dhcp", SwitchedToDhcp},
        {"netsh winsock reset", WinsockResetDone},
        {"sc start Dhcp", ServiceStartPending("Dhcp")},
        {"sc start Dnscache", ServiceDisabled},
        {"netsh int ip reset C:\\resetlog.txt", TcpIpResetDone},
    };
    press.Repair();
    const CallLog expected = {
        "echo www.baidu.com",
        "IsTicked AutoAddress",
        "IsTicked AutoAddress",
        "run ipconfig /flushdns",
        "run netsh interface ip set address 本地连接 dhcp",
        "SetItemCaption AutoAddress 自动获取IP地址 成功",
        "run netsh interface ip set dns 本地连接 dhcp",
        "SetItemCaption AutoAddress 自动获取DNS地址 成功",
        "IsTicked WinsockReset",
        "run netsh winsock reset",
        "SetItemCaption WinsockReset 成功地重置 Winsock 目录",
        "IsTicked DhcpClient",
        "run sc start Dhcp",
        "SetItemCaption DhcpClient DHCP Client  已开启",
        "SetTicked DhcpClient off",
        "IsTicked DnsClient",
        "run sc start Dnscache",
        "SetItemCaption DnsClient DNS Client  未开启",
        "SetTicked DnsClient on",
        Notice + ServiceDisabled,
        "IsTicked HostsRestore",
        "SystemFolder",
        "restore hosts below C:\\WINDOWS\\system32\\",
        "SetItemCaption HostsRestore 修复host文件成功",
        "IsTicked TcpIpReset",
        "run ipconfig /flushdns",
        "echo 127.0.0.1",
        "WindowsFolder",
        "run netsh int ip reset C:\\resetlog.txt",
        Notice + TcpIpResetDone,
    };
    EXPECT_EQ(press.log, expected);
    // The tick changes only where a service reports.
    for (RepairItem item : {RepairItem::AutoAddress, RepairItem::WinsockReset, RepairItem::HostsRestore,
                            RepairItem::TcpIpReset, RepairItem::DnsClient})
        EXPECT_TRUE(press.window.Ticked(item)) << NameOf(item);
    EXPECT_FALSE(press.window.Ticked(RepairItem::DhcpClient));
}

TEST(RepairSequence, AutoAddressJudgesEachStepByItsOwnOutput)
{
    struct AddressCase {
        const char* what;
        Text addressOutput;
        Text dnsOutput;
        CallLog outcome;
    };
    const Text ipCaption = "SetItemCaption AutoAddress 自动获取IP地址 成功";
    const Text dnsCaption = "SetItemCaption AutoAddress 自动获取DNS地址 成功";
    const AddressCase cases[] = {
        {"DHCP already on, DNS switched", DhcpWasAlreadyOn, SwitchedToDhcp, {ipCaption, dnsCaption}},
        // A real switch prints nothing but the line end.
        {"both switched", SwitchedToDhcp, SwitchedToDhcp, {ipCaption, dnsCaption}},
        {"address step needs elevation", NeedsElevation, SwitchedToDhcp, {Notice + NeedsElevation, dnsCaption}},
        {"address step printed nothing", "", SwitchedToDhcp, {Notice, dnsCaption}},
        {"address step printed two line ends", "\r\n\r\n", SwitchedToDhcp, {Notice + "\r\n\r\n", dnsCaption}},
        {"DNS step printed two line ends", DhcpWasAlreadyOn, "\r\n\r\n", {ipCaption, Notice + "\r\n\r\n"}},
        {"DNS step printed nothing", DhcpWasAlreadyOn, "", {ipCaption, Notice}},
        {"DNS step on a missing interface", DhcpWasAlreadyOn, NoSuchInterface, {ipCaption, Notice + NoSuchInterface}},
        {"both fail", NeedsElevation, NeedsElevation, {Notice + NeedsElevation, Notice + NeedsElevation}},
    };
    for (const AddressCase& c : cases) {
        Press press;
        press.window.Tick(RepairItem::AutoAddress);
        press.runner.outputs = {{"netsh interface ip set address 本地连接 dhcp", c.addressOutput},
                                {"netsh interface ip set dns 本地连接 dhcp", c.dnsOutput}};
        press.Repair();
        const CallLog expected = {"echo www.baidu.com",
                                  "run ipconfig /flushdns",
                                  "run netsh interface ip set address 本地连接 dhcp",
                                  c.outcome[0],
                                  "run netsh interface ip set dns 本地连接 dhcp",
                                  c.outcome[1]};
        EXPECT_EQ(WithoutTickReads(press.log), expected) << c.what;
        EXPECT_TRUE(press.window.Ticked(RepairItem::AutoAddress)) << c.what;
    }
}

TEST(RepairSequence, WinsockResetNeedsItsPhrase)
{
    struct WinsockCase {
        const char* what;
        Text output;
        Text outcome;
    };
    const WinsockCase cases[] = {
        {"reset", WinsockResetDone, "SetItemCaption WinsockReset 成功地重置 Winsock 目录"},
        {"needs elevation", NeedsElevation, Notice + NeedsElevation},
        {"printed nothing", "", Notice},
        // Half a phrase, cut inside a two-byte character, is no phrase.
        {"phrase cut short", "成功地重置 Winsock 目", Notice + "成功地重置 Winsock 目"},
    };
    for (const WinsockCase& c : cases) {
        Press press;
        press.window.Tick(RepairItem::WinsockReset);
        press.runner.outputs["netsh winsock reset"] = c.output;
        press.Repair();
        EXPECT_EQ(WithoutTickReads(press.log), (CallLog{"echo www.baidu.com", "run netsh winsock reset", c.outcome}))
            << c.what;
    }
}

TEST(RepairSequence, ServiceStartSetsCaptionTickAndShowsFailures)
{
    struct ServiceCase {
        const char* what;
        Text output;
        bool started;
    };
    const ServiceCase cases[] = {
        {"start pending", ServiceStartPending("X"), true},
        {"already running", ServiceAlreadyRunning, true},
        {"disabled", ServiceDisabled, false},
        {"access denied", ServiceAccessDenied, false},
        {"printed nothing", "", false},
        {"start_pending in lower case", "start_pending", false},
    };
    struct Service {
        RepairItem item;
        Text command;
        Text started;
        Text stopped;
    };
    const Service services[] = {
        {RepairItem::DhcpClient, "sc start Dhcp", "DHCP Client  已开启", "DHCP Client  未开启"},
        {RepairItem::DnsClient, "sc start Dnscache", "DNS Client  已开启", "DNS Client  未开启"},
    };
    for (const Service& service : services) {
        for (const ServiceCase& c : cases) {
            Press press;
            press.window.Tick(service.item);
            press.runner.outputs[service.command] = c.output;
            press.Repair();
            const Text name = NameOf(service.item);
            CallLog expected = {"echo www.baidu.com", "run " + service.command};
            if (c.started)
                expected.insert(expected.end(),
                                {"SetItemCaption " + name + " " + service.started, "SetTicked " + name + " off"});
            else
                expected.insert(expected.end(), {"SetItemCaption " + name + " " + service.stopped,
                                                 "SetTicked " + name + " on", Notice + c.output});
            EXPECT_EQ(WithoutTickReads(press.log), expected) << name << ": " << c.what;
        }
    }
}

TEST(RepairSequence, HostsRestoreReportsInCaptionOrBox)
{
    for (bool restored : {true, false}) {
        Press press;
        press.window.Tick(RepairItem::HostsRestore);
        press.window.systemFolder = "D:\\WINNT\\system32\\";
        press.hostsRestored = restored;
        press.Repair();
        const Text outcome = restored ? "SetItemCaption HostsRestore 修复host文件成功" : Notice + "修复host文件失败";
        EXPECT_EQ(WithoutTickReads(press.log), (CallLog{"echo www.baidu.com", "SystemFolder",
                                                        "restore hosts below D:\\WINNT\\system32\\", outcome}));
        EXPECT_TRUE(press.window.Ticked(RepairItem::HostsRestore));
        if (!restored) {
            EXPECT_EQ(press.window.Caption(RepairItem::HostsRestore), "Host文件恢复");
        }
    }
}

TEST(RepairSequence, TcpIpResetOnlyWhenTheLoopbackIsSilent)
{
    struct ResetCase {
        const char* what;
        bool loopbackAnswers;
        Text windowsFolder;
        Text output;
        CallLog tail;
    };
    const ResetCase cases[] = {
        {"loopback answers", true, "C:\\WINDOWS\\", TcpIpResetDone, {}},
        {"drive C", false, "C:\\WINDOWS\\", TcpIpResetDone,
         {"WindowsFolder", "run netsh int ip reset C:\\resetlog.txt", Notice + TcpIpResetDone}},
        {"drive D", false, "D:\\WINNT\\", "", {"WindowsFolder", "run netsh int ip reset D:\\resetlog.txt", Notice}},
        {"Windows folder unknown", false, "", NeedsElevation,
         {"WindowsFolder", "run netsh int ip reset :\\resetlog.txt", Notice + NeedsElevation}},
    };
    for (const ResetCase& c : cases) {
        Press press;
        press.window.Tick(RepairItem::TcpIpReset);
        if (c.loopbackAnswers)
            press.LoopbackAnswers();
        press.windowsFolder = c.windowsFolder;
        press.runner.outputs["netsh int ip reset " + ResetLogPath(c.windowsFolder)] = c.output;
        press.Repair();
        CallLog expected = {"echo www.baidu.com", "run ipconfig /flushdns", "echo 127.0.0.1"};
        expected.insert(expected.end(), c.tail.begin(), c.tail.end());
        EXPECT_EQ(WithoutTickReads(press.log), expected) << c.what;
        EXPECT_EQ(press.window.Caption(RepairItem::TcpIpReset), "重新安装 TCP/IP 协议") << c.what;
        EXPECT_TRUE(press.window.Ticked(RepairItem::TcpIpReset)) << c.what;
    }
}

TEST(ResetLogPath, TakesTheDriveBeforeTheFirstColon)
{
    const std::pair<Text, Text> cases[] = {
        {"C:\\WINDOWS\\", "C:\\resetlog.txt"},
        {"D:\\WINNT\\", "D:\\resetlog.txt"},
        {"", ":\\resetlog.txt"},
        {"\\", ":\\resetlog.txt"},
        {":\\odd\\", ":\\resetlog.txt"},
        {"E:\\a:b\\", "E:\\resetlog.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResetLogPath(c.first), c.second) << c.first;
}

TEST(RepairSequence, EachTickIsReadWhenItsItemsTurnComes)
{
    Press press;
    press.window.Tick(RepairItem::AutoAddress);
    press.window.Tick(RepairItem::WinsockReset);
    press.LoopbackAnswers();
    // While the address step runs, the user (or the diagnosis) changes later items.
    press.runner.whileRunning = [&](const Text& commandLine) {
        if (commandLine == "netsh interface ip set address 本地连接 dhcp") {
            press.window.Tick(RepairItem::WinsockReset, false);
            press.window.Tick(RepairItem::TcpIpReset);
        }
    };
    press.Repair();
    const CallLog expected = {"echo www.baidu.com",
                              "run ipconfig /flushdns",
                              "run netsh interface ip set address 本地连接 dhcp",
                              Notice,
                              "run netsh interface ip set dns 本地连接 dhcp",
                              Notice,
                              "run ipconfig /flushdns",
                              "echo 127.0.0.1"};
    EXPECT_EQ(WithoutTickReads(press.log), expected);
}

TEST(RepairSequence, PressWhileARunWaitsIsIgnored)
{
    Press press;
    press.window.Tick(RepairItem::WinsockReset);
    press.window.Tick(RepairItem::HostsRestore);
    const RepairTools tools = press.Tools();
    int nestedPresses = 0;
    // The runner dispatches window messages while a command runs: a press of
    // Repair arrives there.
    press.runner.whileRunning = [&](const Text&) {
        if (nestedPresses++ == 0)
            RepairSequence(press.window, tools);
    };
    press.runner.outputs["netsh winsock reset"] = WinsockResetDone;
    press.Repair();
    EXPECT_EQ(nestedPresses, 1);
    EXPECT_EQ(WithoutTickReads(press.log),
              (CallLog{"echo www.baidu.com", "run netsh winsock reset",
                       "SetItemCaption WinsockReset 成功地重置 Winsock 目录", "SystemFolder",
                       "restore hosts below C:\\WINDOWS\\system32\\", "SetItemCaption HostsRestore 修复host文件成功"}));

    // Once the run is over, the next press is a run of its own.
    press.log.clear();
    press.runner.whileRunning = nullptr;
    press.Repair();
    EXPECT_EQ(press.log.front(), "echo www.baidu.com");
    EXPECT_EQ(WithoutTickReads(press.log).size(), 6u);
}

TEST(RepairSequence, WindowClosedDuringAWaitEndsWhatIsLeftOfTheRun)
{
    struct CloseCase {
        const char* what;
        bool online;
        Text closingDuring;  // the command or echo during which the window closes
        CallLog expected;
    };
    const CloseCase cases[] = {
        // No question after the window has gone, and no "nothing ticked" box.
        {"during the online check", true, "echo www.baidu.com", {"echo www.baidu.com"}},
        {"during the address step", false, "run netsh interface ip set address 本地连接 dhcp",
         {"echo www.baidu.com", "IsTicked AutoAddress", "IsTicked AutoAddress", "run ipconfig /flushdns",
          "run netsh interface ip set address 本地连接 dhcp"}},
        // The TCP/IP reset never starts once the window is gone.
        {"during the loopback echo", false, "echo 127.0.0.1",
         {"echo www.baidu.com", "IsTicked AutoAddress", "IsTicked AutoAddress", "run ipconfig /flushdns",
          "run netsh interface ip set address 本地连接 dhcp", Notice + NeedsElevation,
          "run netsh interface ip set dns 本地连接 dhcp", Notice + NeedsElevation,
          "IsTicked WinsockReset", "IsTicked DhcpClient", "IsTicked DnsClient", "IsTicked HostsRestore",
          "IsTicked TcpIpReset", "run ipconfig /flushdns", "echo 127.0.0.1", "WindowsFolder"}},
    };
    for (const CloseCase& c : cases) {
        Press press;
        if (c.online)
            press.Online();
        press.window.Tick(RepairItem::AutoAddress);
        press.window.Tick(RepairItem::TcpIpReset);
        press.runner.outputs = {{"netsh interface ip set address 本地连接 dhcp", NeedsElevation},
                                {"netsh interface ip set dns 本地连接 dhcp", NeedsElevation}};
        press.runner.whileRunning = [&](const Text& commandLine) {
            press.windowGone = press.windowGone || "run " + commandLine == c.closingDuring;
        };
        ScriptedEcho& echo = press.echo;
        RepairTools tools = press.Tools();
        tools.echo = [&](const Text& host) {
            const int result = echo(host);
            press.windowGone = press.windowGone || "echo " + host == c.closingDuring;
            return result;
        };
        RepairSequence(press.window, tools);
        EXPECT_EQ(press.log, c.expected) << c.what;
    }
}

}  // namespace

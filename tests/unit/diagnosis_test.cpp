#include <gtest/gtest.h>

#include "repair/diagnosis.h"
#include "tests/fixtures/tool_outputs.h"
#include "tests/unit/repair_doubles.h"

namespace {

using namespace tool_outputs;

// A computer as the diagnosis finds it: the tools' outputs and whether the
// loopback answers.
struct Computer {
    Text dhcpQuery = ServiceRunning("Dhcp");
    Text dnsQuery = ServiceRunning("Dnscache");
    bool loopbackAnswers = true;
    Text ipConfig = IpConfigEthernet("是");
};

struct Diagnosed {
    CallLog log;
    WindowModel window{log};

    void Diagnose(const Computer& computer)
    {
        ScriptedRunner runner(log, {{"sc query Dhcp", computer.dhcpQuery},
                                    {"sc query Dnscache", computer.dnsQuery},
                                    {"ipconfig/all", computer.ipConfig}});
        ScriptedEcho echo(log);
        if (computer.loopbackAnswers)
            echo.answers["127.0.0.1"] = 0;
        StartupDiagnosis(window, std::ref(runner), std::ref(echo));
    }
};

TEST(StartupDiagnosis, HealthyComputerGetsTheTwoGeneralRepairs)
{
    Diagnosed run;
    run.Diagnose(Computer());
    const CallLog expected = {
        "run sc query Dhcp",
        "SetItemCaption DhcpClient DHCP Client  已开启",
        "SetTicked DhcpClient off",
        "run sc query Dnscache",
        "SetItemCaption DnsClient DNS Client  已开启",
        "SetTicked DnsClient off",
        "echo 127.0.0.1",
        "run ipconfig/all",
        "SetTicked AutoAddress off",
        "IsTicked AutoAddress",
        "IsTicked DhcpClient",
        "IsTicked DnsClient",
        "IsTicked HostsRestore",
        "IsTicked TcpIpReset",
        "SetTicked WinsockReset on",
        "SetTicked HostsRestore on",
    };
    EXPECT_EQ(run.log, expected);
}

TEST(StartupDiagnosis, EveryFindingTicksItsItem)
{
    Computer broken;
    broken.dhcpQuery = ServiceStopped("Dhcp");
    broken.dnsQuery = "";  // the command did not run
    broken.loopbackAnswers = false;
    broken.ipConfig = IpConfigEthernet("否");
    Diagnosed run;
    run.Diagnose(broken);
    const CallLog expected = {
        "run sc query Dhcp",
        "SetItemCaption DhcpClient DHCP Client  未开启",
        "SetTicked DhcpClient on",
        "run sc query Dnscache",
        "SetItemCaption DnsClient DNS Client  未开启",
        "SetTicked DnsClient on",
        "echo 127.0.0.1",
        "SetTicked TcpIpReset on",
        "run ipconfig/all",
        "SetTicked AutoAddress on",
        // The first tick found ends the search: no fallback.
        "IsTicked AutoAddress",
    };
    EXPECT_EQ(run.log, expected);
}

TEST(StartupDiagnosis, ServiceRunsWhenItsQueryHoldsRunning)
{
    struct QueryCase {
        const char* what;
        Text output;
        bool running;
    };
    const QueryCase cases[] = {
        {"running", ServiceRunning("Dhcp"), true},
        {"stopped", ServiceStopped("Dhcp"), false},
        {"RUNNING anywhere in the text", "RUNNING", true},
        {"lower case does not count", "        STATE              : 4  running \r\n", false},
        {"not installed", ServiceNotInstalled, false},
        {"empty output", "", false},
    };
    for (const QueryCase& c : cases) {
        for (bool dhcp : {true, false}) {
            Computer computer;
            (dhcp ? computer.dhcpQuery : computer.dnsQuery) = c.output;
            Diagnosed run;
            // Both boxes ticked before: the diagnosis replaces what the user set.
            run.window.Tick(RepairItem::DhcpClient);
            run.window.Tick(RepairItem::DnsClient);
            run.Diagnose(computer);
            const RepairItem item = dhcp ? RepairItem::DhcpClient : RepairItem::DnsClient;
            const Text expectedCaption = dhcp ? (c.running ? "DHCP Client  已开启" : "DHCP Client  未开启")
                                              : (c.running ? "DNS Client  已开启" : "DNS Client  未开启");
            EXPECT_EQ(run.window.Caption(item), expectedCaption) << c.what << " / " << NameOf(item);
            EXPECT_EQ(run.window.Ticked(item), !c.running) << c.what << " / " << NameOf(item);
        }
    }
}

TEST(StartupDiagnosis, AutoAddressIsUntickedOnlyWhenTheEthernetDhcpFieldSaysYes)
{
    struct ConfigCase {
        const char* what;
        Text ipConfig;
        bool autoAddressTicked;
    };
    const ConfigCase cases[] = {
        // The tunnel adapter's own "否" further on lies beyond the section.
        {"DHCP on", IpConfigEthernet("是"), false},
        {"DHCP off", IpConfigEthernet("否"), true},
        {"a value with more after it", IpConfigEthernet("是 "), true},
        {"an Ethernet adapter without a DHCP field",
         Text(IpConfigHead) + "以太网适配器 本地连接:\r\n\r\n   媒体状态  . . . . . . . . . . . . : 媒体已断开\r\n\r\n" +
             TunnelSections,
         true},
        // Without a tunnel heading the section comes out empty.
        {"no tunnel adapter after the Ethernet adapter", IpConfigEthernetWithoutTunnel("是"), true},
        // Without an Ethernet heading the stretch before the first tunnel adapter is read.
        {"only a wireless adapter, DHCP on", IpConfigWirelessOnly("是"), false},
        {"only a wireless adapter, DHCP off", IpConfigWirelessOnly("否"), true},
        {"English headings", IpConfigEnglish, true},
        {"empty output", "", true},
    };
    for (const ConfigCase& c : cases) {
        Computer computer;
        computer.ipConfig = c.ipConfig;
        Diagnosed run;
        run.window.Tick(RepairItem::AutoAddress, !c.autoAddressTicked);
        run.Diagnose(computer);
        EXPECT_EQ(run.window.Ticked(RepairItem::AutoAddress), c.autoAddressTicked) << c.what;
    }
}

TEST(StartupDiagnosis, LoopbackAnswerLeavesTheUsersTcpIpTickAlone)
{
    for (bool userTicked : {true, false}) {
        Diagnosed run;
        run.window.Tick(RepairItem::TcpIpReset, userTicked);
        run.Diagnose(Computer());
        EXPECT_EQ(run.window.Ticked(RepairItem::TcpIpReset), userTicked);
        EXPECT_EQ(run.window.Caption(RepairItem::TcpIpReset), "重新安装 TCP/IP 协议");
    }
}

TEST(StartupDiagnosis, FallbackReadsTheTicksAsTheyAreAtThatMoment)
{
    struct FallbackCase {
        const char* what;
        RepairItem userTick;
        bool fallback;
        CallLog tickReads;
    };
    const FallbackCase cases[] = {
        {"hosts ticked by the user", RepairItem::HostsRestore, false,
         {"IsTicked AutoAddress", "IsTicked DhcpClient", "IsTicked DnsClient", "IsTicked HostsRestore"}},
        {"TCP/IP ticked by the user", RepairItem::TcpIpReset, false,
         {"IsTicked AutoAddress", "IsTicked DhcpClient", "IsTicked DnsClient", "IsTicked HostsRestore",
          "IsTicked TcpIpReset"}},
        // WinsockReset's own tick is never asked.
        {"Winsock ticked by the user", RepairItem::WinsockReset, true,
         {"IsTicked AutoAddress", "IsTicked DhcpClient", "IsTicked DnsClient", "IsTicked HostsRestore",
          "IsTicked TcpIpReset"}},
    };
    for (const FallbackCase& c : cases) {
        Diagnosed run;
        run.window.Tick(c.userTick);
        run.Diagnose(Computer());
        CallLog reads;
        for (const std::string& call : run.log) {
            if (call.rfind("IsTicked ", 0) == 0)
                reads.push_back(call);
        }
        EXPECT_EQ(reads, c.tickReads) << c.what;
        const bool fallbackTicked = run.log.back() == "SetTicked HostsRestore on";
        EXPECT_EQ(fallbackTicked, c.fallback) << c.what;
        EXPECT_EQ(run.window.Ticked(RepairItem::WinsockReset), c.fallback || c.userTick == RepairItem::WinsockReset)
            << c.what;
    }
}

TEST(StartupDiagnosis, UserTickMadeWhileACommandRunsCountsForTheFallback)
{
    CallLog log;
    WindowModel window(log);
    ScriptedRunner runner(log, {{"sc query Dhcp", ServiceRunning("Dhcp")},
                                {"sc query Dnscache", ServiceRunning("Dnscache")},
                                {"ipconfig/all", IpConfigEthernet("是")}});
    runner.whileRunning = [&](const Text& commandLine) {
        if (commandLine == "ipconfig/all")
            window.Tick(RepairItem::TcpIpReset);
    };
    ScriptedEcho echo(log, {{"127.0.0.1", 1}});
    StartupDiagnosis(window, std::ref(runner), std::ref(echo));
    EXPECT_FALSE(window.Ticked(RepairItem::WinsockReset));
    EXPECT_FALSE(window.Ticked(RepairItem::HostsRestore));
}

}  // namespace

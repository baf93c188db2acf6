// The status line, the start-up diagnosis and the repair sequence, against
// the tool substitutes: what the status line says, which items the
// diagnosis ticks, which commands a press of Repair runs in which order,
// the captions, ticks and message boxes that follow, and the hosts file's
// bytes on disk.
#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/input.h"
#include "tests/e2e/driver/msgbox.h"
#include "tests/e2e/driver/prefix.h"
#include "tests/e2e/driver/quorvan.h"
#include "tests/e2e/driver/scenario.h"
#include "tests/e2e/driver/ui.h"
#include "tests/e2e/driver/wait.h"
#include "repair/hosts_file.h"
#include "tests/fixtures/tool_outputs.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace tool_outputs;

constexpr int kStatusLine = 1006;
constexpr int kRepairButton = 1011;

enum Item { kAutoAddress, kWinsockReset, kDhcpClient, kDnsClient, kHostsRestore, kTcpIpReset };
struct ItemBox {
    const char* name;
    int id;
    const char* initialCaption;
};
const ItemBox kItems[] = {
    {"AutoAddress", 1010, "自动获取IP\\DNS地址"}, {"WinsockReset", 1009, "重置 Winsock 目录"},
    {"DhcpClient", 1013, "DHCP Client"},          {"DnsClient", 1012, "DNS Client"},
    {"HostsRestore", 1008, "Host文件恢复"},        {"TcpIpReset", 1007, "重新安装 TCP/IP 协议"},
};

const std::string kConnected = "当前网络状态： 已连接到互联网";
const std::string kNotConnected = "当前网络状态： 没有连接到互联网";
const std::string kConfirmation = "当前系统已经连接到互联网，\r\n继续执行修复可能导致网络连接中断！";

// A probe of a silent host takes 10 s; a slow machine gets three times that.
constexpr DWORD kEchoTimeoutMs = 30000;
// "Nothing happens" is watched for this long.
constexpr DWORD kQuietMs = 2000;

HWND BoxOf(HWND main, Item item) { return GetDlgItem(main, kItems[item].id); }
std::string CaptionOf(HWND main, Item item) { return TextOf(BoxOf(main, item)); }
bool TickedIn(HWND main, Item item) { return CheckStateOf(BoxOf(main, item)) == BST_CHECKED; }
std::string StatusOf(HWND main) { return TextOf(GetDlgItem(main, kStatusLine)); }

// Sets ticks the way the program itself does (no click, so no explanation
// balloon covers the other boxes).
void SetTicks(HWND main, std::initializer_list<Item> ticked) {
    for (int i = kAutoAddress; i <= kTcpIpReset; ++i) {
        bool on = false;
        for (Item t : ticked) on = on || t == i;
        DWORD_PTR result = 0;
        SendMessageTimeoutA(BoxOf(main, Item(i)), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0,
                            SMTO_NORMAL, 2000, &result);
    }
}

void ExpectTicks(HWND main, std::initializer_list<Item> ticked) {
    for (int i = kAutoAddress; i <= kTcpIpReset; ++i) {
        check::Context row(kItems[i].name);
        bool on = false;
        for (Item t : ticked) on = on || t == i;
        CHECK_EQ(on, TickedIn(main, Item(i)));
    }
}

std::string Lines(std::initializer_list<std::string> lines) {
    std::string all;
    for (const std::string& line : lines) all += line + "\r\n";
    return all;
}

bool LogHas(const std::string& line) { return CommandLog().find(line + "\r\n") != std::string::npos; }

void PressRepair(HWND main) { ClickCentre(GetDlgItem(main, kRepairButton)); }

// Waits for the next message box, checks it and presses the button.
void AnswerBox(const Quorvan& app, const std::string& text, std::vector<int> buttons, int press,
               DWORD timeoutMs = kUiTimeoutMs) {
    HWND box = WaitForMessageBox(app.Pid(), timeoutMs);
    REQUIRE(box != nullptr);
    const MessageBoxInfo info = DescribeMessageBox(box);
    CHECK_EQ(std::string("提示"), info.caption);
    CHECK_EQ(text, info.text);
    CHECK(info.buttons == buttons);
    CHECK(info.owner == nullptr);
    REQUIRE(PressMessageBoxButton(box, press));
    REQUIRE(WaitUntil(kUiTimeoutMs, [&] { return !IsWindow(box) || !IsWindowVisible(box); }));
}

void ExpectNoBox(const Quorvan& app) {
    CHECK(WaitForMessageBox(app.Pid(), kQuietMs) == nullptr);
}

std::string HostsPathInPrefix() {
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    return std::string(system) + "\\drivers\\etc\\hosts";
}

// Canned outputs that make the diagnosis find nothing wrong but the loopback.
void HealthyTools() {
    REQUIRE(CannedOutput("sc query Dhcp", ServiceRunning("Dhcp")));
    REQUIRE(CannedOutput("sc query Dnscache", ServiceRunning("Dnscache")));
    REQUIRE(CannedOutput("ipconfig_all", IpConfigEthernet("是")));
}

}  // namespace

SCENARIO(offline_start_diagnoses_services_and_adapter, "offline") {
    REQUIRE(CannedOutput("sc query Dhcp", ServiceRunning("Dhcp")));
    REQUIRE(CannedOutput("sc query Dnscache", ServiceStopped("Dnscache")));
    REQUIRE(CannedOutput("ipconfig_all", IpConfigEthernet("否")));
    Quorvan app;
    REQUIRE(app.Start());
    HWND main = app.WaitForMainWindow(kStartTimeoutMs);
    REQUIRE(main != nullptr);
    CHECK_EQ(kNotConnected, StatusOf(main));

    // The adapter's DHCP setting is the diagnosis's last finding.
    CHECK(WaitUntil(kUiTimeoutMs, [&] { return TickedIn(main, kAutoAddress); }));
    CHECK_EQ(Lines({"sc query Dhcp", "sc query Dnscache", "ipconfig/all"}), CommandLog());
    CHECK_EQ(std::string("DHCP Client  已开启"), CaptionOf(main, kDhcpClient));
    CHECK_EQ(std::string("DNS Client  未开启"), CaptionOf(main, kDnsClient));
    // The loopback answers: TcpIpReset stays as it was. AutoAddress blocks the fallback.
    ExpectTicks(main, {kAutoAddress, kDnsClient});
    for (Item item : {kAutoAddress, kWinsockReset, kHostsRestore, kTcpIpReset}) {
        check::Context row(kItems[item].name);
        CHECK_EQ(std::string(kItems[item].initialCaption), CaptionOf(main, item));
    }
    ExpectNoBox(app);
}

SCENARIO(offline_start_falls_back_to_the_general_repairs, "offline") {
    HealthyTools();
    Quorvan app;
    REQUIRE(app.Start());
    HWND main = app.WaitForMainWindow(kStartTimeoutMs);
    REQUIRE(main != nullptr);
    CHECK(WaitUntil(kUiTimeoutMs, [&] { return TickedIn(main, kHostsRestore); }));
    ExpectTicks(main, {kWinsockReset, kHostsRestore});
    CHECK_EQ(std::string("DHCP Client  已开启"), CaptionOf(main, kDhcpClient));
    CHECK_EQ(std::string("DNS Client  已开启"), CaptionOf(main, kDnsClient));
    CHECK_EQ(kNotConnected, StatusOf(main));
}

SCENARIO(online_start_runs_no_diagnosis_and_no_ends_the_repair, "online") {
    HealthyTools();
    Quorvan app;
    HWND main = app.StartInForeground();
    CHECK_EQ(kConnected, StatusOf(main));
    CHECK(!WaitUntil(kQuietMs, [] { return !CommandLog().empty(); }));
    ExpectTicks(main, {});

    SetTicks(main, {kWinsockReset, kHostsRestore});
    PressRepair(main);
    AnswerBox(app, kConfirmation, {IDYES, IDNO}, IDNO);
    ExpectNoBox(app);
    CHECK_EQ(std::string(), CommandLog());
    CHECK_EQ(std::string(kItems[kWinsockReset].initialCaption), CaptionOf(main, kWinsockReset));
    CHECK_EQ(std::string(kItems[kHostsRestore].initialCaption), CaptionOf(main, kHostsRestore));
    CHECK_EQ(kConnected, StatusOf(main));
}

SCENARIO(online_yes_with_nothing_ticked_says_so, "online") {
    Quorvan app;
    HWND main = app.StartInForeground();
    PressRepair(main);
    AnswerBox(app, kConfirmation, {IDYES, IDNO}, IDYES);
    AnswerBox(app, "当前没有选择修复项目", {IDOK}, IDOK);
    ExpectNoBox(app);
    CHECK_EQ(std::string(), CommandLog());
}

SCENARIO(all_six_ticked_run_in_their_fixed_order, "silent") {
    // The loopback stays silent: the diagnosis ticks TcpIpReset, and the
    // repair goes on to the TCP/IP reset.
    REQUIRE(CannedOutput("sc query Dhcp", ServiceRunning("Dhcp")));
    REQUIRE(CannedOutput("sc query Dnscache", ServiceRunning("Dnscache")));
    REQUIRE(CannedOutput("ipconfig_all", IpConfigEthernet("否")));
    REQUIRE(CannedOutput("netsh interface ip set address 本地连接 dhcp", SwitchedToDhcp));
    REQUIRE(CannedOutput("netsh interface ip set dns 本地连接 dhcp", SwitchedToDhcp));
    REQUIRE(CannedOutput("netsh winsock reset", WinsockResetDone));
    REQUIRE(CannedOutput("sc start Dhcp", ServiceStartPending("Dhcp")));
    REQUIRE(CannedOutput("sc start Dnscache", ServiceDisabled));
    REQUIRE(CannedOutput("netsh int ip reset C__resetlog.txt", TcpIpResetDone));
    const std::string hostsPath = HostsPathInPrefix();
    std::string originalHosts;
    REQUIRE(ReadBytes(hostsPath, &originalHosts));

    Quorvan app;
    HWND main = app.StartInForeground();
    CHECK_EQ(kNotConnected, StatusOf(main));
    // The loopback echo of the diagnosis takes its full timeout.
    REQUIRE(WaitUntil(kEchoTimeoutMs, [&] { return TickedIn(main, kAutoAddress); }));
    ExpectTicks(main, {kAutoAddress, kTcpIpReset});

    SetTicks(main, {kAutoAddress, kWinsockReset, kDhcpClient, kDnsClient, kHostsRestore, kTcpIpReset});
    PressRepair(main);
    // The probe host is silent: no question, and after the commands the
    // failed DNS Client start and the TCP/IP reset are shown.
    AnswerBox(app, ServiceDisabled, {IDOK}, IDOK, kEchoTimeoutMs);
    AnswerBox(app, TcpIpResetDone, {IDOK}, IDOK, kEchoTimeoutMs);
    ExpectNoBox(app);

    CHECK_EQ(Lines({"sc query Dhcp", "sc query Dnscache", "ipconfig/all",
                    "ipconfig /flushdns", "netsh interface ip set address 本地连接 dhcp",
                    "netsh interface ip set dns 本地连接 dhcp", "netsh winsock reset", "sc start Dhcp",
                    "sc start Dnscache", "ipconfig /flushdns", "netsh int ip reset C:\\resetlog.txt"}),
             CommandLog());
    CHECK_EQ(std::string("自动获取DNS地址 成功"), CaptionOf(main, kAutoAddress));
    CHECK_EQ(std::string("成功地重置 Winsock 目录"), CaptionOf(main, kWinsockReset));
    CHECK_EQ(std::string("DHCP Client  已开启"), CaptionOf(main, kDhcpClient));
    CHECK_EQ(std::string("DNS Client  未开启"), CaptionOf(main, kDnsClient));
    CHECK_EQ(std::string("修复host文件成功"), CaptionOf(main, kHostsRestore));
    CHECK_EQ(std::string(kItems[kTcpIpReset].initialCaption), CaptionOf(main, kTcpIpReset));
    ExpectTicks(main, {kAutoAddress, kWinsockReset, kDnsClient, kHostsRestore, kTcpIpReset});

    std::string hosts;
    REQUIRE(ReadBytes(hostsPath, &hosts));
    // Every byte reaches the disk: the mark, the comment block, and the
    // localhost line without a line end.
    CHECK_EQ(DefaultHostsContent(), hosts);
    CHECK_EQ(std::string("\xEF\xBB\xBF"), hosts.substr(0, 3));
    CHECK_EQ(std::string("\r\n127.0.0.1       localhost"), hosts.substr(hosts.size() - 27));
    // The old file differs from the stock one, so it is kept beside it.
    std::string backup;
    CHECK(ReadBytes(hostsPath + ".bak", &backup));
    CHECK_EQ(originalHosts, backup);
    CHECK_EQ(kNotConnected, StatusOf(main));
}

SCENARIO(failed_steps_show_the_tool_output_unchanged, "offline") {
    HealthyTools();
    REQUIRE(CannedOutput("netsh interface ip set address 本地连接 dhcp", NeedsElevation));
    REQUIRE(CannedOutput("netsh interface ip set dns 本地连接 dhcp", "\r\n\r\n"));
    // "netsh winsock reset" prints nothing at all.
    REQUIRE(CannedOutput("sc start Dhcp", ServiceAccessDenied));
    Quorvan app;
    HWND main = app.StartInForeground();
    REQUIRE(WaitUntil(kUiTimeoutMs, [&] { return TickedIn(main, kHostsRestore); }));

    SetTicks(main, {kAutoAddress, kWinsockReset, kDhcpClient});
    PressRepair(main);
    AnswerBox(app, NeedsElevation, {IDOK}, IDOK);
    AnswerBox(app, "\r\n\r\n", {IDOK}, IDOK);
    AnswerBox(app, "", {IDOK}, IDOK);
    AnswerBox(app, ServiceAccessDenied, {IDOK}, IDOK);
    ExpectNoBox(app);

    CHECK_EQ(Lines({"sc query Dhcp", "sc query Dnscache", "ipconfig/all", "ipconfig /flushdns",
                    "netsh interface ip set address 本地连接 dhcp", "netsh interface ip set dns 本地连接 dhcp",
                    "netsh winsock reset", "sc start Dhcp"}),
             CommandLog());
    CHECK_EQ(std::string(kItems[kAutoAddress].initialCaption), CaptionOf(main, kAutoAddress));
    CHECK_EQ(std::string(kItems[kWinsockReset].initialCaption), CaptionOf(main, kWinsockReset));
    CHECK_EQ(std::string("DHCP Client  未开启"), CaptionOf(main, kDhcpClient));
    ExpectTicks(main, {kAutoAddress, kWinsockReset, kDhcpClient});
}

SCENARIO(window_answers_while_probes_wait_for_a_silent_host, "silent") {
    HealthyTools();
    REQUIRE(CannedOutput("netsh int ip reset C__resetlog.txt", TcpIpResetDone));
    Quorvan app;
    HWND main = app.StartInForeground();

    // Over two timer probes of the silent probe host, the diagnosis's silent
    // loopback echo, and a repair that waits for two silent echoes, the
    // window must answer every message at once.
    int asked = 0, unanswered = 0;
    std::string firstMisses;  // when the window did not answer, for the failure line
    const DWORD begin = GetTickCount();
    const auto answersFor = [&](const char* phase, DWORD ms) {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < ms) {
            ++asked;
            const DWORD asking = GetTickCount();
            if (!app.Answers(200) && ++unanswered <= 5)
                firstMisses += std::string(" ") + phase + "@" + std::to_string(asking - begin) + "ms";
            Sleep(20);
        }
    };
    answersFor("timer probes", 3000);
    REQUIRE(WaitUntil(kEchoTimeoutMs, [&] {
        answersFor("diagnosis", 100);
        return TickedIn(main, kTcpIpReset);
    }));
    SetTicks(main, {kTcpIpReset});
    PressRepair(main);
    answersFor("repair's probe", 5000);
    CHECK(FindTopLevel(app.Pid(), "#32770") == nullptr);  // still waiting for the probe host
    CHECK(WaitUntil(kEchoTimeoutMs, [&] {
        answersFor("repair's probe", 100);
        return LogHas("ipconfig /flushdns");
    }));
    answersFor("repair's loopback echo", 5000);
    CHECK(!LogHas("netsh int ip reset C:\\resetlog.txt"));  // still waiting for the loopback
    HWND box = nullptr;
    CHECK(WaitUntil(kEchoTimeoutMs, [&] {
        answersFor("repair's loopback echo", 100);
        box = WaitForMessageBox(app.Pid(), 0);
        return box != nullptr;
    }));
    answersFor("message box", 1000);
    if (!CHECK_EQ(0, unanswered)) std::printf("first unanswered:%s\n", firstMisses.c_str());
    CHECK(asked > 100);
    CHECK_EQ(kNotConnected, StatusOf(main));
    AnswerBox(app, TcpIpResetDone, {IDOK}, IDOK);
}

SCENARIO(closing_during_a_diagnosis_command_exits_at_once, "offline") {
    REQUIRE(CannedOutput("sc query Dhcp", ServiceRunning("Dhcp"), 20000));
    Quorvan app;
    HWND main = app.StartInForeground();
    REQUIRE(WaitUntil(kUiTimeoutMs, [] { return LogHas("sc query Dhcp"); }));
    PostMessageA(main, WM_CLOSE, 0, 0);
    DWORD code = 0xDEAD;
    CHECK(app.WaitForExit(5000, &code));
    CHECK_EQ(DWORD(0), code);
}

SCENARIO(closing_while_the_diagnosis_waits_for_the_loopback_exits_at_once, "silent") {
    HealthyTools();
    Quorvan app;
    HWND main = app.StartInForeground();
    // After the two service queries the diagnosis waits up to 10 s for the loopback.
    REQUIRE(WaitUntil(kUiTimeoutMs, [] { return LogHas("sc query Dnscache"); }));
    Sleep(500);
    CHECK(!LogHas("ipconfig/all"));
    PostMessageA(main, WM_CLOSE, 0, 0);
    DWORD code = 0xDEAD;
    CHECK(app.WaitForExit(5000, &code));
    CHECK_EQ(DWORD(0), code);
}

SCENARIO(status_line_follows_the_probe_host, "online") {
    // The loopback stops and starts answering echoes inside the scenario's
    // own network namespace; the timer's probes must notice both.
    const char kIgnoreEchoes[] = "Z:\\proc\\sys\\net\\ipv4\\icmp_echo_ignore_all";
    Quorvan app;
    HWND main = app.StartInForeground();
    CHECK_EQ(kConnected, StatusOf(main));
    REQUIRE(WriteBytes(kIgnoreEchoes, "1"));
    CHECK(WaitUntil(kEchoTimeoutMs, [&] { return StatusOf(main) == kNotConnected; }));
    REQUIRE(WriteBytes(kIgnoreEchoes, "0"));
    CHECK(WaitUntil(kEchoTimeoutMs, [&] { return StatusOf(main) == kConnected; }));
    CHECK(app.Answers(200));
    CHECK_EQ(std::string(), CommandLog());
}

SCENARIO(closing_while_repair_waits_for_the_probe_host_exits_at_once, "silent") {
    HealthyTools();
    Quorvan app;
    HWND main = app.StartInForeground();
    REQUIRE(WaitUntil(kEchoTimeoutMs, [&] { return TickedIn(main, kTcpIpReset); }));
    PressRepair(main);
    Sleep(1000);
    PostMessageA(main, WM_CLOSE, 0, 0);
    // What is left of the run shows nothing and runs nothing.
    bool boxSeen = false;
    DWORD code = 0xDEAD;
    CHECK(WaitUntil(5000, [&] {
        boxSeen = boxSeen || !MessageBoxesOf(app.Pid()).empty();
        return app.WaitForExit(0, &code);
    }, 1));
    CHECK(!boxSeen);
    CHECK_EQ(DWORD(0), code);
    CHECK_EQ(Lines({"sc query Dhcp", "sc query Dnscache", "ipconfig/all"}), CommandLog());
}

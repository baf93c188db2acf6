#include "repair/repair_sequence.h"

#include "app/window_created.h"
#include "repair/find_text.h"
#include "repair/service_items.h"
#include "repair/tool_commands.h"

namespace {

const char* const OnlineConfirmation = "当前系统已经连接到互联网，\r\n继续执行修复可能导致网络连接中断！";
const char* const NothingTickedNotice = "当前没有选择修复项目";
const char* const AddressSwitchedCaption = "自动获取IP地址 成功";
const char* const DnsSwitchedCaption = "自动获取DNS地址 成功";
const char* const HostsRestoredCaption = "修复host文件成功";
const char* const HostsNotRestoredNotice = "修复host文件失败";

// Only the main window's thread runs the sequence.
bool gSequenceRunning = false;

void SwitchToDhcp(WindowOperations& window, const RepairTools& tools)
{
    tools.run(FlushDnsCommand);
    Text out = tools.run(DhcpAddressCommand);
    // The phrase only comes when DHCP was on already; an actual switch to
    // DHCP prints nothing but the line end, like the DNS step.
    if (ContainsText(out, DhcpAlreadyOnPhrase) || out == BareLineEnd)
        window.SetItemCaption(RepairItem::AutoAddress, AddressSwitchedCaption);
    else
        window.ShowInfo(out, NoticeCaption);

    out = tools.run(DhcpDnsCommand);
    if (out == BareLineEnd)
        window.SetItemCaption(RepairItem::AutoAddress, DnsSwitchedCaption);
    else
        window.ShowInfo(out, NoticeCaption);
}

void ResetWinsock(WindowOperations& window, const RepairTools& tools)
{
    const Text out = tools.run(WinsockResetCommand);
    if (ContainsText(out, WinsockResetPhrase))
        window.SetItemCaption(RepairItem::WinsockReset, WinsockResetPhrase);
    else
        window.ShowInfo(out, NoticeCaption);
}

void StartService(WindowOperations& window, const RepairTools& tools, const ServiceItem& service)
{
    const Text out = tools.run(Text(ServiceStartCommand) + service.serviceName);
    if (ContainsText(out, ServiceStartPendingPhrase) || ContainsText(out, ServiceAlreadyRunningPhrase)) {
        window.SetItemCaption(service.item, service.startedCaption);
        window.SetTicked(service.item, false);
        return;
    }
    window.SetItemCaption(service.item, service.stoppedCaption);
    window.SetTicked(service.item, true);
    window.ShowInfo(out, NoticeCaption);
}

void StartDhcpClient(WindowOperations& window, const RepairTools& tools)
{
    StartService(window, tools, ServiceItems[0]);
}

void StartDnsClient(WindowOperations& window, const RepairTools& tools)
{
    StartService(window, tools, ServiceItems[1]);
}

void RestoreHosts(WindowOperations& window, const RepairTools& tools)
{
    if (tools.restoreHostsFile(window.SystemFolder()))
        window.SetItemCaption(RepairItem::HostsRestore, HostsRestoredCaption);
    else
        window.ShowInfo(HostsNotRestoredNotice, NoticeCaption);
}

void ResetTcpIp(WindowOperations& window, const RepairTools& tools)
{
    tools.run(FlushDnsCommand);
    // A stack that answers on the loopback needs no reinstalling.
    if (tools.echo(LoopbackAddress) != NoAnswer)
        return;
    window.ShowInfo(tools.run(TcpIpResetCommand + ResetLogPath(tools.windowsFolder())), NoticeCaption);
}

// The window as the rest of a run sees it once the window has gone: a
// message box then would pop up after the user closed the program.
class WhileWindowLasts : public WindowOperations {
public:
    WhileWindowLasts(WindowOperations& window, const std::function<bool()>& gone) : window_(window), gone_(gone) {}

    bool IsTicked(RepairItem item) override { return !Gone() && window_.IsTicked(item); }
    void SetTicked(RepairItem item, bool ticked) override
    {
        if (!Gone())
            window_.SetTicked(item, ticked);
    }
    void SetItemCaption(RepairItem item, const Text& text) override
    {
        if (!Gone())
            window_.SetItemCaption(item, text);
    }
    void SetStatusText(const Text& text) override
    {
        if (!Gone())
            window_.SetStatusText(text);
    }
    void ShowInfo(const Text& text, const Text& caption) override
    {
        if (!Gone())
            window_.ShowInfo(text, caption);
    }
    MessageResult AskYesNo(const Text& text, const Text& caption) override
    {
        return Gone() ? MessageResult::No : window_.AskYesNo(text, caption);
    }
    Text SystemFolder() override { return window_.SystemFolder(); }

private:
    bool Gone() const { return gone_ && gone_(); }

    WindowOperations& window_;
    const std::function<bool()>& gone_;
};

// The tools as the rest of a run sees them once the window has gone.
RepairTools StoppingWithTheWindow(const RepairTools& tools)
{
    if (!tools.windowGone)
        return tools;
    RepairTools stopping = tools;
    stopping.run = [&tools](const Text& commandLine) {
        return tools.windowGone() ? Text() : tools.run(commandLine);
    };
    stopping.echo = [&tools](const Text& host) { return tools.windowGone() ? NoAnswer : tools.echo(host); };
    return stopping;
}

struct RepairStep {
    RepairItem item;
    void (*repair)(WindowOperations& window, const RepairTools& tools);
};

// Not the order of the boxes on screen: the addresses before the resets,
// the resets before the services, the TCP/IP reset last.
const RepairStep RepairSteps[] = {
    {RepairItem::AutoAddress, SwitchToDhcp},    {RepairItem::WinsockReset, ResetWinsock},
    {RepairItem::DhcpClient, StartDhcpClient},  {RepairItem::DnsClient, StartDnsClient},
    {RepairItem::HostsRestore, RestoreHosts},   {RepairItem::TcpIpReset, ResetTcpIp},
};

bool AnythingTicked(WindowOperations& window)
{
    for (RepairItem item : AllRepairItems) {
        if (window.IsTicked(item))
            return true;
    }
    return false;
}

void RunSequence(WindowOperations& window, const RepairTools& tools)
{
    // Only a clear Yes goes on: a box that could not be shown ends the run too.
    if (tools.echo(ProbeHost) != NoAnswer &&
        window.AskYesNo(OnlineConfirmation, NoticeCaption) != MessageResult::Yes)
        return;
    if (!AnythingTicked(window)) {
        window.ShowInfo(NothingTickedNotice, NoticeCaption);
        return;
    }
    // Each tick is read when its item's turn comes: the user, or the
    // diagnosis, may still change the later ones while earlier items run.
    for (const RepairStep& step : RepairSteps) {
        if (window.IsTicked(step.item))
            step.repair(window, tools);
    }
}

}  // namespace

Text ResetLogPath(const Text& windowsFolder)
{
    const int colon = FindText(windowsFolder, ":");
    const Text drive = colon > 1 ? windowsFolder.substr(0, static_cast<size_t>(colon - 1)) : Text();
    return drive + ":\\resetlog.txt";
}

void RepairSequence(WindowOperations& window, const RepairTools& tools)
{
    if (gSequenceRunning)
        return;
    gSequenceRunning = true;
    WhileWindowLasts lasting(window, tools.windowGone);
    RunSequence(lasting, StoppingWithTheWindow(tools));
    gSequenceRunning = false;
}

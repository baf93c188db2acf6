#include "repair/diagnosis.h"

#include "repair/find_text.h"
#include "repair/service_items.h"
#include "repair/text_between.h"
#include "repair/tool_commands.h"

namespace {

void CheckService(WindowOperations& window, const CommandRunner& run, const ServiceItem& service)
{
    const Text out = run(Text(ServiceQueryCommand) + service.serviceName);
    const bool running = ContainsText(out, ServiceRunningPhrase);
    window.SetItemCaption(service.item, running ? service.startedCaption : service.stoppedCaption);
    window.SetTicked(service.item, !running);
}

void CheckLoopback(WindowOperations& window, const EchoTester& echo)
{
    // An answer leaves a tick the user set in place.
    if (echo(LoopbackAddress) == NoAnswer)
        window.SetTicked(RepairItem::TcpIpReset, true);
}

void CheckEthernetDhcp(WindowOperations& window, const CommandRunner& run)
{
    const Text config = run(FullIpConfigCommand);
    const Text section = TextBetween(config, EthernetSectionStart, TunnelSectionStart);
    const Text value = TextBetween(section, DhcpEnabledField, DhcpEnabledFieldEnd);
    // A setting that cannot be read counts as DHCP off.
    window.SetTicked(RepairItem::AutoAddress, value != DhcpEnabledYes);
}

// WinsockReset's own tick is not asked: it is what the fallback sets.
constexpr RepairItem FallbackBlockers[] = {
    RepairItem::AutoAddress, RepairItem::DhcpClient, RepairItem::DnsClient,
    RepairItem::HostsRestore, RepairItem::TcpIpReset,
};

void TickGeneralRepairsWhenNothingElse(WindowOperations& window)
{
    for (RepairItem item : FallbackBlockers) {
        if (window.IsTicked(item))
            return;
    }
    window.SetTicked(RepairItem::WinsockReset, true);
    window.SetTicked(RepairItem::HostsRestore, true);
}

}  // namespace

void StartupDiagnosis(WindowOperations& window, const CommandRunner& run, const EchoTester& echo)
{
    for (const ServiceItem& service : ServiceItems)
        CheckService(window, run, service);
    CheckLoopback(window, echo);
    CheckEthernetDhcp(window, run);
    TickGeneralRepairsWhenNothingElse(window);
}

#include "app/wiring.h"

const EventWiring EventWiringTable[] = {
    {Control::时钟1, ControlEvent::TimerTick, Handler::StatusTimerTick, RepairItem::AutoAddress},
    {Control::按钮1, ControlEvent::Clicked, Handler::RepairSequence, RepairItem::AutoAddress},
    {Control::标签4, ControlEvent::LeftButtonPressed, Handler::RepairBrowser, RepairItem::AutoAddress},
    {Control::标签3, ControlEvent::LeftButtonPressed, Handler::ShowHelp, RepairItem::AutoAddress},
    {Control::标签2, ControlEvent::LeftButtonPressed, Handler::OpenMorePage, RepairItem::AutoAddress},
    {Control::选择框1, ControlEvent::LeftButtonPressed, Handler::ShowExplanation, RepairItem::AutoAddress},
    {Control::选择框2, ControlEvent::LeftButtonPressed, Handler::ShowExplanation, RepairItem::WinsockReset},
    // The DHCP Client box explains itself on every click, keyboard ones included.
    {Control::选择框3, ControlEvent::Clicked, Handler::ShowExplanation, RepairItem::DhcpClient},
    {Control::选择框4, ControlEvent::LeftButtonPressed, Handler::ShowExplanation, RepairItem::DnsClient},
    {Control::选择框5, ControlEvent::LeftButtonPressed, Handler::ShowExplanation, RepairItem::HostsRestore},
    {Control::选择框6, ControlEvent::LeftButtonPressed, Handler::ShowExplanation, RepairItem::TcpIpReset},
};

const int EventWiringCount = sizeof EventWiringTable / sizeof EventWiringTable[0];

const EventWiring* FindWiring(Control control, ControlEvent event)
{
    for (const EventWiring& row : EventWiringTable) {
        if (row.control == control && row.event == event)
            return &row;
    }
    return nullptr;
}

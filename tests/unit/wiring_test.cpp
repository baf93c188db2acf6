#include <gtest/gtest.h>

#include "app/wiring.h"

namespace {

TEST(EventWiring, EachControlEventCallsItsHandler)
{
    const struct {
        Control control;
        ControlEvent event;
        Handler handler;
    } expected[] = {
        {Control::时钟1, ControlEvent::TimerTick, Handler::StatusTimerTick},
        {Control::按钮1, ControlEvent::Clicked, Handler::RepairSequence},
        {Control::标签4, ControlEvent::LeftButtonPressed, Handler::RepairBrowser},
        {Control::标签3, ControlEvent::LeftButtonPressed, Handler::ShowHelp},
        {Control::标签2, ControlEvent::LeftButtonPressed, Handler::OpenMorePage},
    };
    for (const auto& row : expected) {
        const EventWiring* wiring = FindWiring(row.control, row.event);
        ASSERT_NE(wiring, nullptr) << static_cast<int>(row.control);
        EXPECT_EQ(wiring->handler, row.handler);
    }
}

TEST(EventWiring, CheckBoxesExplainTheirOwnItemOnTheirOwnEvent)
{
    const struct {
        Control box;
        RepairItem item;
        ControlEvent shownOn;
        ControlEvent notOn;
    } expected[] = {
        {Control::选择框1, RepairItem::AutoAddress, ControlEvent::LeftButtonPressed, ControlEvent::Clicked},
        {Control::选择框2, RepairItem::WinsockReset, ControlEvent::LeftButtonPressed, ControlEvent::Clicked},
        // Explained after the click, so also when Space ticks it.
        {Control::选择框3, RepairItem::DhcpClient, ControlEvent::Clicked, ControlEvent::LeftButtonPressed},
        {Control::选择框4, RepairItem::DnsClient, ControlEvent::LeftButtonPressed, ControlEvent::Clicked},
        {Control::选择框5, RepairItem::HostsRestore, ControlEvent::LeftButtonPressed, ControlEvent::Clicked},
        {Control::选择框6, RepairItem::TcpIpReset, ControlEvent::LeftButtonPressed, ControlEvent::Clicked},
    };
    for (const auto& row : expected) {
        const EventWiring* wiring = FindWiring(row.box, row.shownOn);
        ASSERT_NE(wiring, nullptr) << static_cast<int>(row.box);
        EXPECT_EQ(wiring->handler, Handler::ShowExplanation);
        EXPECT_EQ(wiring->item, row.item);
        EXPECT_EQ(FindWiring(row.box, row.notOn), nullptr) << "explained twice per click";
    }
}

TEST(EventWiring, ControlsWithoutAnEventStayUnwired)
{
    const Control quiet[] = {Control::标签1, Control::分组框1, Control::气球提示框1};
    for (Control control : quiet) {
        for (ControlEvent event : {ControlEvent::LeftButtonPressed, ControlEvent::Clicked, ControlEvent::TimerTick})
            EXPECT_EQ(FindWiring(control, event), nullptr);
    }
    // A press on the Repair button is not a click: only the click repairs.
    EXPECT_EQ(FindWiring(Control::按钮1, ControlEvent::LeftButtonPressed), nullptr);
}

}  // namespace

#include <gtest/gtest.h>

#include <set>

#include "app/layout.h"

namespace {

TEST(ControlTable, ListsEveryControlOnceInStackingOrder)
{
    std::set<Control> seen;
    for (int row = 0; row < ControlCount; ++row) {
        const ControlLayout& layout = ControlTable[row];
        EXPECT_EQ(static_cast<int>(layout.control), row) << "row " << row << " is out of stacking order";
        EXPECT_TRUE(seen.insert(layout.control).second) << "row " << row << " repeats a control";
    }
    EXPECT_EQ(ControlTable[0].control, Control::标签4) << "the browser label is on top";
    EXPECT_EQ(ControlTable[ControlCount - 1].control, Control::分组框1) << "the group box lies beneath the boxes";
}

TEST(ControlTable, ItemsMapToTheirCheckBoxesBothWays)
{
    const struct {
        RepairItem item;
        Control box;
        const char* caption;
    } expected[] = {
        {RepairItem::AutoAddress, Control::选择框1, "自动获取IP\\DNS地址"},
        {RepairItem::WinsockReset, Control::选择框2, "重置 Winsock 目录"},
        {RepairItem::DhcpClient, Control::选择框3, "DHCP Client"},
        {RepairItem::DnsClient, Control::选择框4, "DNS Client"},
        {RepairItem::HostsRestore, Control::选择框5, "Host文件恢复"},
        {RepairItem::TcpIpReset, Control::选择框6, "重新安装 TCP/IP 协议"},
    };
    for (const auto& row : expected) {
        EXPECT_EQ(CheckBoxOf(row.item), row.box);
        RepairItem back = RepairItem::TcpIpReset;
        ASSERT_TRUE(RepairItemOfControl(row.box, &back));
        EXPECT_EQ(back, row.item);
        EXPECT_EQ(LayoutOf(row.box).kind, ControlKind::CheckBox);
        EXPECT_STREQ(LayoutOf(row.box).text, row.caption);
    }
    RepairItem unused;
    EXPECT_FALSE(RepairItemOfControl(Control::按钮1, &unused));
}

TEST(ControlTable, ControlIdsRoundTripAndStayClearOfDialogIds)
{
    for (const ControlLayout& layout : ControlTable) {
        const int id = ControlIdOf(layout.control);
        EXPECT_GT(id, 2) << "ids 1 and 2 are IDOK and IDCANCEL";
        ASSERT_NE(LayoutOfControlId(id), nullptr);
        EXPECT_EQ(LayoutOfControlId(id)->control, layout.control);
    }
    EXPECT_EQ(LayoutOfControlId(FirstControlId - 1), nullptr);
    EXPECT_EQ(LayoutOfControlId(FirstControlId + ControlCount), nullptr);
}

TEST(ControlTable, FacelessComponentsAreNeverShown)
{
    for (const ControlLayout& layout : ControlTable) {
        const bool faceless = layout.kind == ControlKind::BalloonTip || layout.kind == ControlKind::Timer;
        EXPECT_EQ(layout.shown, !faceless) << "row " << static_cast<int>(layout.control);
    }
}

TEST(LabelLooks, EachLabelHasItsColourFontAndPointer)
{
    const struct {
        Control label;
        unsigned long colour;
        LabelFontChoice font;
        bool hand;
    } expected[] = {
        {Control::标签1, 0x00FF0000, LabelFontChoice::DefaultGuiFont, false},
        {Control::标签4, 0x00FF0000, LabelFontChoice::DefaultGuiFont, true},
        {Control::标签3, 0x000000FF, LabelFontChoice::LabelFont, true},
        {Control::标签2, 0x00000000, LabelFontChoice::LabelFont, true},
    };
    for (const auto& row : expected) {
        const LabelLook* look = LabelLookOf(row.label);
        ASSERT_NE(look, nullptr);
        EXPECT_EQ(look->textColour, row.colour);
        EXPECT_EQ(look->font, row.font);
        EXPECT_EQ(look->handPointer, row.hand);
        EXPECT_EQ(LayoutOf(row.label).kind, ControlKind::Label);
    }
    EXPECT_EQ(LabelLookOf(Control::选择框1), nullptr);
}

TEST(CentredPlace, UsesIntegerHalvesOfTheSpareScreen)
{
    EXPECT_EQ(CentredPlace(1024, 768).left, 386);
    EXPECT_EQ(CentredPlace(1024, 768).top, 236);
    EXPECT_EQ(CentredPlace(800, 600).left, 274);  // 549 / 2
    EXPECT_EQ(CentredPlace(800, 600).top, 152);   // 305 / 2
}

TEST(StatusLine, LayoutTextEndsInTheFullWidthColon)
{
    const std::string text = StatusLineLayoutText;
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\xA3\xBA");
    EXPECT_STREQ(LayoutOf(Control::标签1).text, StatusLineLayoutText);
}

}  // namespace

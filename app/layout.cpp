#include "app/layout.h"

const ControlLayout ControlTable[ControlCount] = {
    {Control::标签4, ControlKind::Label, 138, 241, 38, 16, "修复IE", true},
    {Control::标签3, ControlKind::Label, 180, 241, 23, 16, "帮助", true},
    {Control::气球提示框1, ControlKind::BalloonTip, 6, 224, 40, 20, "", false},
    {Control::标签2, ControlKind::Label, 207, 241, 25, 16, "更多", true},
    {Control::时钟1, ControlKind::Timer, -6, 152, 24, 20, "", false},
    {Control::标签1, ControlKind::Label, 22, 0, 200, 32, "当前网络状态：", true},
    {Control::选择框6, ControlKind::CheckBox, 33, 163, 178, 20, "重新安装 TCP/IP 协议", true},
    {Control::选择框5, ControlKind::CheckBox, 33, 135, 178, 20, "Host文件恢复", true},
    {Control::选择框2, ControlKind::CheckBox, 33, 110, 178, 20, "重置 Winsock 目录", true},
    {Control::选择框1, ControlKind::CheckBox, 33, 85, 178, 20, "自动获取IP\\DNS地址", true},
    {Control::按钮1, ControlKind::PushButton, 82, 202, 80, 30, "修复", true},
    {Control::选择框4, ControlKind::CheckBox, 33, 60, 178, 20, "DNS Client", true},
    {Control::选择框3, ControlKind::CheckBox, 33, 35, 178, 20, "DHCP Client", true},
    {Control::分组框1, ControlKind::GroupBox, 18, 26, 208, 166, "", true},
};

const LabelLook LabelLooks[LabelCount] = {
    {Control::标签1, 0x00FF0000, LabelFontChoice::DefaultGuiFont, false},  // blue
    {Control::标签4, 0x00FF0000, LabelFontChoice::DefaultGuiFont, true},   // blue
    {Control::标签3, 0x000000FF, LabelFontChoice::LabelFont, true},        // red
    {Control::标签2, 0x00000000, LabelFontChoice::LabelFont, true},        // black
};

const char* const MainWindowTitle = "Quorvan";
const char* const StatusLineLayoutText = "当前网络状态：";

int ControlIdOf(Control control)
{
    return FirstControlId + static_cast<int>(control);
}

const ControlLayout* LayoutOfControlId(int controlId)
{
    const int index = controlId - FirstControlId;
    if (index < 0 || index >= ControlCount)
        return nullptr;
    return &ControlTable[index];
}

const ControlLayout& LayoutOf(Control control)
{
    return ControlTable[static_cast<int>(control)];
}

static const Control CheckBoxByItem[RepairItemCount] = {
    Control::选择框1, Control::选择框2, Control::选择框3,
    Control::选择框4, Control::选择框5, Control::选择框6,
};

Control CheckBoxOf(RepairItem item)
{
    return CheckBoxByItem[static_cast<int>(item)];
}

bool RepairItemOfControl(Control control, RepairItem* item)
{
    for (RepairItem candidate : AllRepairItems) {
        if (CheckBoxOf(candidate) == control) {
            *item = candidate;
            return true;
        }
    }
    return false;
}

const LabelLook* LabelLookOf(Control control)
{
    for (const LabelLook& look : LabelLooks) {
        if (look.label == control)
            return &look;
    }
    return nullptr;
}

ScreenPlace CentredPlace(int screenWidth, int screenHeight)
{
    return {(screenWidth - MainWindowOuterWidth) / 2, (screenHeight - MainWindowOuterHeight) / 2};
}

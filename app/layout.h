#pragma once
#include "app/repair_item.h"

// The main window's fourteen controls, named as in the window's design.
// Listed in stacking order: the first is on top, the group box at the bottom
// beneath the check boxes it frames. Controls are created in this order.
enum class Control {
    标签4, 标签3, 气球提示框1, 标签2, 时钟1, 标签1, 选择框6,
    选择框5, 选择框2, 选择框1, 按钮1, 选择框4, 选择框3, 分组框1,
};
constexpr int ControlCount = 14;

enum class ControlKind { Label, BalloonTip, Timer, CheckBox, PushButton, GroupBox };

struct ControlLayout {
    Control control;
    ControlKind kind;
    int left, top, width, height;  // client coordinates of the main window
    const char* text;
    bool shown;
};

extern const ControlLayout ControlTable[ControlCount];

// Control ids start above IDOK and IDCANCEL so the dialog keys never
// mistake a control for them.
constexpr int FirstControlId = 1001;
int ControlIdOf(Control control);
// Null when the id belongs to no control of the table.
const ControlLayout* LayoutOfControlId(int controlId);
const ControlLayout& LayoutOf(Control control);

Control CheckBoxOf(RepairItem item);
// False when the control is not one of the six check boxes.
bool RepairItemOfControl(Control control, RepairItem* item);

// How the program draws its labels. Colours are COLORREF values (0x00BBGGRR).
enum class LabelFontChoice { DefaultGuiFont, LabelFont };
struct LabelLook {
    Control label;
    unsigned long textColour;
    LabelFontChoice font;
    bool handPointer;
};
constexpr int LabelCount = 4;
extern const LabelLook LabelLooks[LabelCount];
// Null when the control is not a label.
const LabelLook* LabelLookOf(Control control);

// The main window itself.
extern const char* const MainWindowTitle;
constexpr int MainWindowOuterWidth = 251;
constexpr int MainWindowOuterHeight = 295;
struct ScreenPlace { int left, top; };
ScreenPlace CentredPlace(int screenWidth, int screenHeight);

// The status line's text before the first probe; every status text starts with it.
extern const char* const StatusLineLayoutText;

constexpr unsigned StatusTimerId = 1000;
constexpr unsigned StatusTimerPeriodMs = 2000;

// The fourteen children of the main window, in z-order, as the form lays
// them out: ids, classes, places, texts, visibility and styles.
#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/quorvan.h"
#include "tests/e2e/driver/scenario.h"
#include "tests/e2e/driver/ui.h"
#include "tests/e2e/driver/wait.h"

#include <iterator>

namespace {

enum Kind { kLabel, kComponent, kCheckBox, kPushButton, kGroupBox };

struct Expected {
    const char* name;  // the form designer's name, for failure lines
    Kind kind;
    int x, y, w, h;
    const char* text;
    bool visible;
};

// Row i (from 0) has id 1001 + i.
const Expected kControls[] = {
    {"标签4", kLabel, 138, 241, 38, 16, "修复IE", true},
    {"标签3", kLabel, 180, 241, 23, 16, "帮助", true},
    {"气球提示框1", kComponent, 6, 224, 40, 20, "", false},
    {"标签2", kLabel, 207, 241, 25, 16, "更多", true},
    {"时钟1", kComponent, -6, 152, 24, 20, "", false},
    {"标签1", kLabel, 22, 0, 200, 32, "当前网络状态：", true},
    {"选择框6", kCheckBox, 33, 163, 178, 20, "重新安装 TCP/IP 协议", true},
    {"选择框5", kCheckBox, 33, 135, 178, 20, "Host文件恢复", true},
    {"选择框2", kCheckBox, 33, 110, 178, 20, "重置 Winsock 目录", true},
    {"选择框1", kCheckBox, 33, 85, 178, 20, "自动获取IP\\DNS地址", true},
    {"按钮1", kPushButton, 82, 202, 80, 30, "修复", true},
    {"选择框4", kCheckBox, 33, 60, 178, 20, "DNS Client", true},
    {"选择框3", kCheckBox, 33, 35, 178, 20, "DHCP Client", true},
    {"分组框1", kGroupBox, 18, 26, 208, 166, "", true},
};
constexpr int kStatusRow = 5;

const char* ClassFor(Kind k) {
    switch (k) {
        case kLabel: return "QuorvanLabel";
        case kComponent: return "QuorvanComponent";
        default: return "Button";
    }
}

void CheckStyle(const Expected& e, const Control& c) {
    const DWORD visible = e.visible ? WS_VISIBLE : 0;
    switch (e.kind) {
        case kCheckBox:
            CHECK_EQ(check::Hex(BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER | WS_CHILD |
                                WS_CLIPSIBLINGS | WS_TABSTOP | visible),
                     check::Hex(c.style));
            CHECK_EQ(0, CheckStateOf(c.hwnd));
            break;
        case kPushButton: {
            // The program paints it itself, so it is owner-drawn; nothing
            // else about it changes.
            CHECK_EQ(check::Hex(BS_OWNERDRAW), check::Hex(c.style & BS_TYPEMASK));
            CHECK_EQ(check::Hex(BS_MULTILINE | BS_CENTER | BS_VCENTER | BS_ICON | WS_CHILD |
                                WS_CLIPSIBLINGS | WS_TABSTOP | visible),
                     check::Hex(c.style & ~DWORD(BS_TYPEMASK)));
            DWORD_PTR icon = 0;
            SendMessageTimeoutA(c.hwnd, BM_GETIMAGE, IMAGE_ICON, 0, SMTO_NORMAL, 2000, &icon);
            CHECK(icon != 0);
            break;
        }
        case kGroupBox:
            // The low word holds the button-class styles.
            CHECK_EQ(check::Hex(BS_GROUPBOX | BS_LEFT), check::Hex(c.style & 0xFFFF));
            break;
        default:
            break;
    }
}

}  // namespace

SCENARIO(main_window_controls, "online") {
    Quorvan app;
    REQUIRE(app.Start());
    HWND main = app.WaitForMainWindow(kStartTimeoutMs);
    REQUIRE(main != nullptr);

    const std::vector<Control> children = ChildrenOf(main);
    CHECK_EQ(size_t(std::size(kControls)), children.size());
    for (size_t i = 0; i < std::size(kControls) && i < children.size(); ++i) {
        const Expected& e = kControls[i];
        const Control& c = children[i];
        check::Context row(std::to_string(i + 1) + " " + e.name);
        CHECK_EQ(int(1001 + i), c.id);
        CHECK_EQ(std::string(ClassFor(e.kind)), c.className);
        CHECK_EQ(e.x, int(c.rect.left));
        CHECK_EQ(e.y, int(c.rect.top));
        CHECK_EQ(e.w, int(c.rect.right - c.rect.left));
        CHECK_EQ(e.h, int(c.rect.bottom - c.rect.top));
        CHECK_EQ(e.visible, c.visible);
        if (int(i) == kStatusRow) {
            // The first probe replaces the layout text with a status after it.
            if (!CHECK(c.text.rfind(e.text, 0) == 0)) CHECK_EQ(std::string(e.text), c.text);
        } else {
            CHECK_EQ(std::string(e.text), c.text);
        }
        CheckStyle(e, c);
    }
}

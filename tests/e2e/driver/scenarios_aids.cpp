// The explanation balloons of the six check boxes: the text of each, where
// the balloon appears, how it looks, that it leaves the focus and the tick
// alone, that a new one replaces an open one and that it goes by itself.
#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/input.h"
#include "tests/e2e/driver/quorvan.h"
#include "tests/e2e/driver/scenario.h"
#include "tests/e2e/driver/ui.h"
#include "tests/e2e/driver/wait.h"

#include <string>
#include <vector>

namespace {

// The balloon is a top-level pop-up of this class, owned by the main window.
const char kBalloonClass[] = "QuorvanBalloon";
// It closes itself after 3 s; a loaded machine gets twice that.
constexpr DWORD kBalloonGoneMs = 6000;
// "No balloon appears" is watched for this long.
constexpr DWORD kQuietMs = 1500;
// How far from the pointer the balloon's nearest edge may be.
constexpr int kNearPx = 40;

struct Item {
    const char* name;
    int id;
    bool onPress;  // shown on the left-button press; false: on the click
    const char* text;
};

const Item kItems[] = {
    {"AutoAddress", 1010, true, "修改网络设置为自动获取IP\\DNS地址。"},
    {"WinsockReset", 1009, true,
     "如果一台机器上的Winsock协议配置有问题的话将会导致网络连接等问题，\r\n就需要用netsh winsock reset"
     "命令来重置Winsock目录借以恢复网络。\r\n这个命令可以重新初始化网络环境，以解决由于软件冲突、 病毒原因造\r\n"
     "成的参数错误问题。"},
    {"DnsClient", 1012, true,
     "DNS 客户端服务(dnscache)缓存域名系统(DNS)名称并注册该计算机的完整计算机名称。\r\n如果该服务被停止，"
     "将继续解析 DNS 名称。然而，将不缓存 DNS 名称的查询结果，\r\n且不注册计算机名称。如果该服务被禁用，"
     "则任何明确依赖于它的服务都将无法启动。"},
    {"HostsRestore", 1008, true,
     "Hosts是一个没有扩展名的系统文件，可以用记事本等工具打开，\r\n其作用就是将一些常用的网址域名与其对应的IP地址"
     "建立一个关\r\n联数据库，当用户在浏览器中输入一个需要登录的网址时，系统\r\n会首先自动从Hosts文件中寻找对应的"
     "IP地址，一旦找到，系统\r\n会立即打开对应网页，如果没有找到，则系统再会将网址提交DNS\r\n域名解析服务器进行IP"
     "地址的解析。"},
    {"TcpIpReset", 1007, true, "当TCP/IP协议出错时，可以重新安装TCP/IP协议。"},
    {"DhcpClient", 1013, false,
     "为此计算机注册并更新 IP 地址。如果此服务停止，计算机将不能接收动态 IP\r\n 地址和 DNS 更新。"
     "如果此服务被禁用，所有明确依赖它的服务都将不能启动。"},
};
constexpr int kDhcpBox = 1013;
constexpr int kDnsBox = 1012;

// Every visible balloon of the program.
std::vector<HWND> Balloons(DWORD pid) {
    return VisibleTopLevelsOf(pid, kBalloonClass);
}

// Waits for exactly one balloon showing the text; nullptr after the deadline.
HWND WaitForBalloon(DWORD pid, const std::string& text) {
    HWND balloon = nullptr;
    WaitUntil(kUiTimeoutMs, [&] {
        const std::vector<HWND> all = Balloons(pid);
        balloon = all.size() == 1 && TextOf(all[0]) == text ? all[0] : nullptr;
        return balloon != nullptr;
    });
    return balloon;
}

POINT Pointer() {
    POINT p{};
    GetCursorPos(&p);
    return p;
}

// Pixels from the point to the nearest pixel of the rectangle (0: inside).
int DistanceTo(const RECT& r, POINT p) {
    const int dx = p.x < r.left ? r.left - p.x : p.x >= r.right ? p.x - r.right + 1 : 0;
    const int dy = p.y < r.top ? r.top - p.y : p.y >= r.bottom ? p.y - r.bottom + 1 : 0;
    return dx > dy ? dx : dy;
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}

// The colour of a screen pixel once the balloon has reached the screen: a
// window counts as visible a moment before its pixels are there.
COLORREF SettledPixel(int x, int y, COLORREF wanted) {
    WaitUntil(kUiTimeoutMs, [&] { return ScreenPixel(x, y) == wanted; });
    return ScreenPixel(x, y);
}

// Moves the pointer as a mouse would, away from the program's windows.
// Under Wine the program may still handle a move from the last click and
// take the pointer back there for a moment; the move counts once the
// program has caught up and the pointer stays put.
void MovePointer(const Quorvan& app, POINT to) {
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = (to.x * 65535 + cx / 2) / (cx - 1);
    move.mi.dy = (to.y * 65535 + cy / 2) / (cy - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof move);
    SetCursorPos(to.x, to.y);
    // Wine trusts a fresh position for 100 ms before it asks X again.
    constexpr DWORD kSteadyMs = 150;
    DWORD steadySince = 0;
    bool steady = false;
    REQUIRE(WaitUntil(kUiTimeoutMs, [&] {
        app.Answers(kUiTimeoutMs);
        const POINT now = Pointer();
        if (now.x != to.x || now.y != to.y) {
            steady = false;
            SetCursorPos(to.x, to.y);
            return false;
        }
        if (!steady) steadySince = GetTickCount();
        steady = true;
        return GetTickCount() - steadySince >= kSteadyMs;
    }));
}

// Whether window a lies above window b in the order of top-level windows.
bool Above(HWND a, HWND b) {
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (h == a) return true;
        if (h == b) return false;
    }
    return false;
}

// Where, how and whose: near the pointer but not under it, inside the work
// area, a topmost tool window of the main window that cannot be activated,
// above the main window; on the screen, a light-yellow face in a black frame.
// Under Wine without a window manager, a window given the keyboard focus is
// raised above all others on the screen, topmost ones included; a balloon
// opened by a press, before the box takes the focus, is then hidden there
// though it is above in the window order. Its pixels are looked at only
// where the focus stays put (onScreen).
void CheckBalloon(HWND balloon, HWND main, POINT pointer, bool onScreen) {
    RECT r{};
    GetWindowRect(balloon, &r);
    check::Context where("balloon " + std::to_string(r.left) + "," + std::to_string(r.top) + "-" +
                         std::to_string(r.right) + "," + std::to_string(r.bottom) + ", pointer " +
                         std::to_string(pointer.x) + "," + std::to_string(pointer.y));
    CHECK(DistanceTo(r, pointer) > 0);
    CHECK(DistanceTo(r, pointer) <= kNearPx);
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    CHECK(r.left >= work.left && r.top >= work.top && r.right <= work.right && r.bottom <= work.bottom);

    const DWORD style = DWORD(GetWindowLongA(balloon, GWL_STYLE));
    const DWORD exStyle = DWORD(GetWindowLongA(balloon, GWL_EXSTYLE));
    CHECK_EQ(check::Hex(WS_POPUP), check::Hex(style & (WS_POPUP | WS_CHILD)));
    CHECK_EQ(check::Hex(0), check::Hex(style & (WS_CAPTION | WS_THICKFRAME)));
    const DWORD wanted = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    CHECK_EQ(check::Hex(wanted), check::Hex(exStyle & wanted));
    CHECK(GetWindow(balloon, GW_OWNER) == main);
    CHECK(Above(balloon, main));
    if (!onScreen) return;

    // The frame's corners and a point of the face between frame and text.
    const COLORREF black = RGB(0, 0, 0), face = RGB(255, 255, 225);
    CHECK_EQ(check::Hex(black), check::Hex(SettledPixel(r.left, r.top, black)));
    CHECK_EQ(check::Hex(black), check::Hex(SettledPixel(r.right - 1, r.bottom - 1, black)));
    CHECK_EQ(check::Hex(face), check::Hex(SettledPixel(r.left + 2, r.top + 2, face)));
}

}  // namespace

// Online, so no start-up diagnosis ticks boxes behind the scenario's back.
SCENARIO(each_check_box_explains_itself_in_one_balloon, "online") {
    Quorvan app;
    HWND main = app.StartInForeground();

    for (const Item& item : kItems) {
        check::Context row(item.name);
        HWND box = GetDlgItem(main, item.id);
        REQUIRE(box != nullptr);
        const int before = CheckStateOf(box);
        REQUIRE(before == BST_UNCHECKED || before == BST_CHECKED);
        const int after = before == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        HWND balloon = nullptr;
        POINT pointer{};
        if (item.onPress) {
            // Shown on the press itself, before the box acts on it.
            PressLeftAt(box);
            balloon = WaitForBalloon(app.Pid(), item.text);
            pointer = Pointer();
            CHECK_EQ(before, CheckStateOf(box));
            ReleaseLeft();
        } else {
            ClickCentre(box);
            balloon = WaitForBalloon(app.Pid(), item.text);
            pointer = Pointer();
        }
        // The one balloon of the program shows this item's text; any earlier one is gone.
        if (!CHECK(balloon != nullptr)) {
            const std::vector<HWND> all = Balloons(app.Pid());
            CHECK_EQ(size_t(1), all.size());
            if (!all.empty()) CHECK_EQ(std::string(item.text), TextOf(all[0]));
            continue;
        }
        // Only the DHCP Client box opens its balloon after taking the focus.
        CheckBalloon(balloon, main, pointer, !item.onPress);

        // The box still takes the click: toggled, focused, and the main window stays active.
        CHECK(WaitUntil(kUiTimeoutMs, [&] { return CheckStateOf(box) == after; }));
        CHECK(WaitUntil(kUiTimeoutMs, [&] { return app.FocusedId() == item.id; }));
        CHECK(GetForegroundWindow() == main);
    }

    // The last balloon, left alone, closes itself.
    CHECK(WaitUntil(kBalloonGoneMs, [&] { return Balloons(app.Pid()).empty(); }));
    CHECK(app.Running());
    CHECK(IsWindowVisible(main));
}

SCENARIO(dhcp_box_explains_every_click_at_the_pointer_space_included, "online") {
    Quorvan app;
    HWND main = app.StartInForeground();
    HWND dhcp = GetDlgItem(main, kDhcpBox);
    HWND dns = GetDlgItem(main, kDnsBox);
    REQUIRE(dhcp != nullptr && dns != nullptr);
    const std::string dhcpText = kItems[5].text;

    const int dhcpBefore = CheckStateOf(dhcp);
    REQUIRE(dhcpBefore == BST_UNCHECKED || dhcpBefore == BST_CHECKED);
    ClickCentre(dhcp);
    REQUIRE(WaitForBalloon(app.Pid(), dhcpText) != nullptr);
    REQUIRE(WaitUntil(kUiTimeoutMs, [&] { return app.FocusedId() == kDhcpBox; }));
    REQUIRE(WaitUntil(kUiTimeoutMs, [&] { return CheckStateOf(dhcp) != dhcpBefore; }));

    // Space toggles the box back and shows the text again where the pointer
    // now is, far from the box.
    {
        check::Context step("Space on the DHCP Client box");
        const POINT away{60, 80};
        MovePointer(app, away);
        PressKey(VK_SPACE);
        HWND moved = nullptr;
        CHECK(WaitUntil(kUiTimeoutMs, [&] {
            const std::vector<HWND> all = Balloons(app.Pid());
            RECT r{};
            moved = all.size() == 1 && GetWindowRect(all[0], &r) && DistanceTo(r, away) <= kNearPx ? all[0] : nullptr;
            return moved != nullptr;
        }));
        if (moved) {
            CHECK_EQ(dhcpText, TextOf(moved));
            CheckBalloon(moved, main, away, true);
        }
        CHECK(WaitUntil(kUiTimeoutMs, [&] { return CheckStateOf(dhcp) == dhcpBefore; }));
        CHECK_EQ(kDhcpBox, app.FocusedId());
    }

    // Space on any other box toggles it without a word.
    {
        check::Context step("Space on the DNS Client box");
        const int dnsBefore = CheckStateOf(dns);
        ClickCentre(dns);
        REQUIRE(WaitUntil(kUiTimeoutMs, [&] { return app.FocusedId() == kDnsBox; }));
        REQUIRE(WaitUntil(kUiTimeoutMs, [&] { return CheckStateOf(dns) != dnsBefore; }));
        const POINT away{900, 80};
        MovePointer(app, away);
        PressKey(VK_SPACE);
        CHECK(WaitUntil(kUiTimeoutMs, [&] { return CheckStateOf(dns) == dnsBefore; }));
        const bool appeared = WaitUntil(kQuietMs, [&] {
            for (HWND b : Balloons(app.Pid())) {
                RECT r{};
                if (GetWindowRect(b, &r) && DistanceTo(r, away) <= kNearPx) return true;
            }
            return false;
        });
        CHECK(!appeared);
    }
}

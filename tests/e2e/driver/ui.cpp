#include "tests/e2e/driver/ui.h"

namespace {
// A hung program must fail a check, not hang the driver.
constexpr UINT kAnswerMs = 2000;

LRESULT Ask(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool* answered = nullptr) {
    DWORD_PTR result = 0;
    bool ok = SendMessageTimeoutA(hwnd, msg, wp, lp, SMTO_NORMAL, kAnswerMs, &result) != 0;
    if (answered) *answered = ok;
    return LRESULT(result);
}
}  // namespace

std::string ClassOf(HWND hwnd) {
    char buf[256] = "";
    GetClassNameA(hwnd, buf, sizeof buf);
    return buf;
}

std::string TextOf(HWND hwnd) {
    LRESULT n = Ask(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::string buf(size_t(n) + 2, '\0');
    LRESULT got = Ask(hwnd, WM_GETTEXT, WPARAM(buf.size()), LPARAM(&buf[0]));
    buf.resize(size_t(got < 0 ? 0 : got));
    return buf;
}

RECT ClientRectOf(HWND hwnd, HWND parent) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

Control Describe(HWND hwnd, HWND parent) {
    Control c{};
    c.hwnd = hwnd;
    c.id = GetDlgCtrlID(hwnd);
    c.className = ClassOf(hwnd);
    c.text = TextOf(hwnd);
    c.rect = ClientRectOf(hwnd, parent);
    c.style = DWORD(GetWindowLongA(hwnd, GWL_STYLE));
    c.exStyle = DWORD(GetWindowLongA(hwnd, GWL_EXSTYLE));
    c.visible = IsWindowVisible(hwnd) != FALSE;
    return c;
}

std::vector<Control> ChildrenOf(HWND parent) {
    std::vector<Control> all;
    for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        all.push_back(Describe(h, parent));
    return all;
}

int CheckStateOf(HWND hwnd) {
    bool answered = false;
    LRESULT state = Ask(hwnd, BM_GETCHECK, 0, 0, &answered);
    return answered ? int(state) : -1;
}

HWND FocusOf(DWORD thread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

HANDLE PropOf(HWND hwnd, const char* name) { return GetPropA(hwnd, name); }

namespace {

struct TopLevelSearch {
    DWORD pid;
    std::string className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<TopLevelSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && IsWindowVisible(hwnd) && ClassOf(hwnd) == search->className)
        search->found.push_back(hwnd);
    return TRUE;
}

}  // namespace

std::vector<HWND> VisibleTopLevelsOf(DWORD pid, const std::string& className) {
    TopLevelSearch search{pid, className, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

#include "tests/e2e/driver/msgbox.h"

#include "tests/e2e/driver/input.h"
#include "tests/e2e/driver/ui.h"
#include "tests/e2e/driver/wait.h"

MessageBoxInfo DescribeMessageBox(HWND box) {
    MessageBoxInfo info{};
    info.hwnd = box;
    info.caption = TextOf(box);
    if (HWND text = GetDlgItem(box, 0xFFFF)) info.text = TextOf(text);
    for (int id = IDOK; id <= IDNO; ++id) {
        HWND b = GetDlgItem(box, id);
        if (b && IsWindowVisible(b)) info.buttons.push_back(id);
    }
    info.owner = GetWindow(box, GW_OWNER);
    return info;
}

std::vector<HWND> MessageBoxesOf(DWORD pid) {
    return VisibleTopLevelsOf(pid, "#32770");
}

HWND WaitForMessageBox(DWORD pid, DWORD timeoutMs) {
    HWND box = nullptr;
    WaitUntil(timeoutMs, [&] {
        std::vector<HWND> all = MessageBoxesOf(pid);
        box = all.empty() ? nullptr : all.front();
        return box != nullptr;
    });
    return box;
}

bool PressMessageBoxButton(HWND box, int id) {
    HWND button = GetDlgItem(box, id);
    if (!button || !IsWindowVisible(button)) return false;
    ClickCentre(button);
    return true;
}

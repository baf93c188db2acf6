#include "app/main_window.h"
#include "app/main_window_operations.h"
#include "app/system_folder.h"

#include <shlobj.h>

namespace {

HWND CheckBox(RepairItem item)
{
    return ControlHandle(CheckBoxOf(item));
}

MessageResult ShowBox(const Text& text, const Text& caption, UINT buttons)
{
    // Disabling the window for the box takes the focus from its control;
    // give it back afterwards, so the keyboard goes on where it was.
    const HWND mainWindow = MainWindowHandle();
    const HWND focus = GetFocus();
    // No owner and task-modal: every window of this thread is disabled while the box is open.
    const int boxId = MessageBoxA(nullptr, text.c_str(), caption.c_str(), buttons | MB_TASKMODAL);
    const HWND focusNow = GetFocus();
    if (mainWindow != nullptr && focus != nullptr && IsChild(mainWindow, focus) &&
        (focusNow == nullptr || focusNow == mainWindow))
        SetFocus(focus);
    return MessageResultFromBoxId(boxId);
}

}  // namespace

bool IsTicked(RepairItem item)
{
    const HWND box = CheckBox(item);
    return box != nullptr && SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetTicked(RepairItem item, bool ticked)
{
    const HWND box = CheckBox(item);
    if (box != nullptr)
        SendMessageA(box, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void SetItemCaption(RepairItem item, const Text& text)
{
    const HWND box = CheckBox(item);
    if (box != nullptr)
        SetWindowTextA(box, text.c_str());
}

void SetStatusText(const Text& text)
{
    const HWND statusLine = ControlHandle(Control::标签1);
    if (statusLine == nullptr)
        return;
    SetWindowTextA(statusLine, text.c_str());
    InvalidateRect(statusLine, nullptr, FALSE);
}

void ShowInfo(const Text& text, const Text& caption)
{
    ShowBox(text, caption, MB_OK);
}

MessageResult AskYesNo(const Text& text, const Text& caption)
{
    return ShowBox(text, caption, MB_YESNO);
}

Text SystemFolder()
{
    char path[MAX_PATH + 1] = {};
    LPITEMIDLIST items = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_SYSTEM, &items)) && items != nullptr) {
        if (!SHGetPathFromIDListA(items, path))
            path[0] = '\0';
        CoTaskMemFree(items);
    }
    return SystemFolderFromPath(path);
}

bool MainWindowOperations::IsTicked(RepairItem item) { return ::IsTicked(item); }
void MainWindowOperations::SetTicked(RepairItem item, bool ticked) { ::SetTicked(item, ticked); }
void MainWindowOperations::SetItemCaption(RepairItem item, const Text& text) { ::SetItemCaption(item, text); }
void MainWindowOperations::SetStatusText(const Text& text) { ::SetStatusText(text); }
void MainWindowOperations::ShowInfo(const Text& text, const Text& caption) { ::ShowInfo(text, caption); }
MessageResult MainWindowOperations::AskYesNo(const Text& text, const Text& caption)
{
    return ::AskYesNo(text, caption);
}
Text MainWindowOperations::SystemFolder() { return ::SystemFolder(); }

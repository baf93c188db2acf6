#include "app/aids.h"

#include <windows.h>

#include <shellapi.h>

#include "app/balloon.h"
#include "app/explanations.h"
#include "app/help.h"
#include "app/main_window_operations.h"
#include "app/more_page.h"

void ShowHelp()
{
    ShowInfo(HelpText, HelpCaption);
}

void OpenMorePage()
{
    ShellExecuteA(nullptr, "open", MorePageAddress, nullptr, nullptr, SW_SHOWNORMAL);
}

void ShowExplanation(RepairItem item)
{
    // One reading, so the point is where the pointer was at one moment.
    POINT pointer = {};
    if (!GetCursorPos(&pointer))
        return;
    ShowBalloon(pointer.x, pointer.y, ExplanationText(item));
}

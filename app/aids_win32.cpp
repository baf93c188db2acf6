#include "app/aids.h"

#include "app/help.h"
#include "app/main_window_operations.h"

void ShowHelp()
{
    ShowInfo(HelpText, HelpCaption);
}

void OpenMorePage()
{
}

void ShowExplanation(RepairItem)
{
}

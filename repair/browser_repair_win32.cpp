#include "repair/browser_repair.h"

void RepairBrowser()
{
}

void RemoveBrowserScript()
{
}

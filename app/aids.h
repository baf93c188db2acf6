#pragma once
#include "app/repair_item.h"

// The help box.
void ShowHelp();
// Opens the web page with more about fixing a connection.
void OpenMorePage();
// The item's explanation in a balloon at the pointer.
void ShowExplanation(RepairItem item);

#pragma once
#include "app/repair_item.h"

// What each repair item does, shown in a balloon when its check box is pressed.
// GBK text; the lines break at the CR LF pairs.
const char* ExplanationText(RepairItem item);

#pragma once
#include "app/repair_item.h"

// The two repair items that stand for a system service. The diagnosis and
// the repair sequence give them the same captions for the same finding.
struct ServiceItem {
    RepairItem item;
    const char* serviceName;
    const char* startedCaption;
    const char* stoppedCaption;
};

constexpr int ServiceItemCount = 2;
extern const ServiceItem ServiceItems[ServiceItemCount];

#pragma once
#include "app/message_result.h"
#include "app/repair_item.h"
#include "repair/text.h"

// What the diagnosis and repair code may do to the main window. The live
// window implements it; tests substitute a model of the six check boxes.
class WindowOperations {
public:
    virtual ~WindowOperations() = default;
    virtual bool IsTicked(RepairItem item) = 0;
    virtual void SetTicked(RepairItem item, bool ticked) = 0;
    virtual void SetItemCaption(RepairItem item, const Text& text) = 0;
    virtual void SetStatusText(const Text& text) = 0;
    virtual void ShowInfo(const Text& text, const Text& caption) = 0;
    virtual MessageResult AskYesNo(const Text& text, const Text& caption) = 0;
    virtual Text SystemFolder() = 0;
};

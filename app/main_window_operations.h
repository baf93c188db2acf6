#pragma once
#include "app/window_operations.h"

// The operations on the live main window. IsTicked, SetTicked and
// SetItemCaption may be called from the diagnosis thread: each is a message
// the main thread carries out before the call returns.
bool IsTicked(RepairItem item);
void SetTicked(RepairItem item, bool ticked);
void SetItemCaption(RepairItem item, const Text& text);
void SetStatusText(const Text& text);
void ShowInfo(const Text& text, const Text& caption);
MessageResult AskYesNo(const Text& text, const Text& caption);

// The same operations behind the interface the repair code takes.
class MainWindowOperations : public WindowOperations {
public:
    bool IsTicked(RepairItem item) override;
    void SetTicked(RepairItem item, bool ticked) override;
    void SetItemCaption(RepairItem item, const Text& text) override;
    void SetStatusText(const Text& text) override;
    void ShowInfo(const Text& text, const Text& caption) override;
    MessageResult AskYesNo(const Text& text, const Text& caption) override;
    Text SystemFolder() override;
};

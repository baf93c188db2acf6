#pragma once
#include "repair/text.h"

// The steps that run once the main window and its controls exist, before the
// window is shown. The live window implements them; tests record them.
class WindowCreatedSteps {
public:
    virtual ~WindowCreatedSteps() = default;
    virtual void SetUpIconButtons() = 0;
    virtual bool IsAdministrator() = 0;
    virtual void ShowInfo(const Text& text, const Text& caption) = 0;
    virtual bool UpdateStatusLine() = 0;
    virtual void StartDiagnosisThread() = 0;
    virtual void FocusRepairButton() = 0;
};

extern const char* const NotAdministratorWarning;
extern const char* const NoticeCaption;

void OnWindowCreated(WindowCreatedSteps& steps);

// The same steps on the live main window.
void OnWindowCreated();

#include "app/window_created.h"

#include "app/admin_check.h"
#include "app/main_window.h"
#include "app/main_window_operations.h"
#include "iconbutton/icon_buttons.h"
#include "repair/diagnosis.h"
#include "repair/status_line.h"

namespace {

DWORD WINAPI DiagnosisThread(LPVOID)
{
    StartupDiagnosis();
    return 0;
}

class LiveWindowCreatedSteps : public WindowCreatedSteps {
public:
    void SetUpIconButtons() override { ::SetUpIconButtons(MainWindowHandle()); }
    bool IsAdministrator() override { return ::IsAdministrator(); }
    void ShowInfo(const Text& text, const Text& caption) override { ::ShowInfo(text, caption); }
    bool UpdateStatusLine() override { return ::UpdateStatusLine(); }
    void StartDiagnosisThread() override
    {
        // Nobody waits for the diagnosis; it ends with the process at the latest.
        const HANDLE thread = CreateThread(nullptr, 0, DiagnosisThread, nullptr, 0, nullptr);
        if (thread != nullptr)
            CloseHandle(thread);
    }
    void FocusRepairButton() override { SetFocus(ControlHandle(Control::按钮1)); }
};

}  // namespace

void OnWindowCreated()
{
    LiveWindowCreatedSteps steps;
    OnWindowCreated(steps);
}

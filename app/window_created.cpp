#include "app/window_created.h"

const char* const NotAdministratorWarning = "非管理员身份运行此程序，可能会执行失败！";
const char* const NoticeCaption = "提示";

void OnWindowCreated(WindowCreatedSteps& steps)
{
    steps.SetUpIconButtons();
    if (!steps.IsAdministrator())
        steps.ShowInfo(NotAdministratorWarning, NoticeCaption);
    // The diagnosis is only worth its time when the first probe found no way out.
    if (!steps.UpdateStatusLine())
        steps.StartDiagnosisThread();
    // Set before the window is shown, so the Repair button has the focus when it appears.
    steps.FocusRepairButton();
}

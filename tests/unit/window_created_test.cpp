#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/window_created.h"

namespace {

class RecordedSteps : public WindowCreatedSteps {
public:
    RecordedSteps(bool administrator, bool answered) : administrator_(administrator), answered_(answered) {}

    void SetUpIconButtons() override { calls.push_back("SetUpIconButtons"); }
    bool IsAdministrator() override
    {
        calls.push_back("IsAdministrator");
        return administrator_;
    }
    void ShowInfo(const Text& text, const Text& caption) override
    {
        calls.push_back("ShowInfo(" + text + "|" + caption + ")");
    }
    bool UpdateStatusLine() override
    {
        calls.push_back("UpdateStatusLine");
        return answered_;
    }
    void StartDiagnosisThread() override { calls.push_back("StartDiagnosisThread"); }
    void FocusRepairButton() override { calls.push_back("FocusRepairButton"); }

    std::vector<std::string> calls;

private:
    bool administrator_;
    bool answered_;
};

TEST(OnWindowCreated, RunsItsStepsInOrder)
{
    const std::string warning = "ShowInfo(非管理员身份运行此程序，可能会执行失败！|提示)";
    const struct {
        const char* what;
        bool administrator;
        bool answered;
        std::vector<std::string> expected;
    } cases[] = {
        {"administrator, online", true, true,
         {"SetUpIconButtons", "IsAdministrator", "UpdateStatusLine", "FocusRepairButton"}},
        {"administrator, offline", true, false,
         {"SetUpIconButtons", "IsAdministrator", "UpdateStatusLine", "StartDiagnosisThread", "FocusRepairButton"}},
        {"no rights, online", false, true,
         {"SetUpIconButtons", "IsAdministrator", warning, "UpdateStatusLine", "FocusRepairButton"}},
        {"no rights, offline", false, false,
         {"SetUpIconButtons", "IsAdministrator", warning, "UpdateStatusLine", "StartDiagnosisThread",
          "FocusRepairButton"}},
    };
    for (const auto& c : cases) {
        RecordedSteps steps(c.administrator, c.answered);
        OnWindowCreated(steps);
        EXPECT_EQ(steps.calls, c.expected) << c.what;
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "iconbutton/icon_button_look.h"
#include "iconbutton/icon_button_messages.h"

namespace {

// A button that writes down, in order, what the message handling did to it.
class RecordingButton final : public IconButtonWindow {
public:
    explicit RecordingButton(int drawState) : drawState_(drawState) {}

    intptr_t CallPrevious() override
    {
        log.push_back("prev");
        if (previousDoes)
            previousDoes(*this);
        return previousResult;
    }
    int DrawState() override { return drawState_; }
    void SetDrawState(int drawState) override
    {
        drawState_ = drawState;
        log.push_back("set " + std::to_string(drawState));
    }
    void RequestHoverTracking() override { log.push_back("track"); }

    // Stands in for whatever the button's own procedure sets off, such as
    // the click notification and the repair it starts.
    std::function<void(RecordingButton&)> previousDoes;
    intptr_t previousResult = 0x5A5A;
    std::vector<std::string> log;

private:
    int drawState_;
};

using Log = std::vector<std::string>;

const int kButton = 0, kOtherButton = 0;
const void* const kThis = &kButton;
const void* const kOther = &kOtherButton;

TEST(IconButtonMessages, PreviousProcedureRunsFirstThenTheLookChanges)
{
    const struct {
        const char* what;
        int stateBefore;
        unsigned message;
        uintptr_t wParam;
        Log expected;
    } rows[] = {
        {"hover gives hot", DrawStateNormal, MessageMouseHover, 0, {"prev", "set 2"}},
        {"hover while held turns pressed into hot", DrawStatePressed, MessageMouseHover, 0, {"prev", "set 2"}},
        {"leave gives normal", DrawStateHot, MessageMouseLeave, 0, {"prev", "set 0"}},
        {"press gives pressed", DrawStateHot, MessageLeftDown, 0, {"prev", "set 3"}},
        {"release after the press gives hot", DrawStatePressed, MessageLeftUp, 0, {"prev", "set 2"}},
        {"release without a seen press gives normal", DrawStateHot, MessageLeftUp, 0, {"prev", "set 0"}},
        {"release when disabled gives normal", DrawStateDisabled, MessageLeftUp, 0, {"prev", "set 0"}},
        {"enabled gives normal", DrawStateDisabled, MessageEnable, 1, {"prev", "set 0"}},
        {"disabled gives disabled", DrawStateNormal, MessageEnable, 0, {"prev", "set 4"}},
        {"the same state is stored again", DrawStateHot, MessageMouseHover, 0, {"prev", "set 2"}},
        {"focus leaves the look alone", DrawStatePressed, 0x0007 /* WM_SETFOCUS */, 0, {"prev"}},
        {"key press leaves the look alone", DrawStateHot, 0x0100 /* WM_KEYDOWN */, 0x20, {"prev"}},
        {"button click message leaves the look alone", DrawStateNormal, 0x00F5 /* BM_CLICK */, 0, {"prev"}},
        {"destroy leaves the look alone", DrawStateHot, 0x0002 /* WM_DESTROY */, 0, {"prev"}},
    };
    for (const auto& row : rows) {
        RecordingButton button(row.stateBefore);
        const void* tracked = kThis;
        EXPECT_EQ(HandleIconButtonMessage(button, kThis, tracked, row.message, row.wParam), 0x5A5A) << row.what;
        EXPECT_EQ(button.log, row.expected) << row.what;
    }
}

TEST(IconButtonMessages, ReleaseIsDecidedFromTheStateLeftAfterThePreviousProcedure)
{
    const struct {
        const char* what;
        int stateLeftByTheClick;
        int expected;
    } rows[] = {
        {"the click's work changed nothing", DrawStatePressed, DrawStateHot},
        {"the pointer left while the click's work ran", DrawStateNormal, DrawStateNormal},
        {"a hover arrived while the click's work ran", DrawStateHot, DrawStateNormal},
        {"the click's work disabled the button", DrawStateDisabled, DrawStateNormal},
    };
    for (const auto& row : rows) {
        RecordingButton button(DrawStatePressed);
        int stateSeenByTheClick = -1;
        button.previousDoes = [&](RecordingButton& b) {
            stateSeenByTheClick = b.DrawState();
            b.SetDrawState(row.stateLeftByTheClick);
        };
        const void* tracked = kThis;
        HandleIconButtonMessage(button, kThis, tracked, MessageLeftUp, 0);
        EXPECT_EQ(stateSeenByTheClick, DrawStatePressed) << row.what;
        EXPECT_EQ(button.DrawState(), row.expected) << row.what;
    }
}

TEST(IconButtonMessages, HoverTrackingIsAskedOncePerVisit)
{
    RecordingButton button(DrawStateNormal);
    const void* tracked = nullptr;
    HandleIconButtonMessage(button, kThis, tracked, MessageMouseMove, 0);
    EXPECT_EQ(button.log, (Log{"prev", "track"}));
    EXPECT_EQ(tracked, kThis);

    // Further moves and the hover itself use up the request; none is renewed.
    button.log.clear();
    HandleIconButtonMessage(button, kThis, tracked, MessageMouseMove, 0);
    HandleIconButtonMessage(button, kThis, tracked, MessageMouseHover, 0);
    HandleIconButtonMessage(button, kThis, tracked, MessageMouseMove, 0);
    EXPECT_EQ(button.log, (Log{"prev", "prev", "set 2", "prev"}));

    // The leave forgets the button before its own procedure sees the leave.
    button.log.clear();
    const void* trackedWhilePreviousRan = kThis;
    button.previousDoes = [&](RecordingButton&) { trackedWhilePreviousRan = tracked; };
    HandleIconButtonMessage(button, kThis, tracked, MessageMouseLeave, 0);
    EXPECT_EQ(trackedWhilePreviousRan, nullptr);
    EXPECT_EQ(tracked, nullptr);
    button.previousDoes = nullptr;

    // The next visit asks again.
    button.log.clear();
    HandleIconButtonMessage(button, kThis, tracked, MessageMouseMove, 0);
    EXPECT_EQ(button.log, (Log{"prev", "track"}));
}

TEST(IconButtonMessages, MovingOverAnotherIconButtonRenewsTheRequest)
{
    RecordingButton first(DrawStateNormal), second(DrawStateNormal);
    const void* tracked = nullptr;
    HandleIconButtonMessage(first, kThis, tracked, MessageMouseMove, 0);
    HandleIconButtonMessage(second, kOther, tracked, MessageMouseMove, 0);
    EXPECT_EQ(tracked, kOther);
    HandleIconButtonMessage(first, kThis, tracked, MessageMouseMove, 0);
    EXPECT_EQ(first.log, (Log{"prev", "track", "prev", "track"}));
    EXPECT_EQ(second.log, (Log{"prev", "track"}));
}

}  // namespace

#include <gtest/gtest.h>

#include "app/layout.h"
#include "repair/status_line.h"
#include "tests/unit/repair_doubles.h"

namespace {

const Text Connected = "当前网络状态： 已连接到互联网";
const Text NotConnected = "当前网络状态： 没有连接到互联网";

TEST(StatusLine, TextsFollowTheLayoutTextWithOneBlank)
{
    for (const Text& text : {Connected, NotConnected}) {
        const Text layout = StatusLineLayoutText;
        ASSERT_EQ(text.compare(0, layout.size(), layout), 0);
        EXPECT_EQ(text[layout.size()], ' ') << "one ASCII blank after the full-width colon";
        EXPECT_NE(text[layout.size() + 1], ' ');
    }
    // The full-width colon in GBK.
    EXPECT_EQ(Connected.substr(Connected.find(' ') - 2, 2), "\xA3\xBA");
}

TEST(StatusLine, ProbesTheProbeHostAndShowsTheOutcome)
{
    struct ProbeCase {
        const char* what;
        int echoResult;
        Text text;
        bool answered;
    };
    const ProbeCase cases[] = {
        {"no answer", -1, NotConnected, false},
        {"an answer in under a millisecond", 0, Connected, true},
        {"an answer in 48 ms", 48, Connected, true},
    };
    for (const ProbeCase& c : cases) {
        CallLog log;
        WindowModel window(log);
        ScriptedEcho echo(log, {{"www.baidu.com", c.echoResult}});
        EXPECT_EQ(UpdateStatusLine(window, std::ref(echo)), c.answered) << c.what;
        EXPECT_EQ(log, (CallLog{"echo www.baidu.com", "SetStatusText " + c.text})) << c.what;
    }
}

TEST(StatusLine, SetsTheTextOnEveryProbeEvenWhenUnchanged)
{
    CallLog log;
    WindowModel window(log);
    ScriptedEcho echo(log);
    UpdateStatusLine(window, std::ref(echo));
    UpdateStatusLine(window, std::ref(echo));
    EXPECT_EQ(log, (CallLog{"echo www.baidu.com", "SetStatusText " + NotConnected, "echo www.baidu.com",
                            "SetStatusText " + NotConnected}));
}

// The status timer's ticks, each starting at most one probe off the main
// thread. Each row is one event; the log says what it did.
TEST(StatusTimer, StartsNoProbeWhileOneIsUnderWay)
{
    CallLog log;
    WindowModel window(log);
    std::atomic<bool> probeInFlight{false};
    bool startSucceeds = true;
    const auto startProbe = [&] {
        log.push_back(startSucceeds ? "probe started" : "probe could not start");
        return startSucceeds;
    };
    const auto tick = [&] { OnStatusTimerTick(probeInFlight, startProbe); };

    tick();
    tick();  // the first probe still runs
    tick();
    ShowProbeResult(probeInFlight, window, -1);
    tick();
    ShowProbeResult(probeInFlight, window, 12);
    startSucceeds = false;
    tick();
    startSucceeds = true;
    tick();  // a probe that never started holds nothing up

    EXPECT_EQ(log, (CallLog{"probe started", "SetStatusText " + NotConnected, "probe started",
                            "SetStatusText " + Connected, "probe could not start", "probe started"}));
    EXPECT_TRUE(probeInFlight.load());
}

}  // namespace

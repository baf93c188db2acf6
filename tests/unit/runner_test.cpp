#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "repair/runner.h"

namespace {

// A command as the loop sees it, played from a script of pipe states. Each
// step says what the next poll finds; the process ends after the last step
// that keeps it running. Every call is recorded, so a test can state the
// whole conversation.
class ScriptedPipe : public CommandPipe {
public:
    struct Step {
        Text waiting;         // bytes in the pipe at this poll
        bool running = true;  // process state if this poll finds the pipe empty
    };

    explicit ScriptedPipe(std::deque<Step> steps) : steps_(std::move(steps)) {}

    unsigned long BytesAvailable() override
    {
        calls.push_back("poll");
        return static_cast<unsigned long>(Current().waiting.size());
    }
    Text Read(unsigned long maxBytes) override
    {
        calls.push_back("read");
        if (failReads)
            return Text();
        Step& step = Current();
        const Text chunk = step.waiting.substr(0, maxBytes);
        step.waiting.erase(0, chunk.size());
        if (step.waiting.empty() && steps_.size() > 1)
            steps_.pop_front();
        return chunk;
    }
    bool StillRunning() override
    {
        calls.push_back("exit?");
        const bool running = Current().running;
        if (running && steps_.size() > 1)
            steps_.pop_front();
        return running;
    }
    void WaitForActivity() override { calls.push_back("wait"); }
    void DispatchMessages() override { calls.push_back("dispatch"); }

    // Bytes that arrive only after the exit has been seen.
    void ArriveAfterExit(const Text& bytes) { lateBytes_ = bytes; }

    std::vector<std::string> calls;
    bool failReads = false;

private:
    Step& Current()
    {
        if (!lateBytes_.empty() && !steps_.front().running && !calls.empty() && calls.back() == "poll" &&
            calls.size() >= 2 && calls[calls.size() - 2] == "exit?") {
            steps_.front().waiting += lateBytes_;
            lateBytes_.clear();
        }
        return steps_.front();
    }
    std::deque<Step> steps_;
    Text lateBytes_;
};

TEST(CollectOutput, JoinsChunksInOrderWithNothingBetween)
{
    const Text longOutput(2500, 'x');
    ScriptedPipe pipe({{longOutput + "end\r\n", false}});
    EXPECT_EQ(CollectOutput(pipe), longOutput + "end\r\n");
    // 2505 bytes need three reads of at most 1023 bytes.
    EXPECT_EQ(std::count(pipe.calls.begin(), pipe.calls.end(), "read"), 3);
}

TEST(CollectOutput, TwoByteCharacterSplitAcrossReadsComesBackWhole)
{
    const Text beforeSplit(1022, 'a');
    const Text character = "\xB3\xC9";  // 成
    ScriptedPipe pipe({{beforeSplit + character + "b", false}});
    EXPECT_EQ(CollectOutput(pipe), beforeSplit + character + "b");
}

TEST(CollectOutput, WaitsAndDispatchesWhileTheCommandRunsSilently)
{
    ScriptedPipe pipe({{"", true}, {"", true}, {"done", false}});
    EXPECT_EQ(CollectOutput(pipe), "done");
    const std::vector<std::string> expected = {
        "poll", "exit?", "wait", "dispatch",  // running, nothing yet: sleep, then messages
        "poll", "exit?", "wait", "dispatch",
        "poll", "read", "dispatch",           // output arrives
        "poll", "exit?", "poll",              // ended: drain finds nothing more
    };
    EXPECT_EQ(pipe.calls, expected);
}

TEST(CollectOutput, ReadsBytesThatArriveJustAfterTheLastEmptyPoll)
{
    // The tool's last line lands between the empty poll and the exit query.
    ScriptedPipe pipe({{"", false}});
    pipe.ArriveAfterExit("成功地重置 Winsock 目录\r\n");
    EXPECT_EQ(CollectOutput(pipe), "成功地重置 Winsock 目录\r\n");
}

TEST(CollectOutput, CommandThatWritesNothingGivesEmptyText)
{
    ScriptedPipe pipe({{"", true}, {"", false}});
    EXPECT_EQ(CollectOutput(pipe), "");
}

TEST(CollectOutput, ZeroBytesAreDroppedAndWhatFollowsThemKept)
{
    ScriptedPipe pipe({{Text("ab\0cd", 5) + Text("\0\0ef", 4), false}});
    EXPECT_EQ(CollectOutput(pipe), "abcdef");
}

TEST(CollectOutput, FailedReadsNeverSpinForever)
{
    // The pipe claims bytes it cannot deliver and the process has ended.
    ScriptedPipe pipe({{"stuck", false}});
    pipe.failReads = true;
    EXPECT_EQ(CollectOutput(pipe), "");
}

TEST(AppendChunk, KeepsEveryNonZeroByteInOrder)
{
    Text output = "A";
    AppendChunk(output, Text("\0\xB3\0\xC9", 4));
    EXPECT_EQ(output, "A\xB3\xC9");
}

TEST(PlanInterpreterLaunch, StartsTheInterpreterByFullPathInTheSystemFolder)
{
    const InterpreterLaunch nt =
        PlanInterpreterLaunch(true, "C:\\WINDOWS\\system32\\", "C:\\WINDOWS\\", "netsh winsock reset");
    EXPECT_EQ(nt.applicationName, "C:\\WINDOWS\\system32\\cmd.exe");
    EXPECT_EQ(nt.commandLine, "cmd.exe /c netsh winsock reset");
    EXPECT_EQ(nt.currentDirectory, "C:\\WINDOWS\\system32\\");

    const InterpreterLaunch nine = PlanInterpreterLaunch(false, "C:\\WINDOWS\\SYSTEM\\", "C:\\WINDOWS\\", "ipconfig/all");
    EXPECT_EQ(nine.applicationName, "C:\\WINDOWS\\command.com");
    EXPECT_EQ(nine.commandLine, "command.com /c ipconfig/all");
    EXPECT_EQ(nine.currentDirectory, "C:\\WINDOWS\\SYSTEM\\");
}

TEST(PlanInterpreterLaunch, FallsBackToTheSearchOnlyWithoutASystemFolder)
{
    const InterpreterLaunch launch = PlanInterpreterLaunch(true, "", "C:\\WINDOWS\\", "sc query Dhcp");
    EXPECT_EQ(launch.applicationName, "");
    EXPECT_EQ(launch.currentDirectory, "");
    EXPECT_EQ(launch.commandLine, "cmd.exe /c sc query Dhcp");
}

TEST(PlanInterpreterLaunch, UsesTheCallersLineUnchanged)
{
    const Text line = "netsh interface ip set address 本地连接 dhcp";
    EXPECT_EQ(PlanInterpreterLaunch(true, "C:\\W\\", "C:\\", line).commandLine, "cmd.exe /c " + line);
}

}  // namespace

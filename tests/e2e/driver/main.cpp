// qdriver.exe SCENARIO QUORVAN_EXE   runs one scenario against the program
// qdriver.exe --list                  prints "name mode" per scenario
// qdriver.exe --screenshot FILE.bmp   waits for the program's window and
//                                     saves its screen area
#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/scenario.h"
#include "tests/e2e/driver/screenshot.h"

#include <cstdio>
#include <cstring>

namespace {
std::string quorvanPath;
}

std::vector<Scenario>& Scenarios() {
    static std::vector<Scenario> all;
    return all;
}

const std::string& QuorvanPath() { return quorvanPath; }

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
        for (const Scenario& s : Scenarios()) std::printf("%s %s\n", s.name, s.mode);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--screenshot") == 0)
        return SaveQuorvanScreenshot(argv[2]) ? 0 : 1;
    if (argc != 3) {
        std::fprintf(stderr, "usage: qdriver SCENARIO QUORVAN_EXE | --list | --screenshot FILE\n");
        return 2;
    }
    quorvanPath = argv[2];
    const Scenario* chosen = nullptr;
    for (const Scenario& s : Scenarios())
        if (std::strcmp(s.name, argv[1]) == 0) chosen = &s;
    if (!chosen) {
        std::printf("unknown scenario %s\n", argv[1]);
        check::Fail(__FILE__, __LINE__, "no such scenario");
    } else {
        try {
            chosen->run();
        } catch (const check::Abort&) {
            std::printf("scenario stopped at the failure above\n");
        }
    }
    std::printf("%d passed, %d failed\n", check::Passed(), check::Failed());
    std::fflush(stdout);
    return check::Failed() == 0 && check::Passed() > 0 ? 0 : 1;
}

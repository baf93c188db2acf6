// Scenarios register themselves, so a behaviour area is added by adding a
// scenarios_*.cpp file.  Write SCENARIO at the start of a line:
//
//   SCENARIO(help_box_is_task_modal, "offline") { ... }
//
// The build's test registration reads these lines to make one test per
// scenario; the mode says how names resolve and whether the loopback
// answers echoes inside the scenario's namespace:
//   offline - no name resolves (the program diagnoses and ticks at start)
//   online  - every name is 127.0.0.1 and echoes are answered (the window
//             stays as laid out: the choice for scenarios about the window)
//   silent  - names resolve, echoes go unanswered (10 s probe time-outs)
#pragma once

#include <string>
#include <vector>

struct Scenario {
    const char* name;
    const char* mode;
    void (*run)();
};

std::vector<Scenario>& Scenarios();

struct ScenarioRegistrar {
    ScenarioRegistrar(const char* name, const char* mode, void (*run)()) {
        Scenarios().push_back({name, mode, run});
    }
};

#define SCENARIO(name, mode)                                                 \
    static void scenario_##name();                                          \
    static ScenarioRegistrar registrar_##name(#name, mode, scenario_##name); \
    static void scenario_##name()

// The program under test, in Windows form, as given on the command line.
const std::string& QuorvanPath();

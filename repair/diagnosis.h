#pragma once
#include "app/window_operations.h"
#include "repair/command_runner.h"
#include "repair/echo_test.h"

// Inspects the computer once and ticks the repair items that look needed:
// the two services, the loopback, the Ethernet adapter's DHCP setting, and
// the two general repairs when nothing else points to a problem.
void StartupDiagnosis(WindowOperations& window, const CommandRunner& run, const EchoTester& echo);

// The same on the live window, run on its own thread.
void StartupDiagnosis();

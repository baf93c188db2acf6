#pragma once
#include <atomic>
#include <functional>

#include "app/window_operations.h"
#include "repair/echo_test.h"

// The status line's two texts: its layout text, one blank, the state.
extern const char* const ConnectedStatusText;
extern const char* const NotConnectedStatusText;

const char* StatusTextFor(int echoResult);

// Probes the probe host and shows the outcome in the status line; true when
// the host answered. Blocks the calling thread for the whole probe.
bool UpdateStatusLine(WindowOperations& window, const EchoTester& echo);

// A tick of the status timer starts a probe off the main window's thread,
// unless one is still under way: ticks never pile up probes. startProbe
// returns false when the probe could not be started.
void OnStatusTimerTick(std::atomic<bool>& probeInFlight, const std::function<bool()>& startProbe);

// The outcome of the timer's probe, shown on the main window's thread.
void ShowProbeResult(std::atomic<bool>& probeInFlight, WindowOperations& window, int echoResult);

// The live window's status line, probed while the main window's thread
// waits for the answer; what the window-created handler does before the
// window is shown.
bool UpdateStatusLine();

// What the status timer does on each tick.
void OnStatusTimerTick();

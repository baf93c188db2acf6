#pragma once

// Probes the probe host and shows the outcome in the status line; true when
// the host answered.
bool UpdateStatusLine();

// What the status timer does on each tick.
void OnStatusTimerTick();

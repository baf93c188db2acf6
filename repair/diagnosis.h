#pragma once

// Inspects the computer once, on its own thread, and ticks the repair items
// that look needed.
void StartupDiagnosis();

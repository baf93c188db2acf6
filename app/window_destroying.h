#pragma once

// Runs while the main window is being destroyed, its controls still there.
void OnWindowDestroying();

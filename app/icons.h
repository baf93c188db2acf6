#pragma once
#include <windows.h>

// Icon groups in the program's resources. The window set comes first, so the
// shell shows it for the program file too.
constexpr int WindowIconSet = 1;
constexpr int ButtonIconSet = 2;

// The 16 x 16 image of an icon set; null when it cannot be found.
HICON LoadSmallIconImage(int iconSet);

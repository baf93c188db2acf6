#pragma once
#include "repair/text.h"

// The explanation balloon: a small pop-up beside a screen point showing a
// GBK text, light yellow with a thin black border, 9-point "宋体". It shows
// at once, never takes the focus, and closes itself after BalloonShowMs. A
// new balloon replaces an open one, so at most one is ever visible. It is
// owned by the main window and goes with it.
constexpr unsigned BalloonShowMs = 3000;

void ShowBalloon(int x, int y, const Text& text);

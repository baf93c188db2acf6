#pragma once
#include <functional>

#include "repair/text.h"

// Runs one command line and gives its whole output (RunCaptured, or a
// substitute in tests).
using CommandRunner = std::function<Text(const Text& commandLine)>;

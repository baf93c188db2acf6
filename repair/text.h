#pragma once
#include <string>

// Every text of the program is a byte string in the ANSI code page of the
// Chinese editions of Windows (GBK), exactly as the ANSI Win32 calls and the
// console tools give it: no code-page or line-end conversion anywhere.
using Text = std::string;

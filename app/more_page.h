#pragma once

// The page "更多" opens: Microsoft's Simplified-Chinese help on fixing a
// wired network connection in Windows.
extern const char* const MorePageAddress;

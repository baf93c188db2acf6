#pragma once
#include "repair/text.h"

// The bytes between the first startMarker and the first endMarker after it;
// empty when endMarker follows directly or not at all. When startMarker is
// missing, the search for endMarker still starts at the byte where the value
// would have begun had the marker been found at position -1 (byte L - 1 for
// a marker of L bytes): callers rely on this when an output lacks a heading.
Text TextBetween(const Text& source, const Text& startMarker, const Text& endMarker);

#pragma once
#include "repair/text.h"

// The 1-based byte position of the first occurrence of phrase in text, or -1.
// Byte-exact and case-sensitive, tried only at the start of a GBK character:
// a byte of 0x80 or more leads a two-byte character, so a phrase can never
// match across the middle of one.
int FindText(const Text& text, const Text& phrase);

inline bool ContainsText(const Text& text, const Text& phrase)
{
    return FindText(text, phrase) != -1;
}

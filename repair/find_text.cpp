#include "repair/find_text.h"

int FindText(const Text& text, const Text& phrase)
{
    const size_t n = text.size();
    size_t i = 0;
    while (i < n) {
        const bool leadByte = static_cast<unsigned char>(text[i]) >= 0x80;
        // A lead byte with nothing after it is a broken character, not text.
        if (leadByte && i + 1 == n)
            return -1;
        if (text.compare(i, phrase.size(), phrase) == 0)
            return static_cast<int>(i) + 1;
        i += leadByte ? 2 : 1;
    }
    return -1;
}

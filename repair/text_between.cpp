#include "repair/text_between.h"

#include "repair/find_text.h"

Text TextBetween(const Text& source, const Text& startMarker, const Text& endMarker)
{
    const long n = static_cast<long>(source.size());
    const long p = FindText(source, startMarker);
    // Deliberately not checked for -1: see the header.
    const long begin = p + static_cast<long>(startMarker.size());
    if (begin < 1 || begin > n)
        return Text();
    const Text rest = source.substr(static_cast<size_t>(begin - 1));
    const long q = FindText(rest, endMarker);
    if (q - 1 <= 0)
        return Text();
    return rest.substr(0, static_cast<size_t>(q - 1));
}

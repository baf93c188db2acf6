#include <gtest/gtest.h>

#include "repair/text_between.h"
#include "repair/tool_commands.h"

namespace {

struct BetweenCase {
    const char* what;
    Text source;
    Text startMarker;
    Text endMarker;
    Text expected;
};

TEST(TextBetween, FollowsItsRulesToTheLetter)
{
    const BetweenCase cases[] = {
        {"value between the markers", "<a>V</a> tail", "<a>", "</a>", "V"},
        {"only the first start marker counts", "[1] [2]", "[", "]", "1"},
        {"only the first end marker after it", "{x}y}", "{", "}", "x"},
        {"an end marker before the start marker is not seen", "]x[v]", "[", "]", "v"},
        {"end marker directly after the start marker", "ab[]cd", "[", "]", ""},
        {"end marker missing after the start marker", "ab[cd", "[", "]", ""},
        {"empty source", "", "[", "]", ""},
        {"start marker is the whole source", "[", "[", "]", ""},
        // A missing start marker of L bytes: the search for the end marker
        // starts at byte L - 1 of the source.
        {"missing four-byte marker, end marker at byte 7", "abcdef|gh", "WXYZ", "|", "cdef"},
        {"missing two-byte marker searches from byte 1", "abc|d", "XY", "|", "abc"},
        {"missing marker, end marker at that very byte", "ab|cd", "WXYZ", "|", ""},
        {"missing marker, no end marker", "abcdefgh", "WXYZ", "|", ""},
        {"missing marker longer than the source", "a|", "WXYZ", "|", ""},
        {"missing one-byte marker", "abc|d", "X", "|", ""},
    };
    for (const BetweenCase& c : cases)
        EXPECT_EQ(TextBetween(c.source, c.startMarker, c.endMarker), c.expected) << c.what;
}

TEST(TextBetween, SearchesByGbkCharacters)
{
    // The end marker "|" (0x7C) is also the trail byte of 乇 (D8 7C) in the
    // value, which must not end it.
    const Text source = "以太网适配器\xD8\x7C" "A|";
    EXPECT_EQ(TextBetween(source, EthernetSectionStart, "|"), "\xD8\x7C" "A");
}

TEST(TextBetween, MarkersOfTheIpConfigOutputHaveTheirByteLengths)
{
    // The odd results for a missing heading depend on these lengths.
    EXPECT_EQ(Text(EthernetSectionStart).size(), 12u);
    EXPECT_EQ(Text(TunnelSectionStart).size(), 10u);
    EXPECT_EQ(Text(DhcpEnabledField).size(), 36u);
    EXPECT_EQ(Text(DhcpEnabledYes), "\xCA\xC7");
}

}  // namespace

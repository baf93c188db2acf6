#include <gtest/gtest.h>

#include "repair/find_text.h"

namespace {

struct FindCase {
    const char* what;
    Text text;
    Text phrase;
    int expected;
};

TEST(FindText, FindsFirstOccurrenceAtCharacterStarts)
{
    const FindCase cases[] = {
        {"at the start", "RUNNING now", "RUNNING", 1},
        {"in the middle", "STATE : 4  RUNNING", "RUNNING", 12},
        {"first of two", "abab", "b", 2},
        {"case matters", "running", "RUNNING", -1},
        {"absent", "STOPPED", "RUNNING", -1},
        {"empty text holds nothing", "", "RUNNING", -1},
        {"phrase longer than text", "RUN", "RUNNING", -1},
        {"Chinese phrase after ASCII", "x成功地重置 Winsock 目录", "成功地重置 Winsock 目录", 2},
        {"whole text", "是", "是", 1},
    };
    for (const FindCase& c : cases)
        EXPECT_EQ(FindText(c.text, c.phrase), c.expected) << c.what;
}

TEST(FindText, NeverMatchesInsideTwoByteCharacter)
{
    // Two characters, D6 D0 and E4 41: the bytes D0 E4 straddle their boundary.
    const Text text = "\xD6\xD0\xE4\x41";
    EXPECT_EQ(FindText(text, "\xD0\xE4"), -1) << "a match starting on a trail byte";
    EXPECT_EQ(FindText(text, "\xE4\x41"), 3);
    EXPECT_EQ(FindText("\xB0\x41" "A", "A"), 3) << "the 0x41 inside the first character is skipped";
}

TEST(FindText, LoneLeadByteAtTheEndEndsTheSearch)
{
    EXPECT_EQ(FindText("ab\xB0", "\xB0"), -1);
    EXPECT_EQ(FindText("ab\xB0", "b"), 2);
}

TEST(FindText, CompiledLiteralsAreGbk)
{
    // The status line's full-width colon: a lost -fexec-charset=GBK fails here.
    const Text colon = "：";
    ASSERT_EQ(colon.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(colon[0]), 0xA3);
    EXPECT_EQ(static_cast<unsigned char>(colon[1]), 0xBA);
}

}  // namespace

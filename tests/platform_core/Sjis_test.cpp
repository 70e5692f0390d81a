// The Shift-JIS character helper on the texts that fool byte-wise code:
// trail bytes with lead-byte values, stray lead bytes, letters in trail
// bytes.
#include "Sjis.h"
#include "SjisLiteral.h"

#include <gtest/gtest.h>

namespace {

// The character starts of a text found by walking forwards.
std::vector<size_t> Starts(std::string_view Text)
{
    std::vector<size_t> starts;
    for (sjis::CharCursor c(Text); !c.AtEnd(); c.Next())
        starts.push_back(c.Pos());
    return starts;
}

// The positions before the end that the backward-looking test calls character starts.
std::vector<size_t> Boundaries(std::string_view Text)
{
    std::vector<size_t> starts;
    for (size_t pos = 0; pos < Text.size(); ++pos)
        if (sjis::IsCharBoundary(Text, pos))
            starts.push_back(pos);
    return starts;
}

TEST(Sjis, TrailBytesThatLookLikeLeadBytes)
{
    // 亜 88 9F and メ 83 81: both trail bytes are lead values, so from the
    // middle a byte cannot tell which side of a character it is on.
    const std::string text = Sjis("亜メ亜a");
    EXPECT_EQ(Starts(text), (std::vector<size_t>{0, 2, 4, 6}));
    EXPECT_EQ(Boundaries(text), Starts(text));
    EXPECT_TRUE(sjis::IsCharBoundary(text, text.size()));
    for (size_t pos = 0; pos <= text.size(); ++pos)
        EXPECT_EQ(sjis::CharStart(text, pos), pos >= text.size() ? text.size() : pos - pos % 2) << pos;
    sjis::CharCursor c(text, 2);
    EXPECT_TRUE(c.IsDouble());
    EXPECT_EQ(c.Code(), 0x8381);
    EXPECT_EQ(c.Char(), "\x83\x81");
}

TEST(Sjis, AStrayLeadByteNeverSwallowsALineBreak)
{
    const std::string text = "ab\x82\r\nc\x82";
    EXPECT_EQ(Starts(text), (std::vector<size_t>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Boundaries(text), Starts(text));
    EXPECT_EQ(sjis::CharLen(text, 2), 1u);
    EXPECT_EQ(sjis::CharLen(text, 6), 1u); // at the very end
    EXPECT_EQ(sjis::CharCode(text, 6), 0x82);
    // A run of lead values before a byte that cannot trail.
    const std::string run = "\x88\x9F\x88\r";
    EXPECT_EQ(Starts(run), (std::vector<size_t>{0, 2, 3}));
    EXPECT_EQ(Boundaries(run), Starts(run));
    const char* end = run.data() + run.size();
    EXPECT_EQ(sjis::CharLen(run.data() + 2, end), 1u);
    EXPECT_EQ(sjis::CharLen(run.data(), end), 2u);
}

TEST(Sjis, CaseFoldingTouchesSingleByteLettersOnly)
{
    const std::string a = Sjis("ア"), di = Sjis("ヂ"); // 83 41 and 83 61
    EXPECT_FALSE(sjis::SameText(a, di));
    EXPECT_NE(sjis::CompareText(a, di), 0);
    EXPECT_TRUE(sjis::SameText("abc", "ABC"));
    EXPECT_TRUE(sjis::SameText("x" + a + "y", "X" + a + "Y"));
    EXPECT_LT(sjis::CompareText("abc", "ABD"), 0);
    EXPECT_GT(sjis::CompareText("abcd", "ABC"), 0);
    EXPECT_EQ(sjis::UpperAscii("a" + di + "b"), "A" + di + "B");
    EXPECT_EQ(sjis::LowerAscii("A" + a + "B"), "a" + a + "b");
    // A stray lead byte takes the next letter as its trail byte, so that
    // letter is not folded either: the helper cuts characters one way only.
    EXPECT_EQ(sjis::UpperAscii("\x83"
                               "a"),
              "\x83"
              "a");
}

} // namespace

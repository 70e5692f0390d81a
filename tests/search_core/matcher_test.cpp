// The matcher: leftmost-longest matches, anchors and line separators,
// Shift-JIS stepping, and the ends of the text.
#include "AWKStr.h"
#include "RegExpTestSupport.h"

#include <gtest/gtest.h>

namespace {

std::optional<TMatchRange> Find(const std::string& Pattern, std::string_view Text,
                                TMatchCORE_LineSeparator Separator = mcls_CRLF)
{
    TAWKStr re(nullptr);
    re.SetLineSeparator(Separator);
    re.SetRegExp(Pattern);
    return re.Match(Text);
}

TMatchRange At(size_t Start, size_t End) { return {Start, End}; }

TEST(RegExpMatcher, LeftmostThenLongest)
{
    EXPECT_EQ(Find("a|ab", "ab"), At(0, 2));
    EXPECT_EQ(Find("x|xyz|xy", "--xyz"), At(2, 5));
    EXPECT_EQ(Find("(a|ab)(c|bcd)", "abcd"), At(0, 4));
    EXPECT_EQ(Find("b+", "abbbc"), At(1, 4));
    EXPECT_FALSE(Find("q", "abc"));
}

TEST(RegExpMatcher, EmptyMatches)
{
    EXPECT_EQ(Find("a*", "bbb"), At(0, 0));
    EXPECT_EQ(Find("", "abc"), At(0, 0));
    EXPECT_EQ(Find("", ""), At(0, 0));
    EXPECT_FALSE(Find("a", ""));
    // An anchored pattern that may match empty does so in an empty text.
    EXPECT_EQ(Find("^a|", ""), At(0, 0));
    EXPECT_EQ(Find("^a|b*", ""), At(0, 0));
}

TEST(RegExpMatcher, DoubleByteCharactersAreNeverSplit)
{
    // "ア" is 83 41: its trail byte is an "A".
    EXPECT_EQ(Find("A", "\x83\x41\x41"), At(2, 3));
    // "表" is 95 5C: its trail byte is a backslash.
    EXPECT_EQ(Find("\\\\", Sjis("表") + "\\"), At(2, 3));
    EXPECT_EQ(Find(Sjis("ア"), "A" + Sjis("ア")), At(1, 3));
    EXPECT_EQ(Find(".", Sjis("漢字")), At(0, 2));
    EXPECT_EQ(Find(Sjis("[ァ-ヶ]+"), Sjis("あカタカナ。")), At(2, 10));
    // "メ" is 83 81, whose trail byte has a lead byte's value.
    EXPECT_EQ(Find(Sjis("[ぁ-ん]"), Sjis("メあ")), At(2, 4));
}

TEST(RegExpMatcher, LineHeadAndLineTail)
{
    EXPECT_EQ(Find("^a", "a\na"), At(0, 1));
    EXPECT_EQ(Find("^a", "ba\na"), At(3, 4));
    EXPECT_FALSE(Find("^a", "ba"));
    EXPECT_EQ(Find("a$", "a\r\na"), At(0, 1));
    EXPECT_EQ(Find("a$", "ab\r\na"), At(4, 5));
    EXPECT_EQ(Find("a$", "ab\na", mcls_LF), At(3, 4));
    // Line heads are the places after LF whatever the separator; "$" ends
    // a line only at the separator.
    EXPECT_EQ(Find("a$", "a\na"), At(2, 3));
    EXPECT_EQ(Find("^b", "a\rb"), std::nullopt);
    EXPECT_EQ(Find("^$", "ab\r\n\r\ncd"), At(4, 4));
    EXPECT_EQ(Find("$", "ab"), At(2, 2));
    EXPECT_EQ(Find("$", ""), At(0, 0));
    EXPECT_EQ(Find("^", ""), At(0, 0));
    // At a line head the longer of the anchored and the plain match wins.
    EXPECT_EQ(Find("^a|ab", "ab"), At(0, 2));
    EXPECT_EQ(Find("^ab|a", "xab\nab"), At(1, 2));
}

TEST(RegExpMatcher, LineTailBeforeSeparatorInsideLongerWalk)
{
    // The walk goes on over CR LF after "a" and dies at "c"; the "a"
    // before the CR still matches.
    EXPECT_EQ(Find("a$|a\r\nb", "a\r\nc"), At(0, 1));
    EXPECT_EQ(Find("a$|a\r\nb", "a\r\nb"), At(0, 4));
}

TEST(RegExpMatcher, LiteralCaretAndDollarKeepEveryPath)
{
    EXPECT_EQ(Find("a(.b|^c)", "a^c"), At(0, 3));
    EXPECT_EQ(Find("a(.b|^c)", "axb"), At(0, 3));
    EXPECT_EQ(Find("a([!-z]|$c)", "a$c"), At(0, 3));
    EXPECT_EQ(Find("b^a", "xb^a"), At(1, 4));
    EXPECT_EQ(Find("a$b", "a$b"), At(0, 3));
}

TEST(RegExpMatcher, EndOfTextYieldsNoCharacter)
{
    // Would loop for ever if the end read as code 0 without advancing.
    EXPECT_EQ(Find("[\\x00-\\x1F]*", "abc"), At(0, 0));
    EXPECT_EQ(Find("x[\\x00-\\x1F]*", "abx"), At(2, 3));
    EXPECT_FALSE(Find("a\\x00", "a"));
    // A NUL inside the text is code 0 and a character like any other.
    const std::string withNul("a\0b", 3);
    EXPECT_EQ(Find("a\\x0000b", withNul), At(0, 3));
    EXPECT_EQ(Find("a\\0b", withNul), At(0, 3));
    EXPECT_EQ(Find("[\\x00-\\x1F]+", withNul), At(1, 2));
    EXPECT_EQ(Find("b", withNul), At(2, 3));
    EXPECT_FALSE(Find(".", std::string(1, '\0')));
}

TEST(RegExpMatcher, LoneLeadByteAtTheEndReadsAsItsOwnCode)
{
    EXPECT_EQ(Find("a.", "a\x82"), At(0, 2));
    EXPECT_EQ(Find("\\x82", "ab\x82"), At(2, 3));
    // A lead byte followed by no trail byte does not swallow the CR.
    EXPECT_EQ(Find("\\x82\r", "\x82\r\n"), At(0, 2));
    EXPECT_EQ(Find("$", "\x82\r\n"), At(1, 1));
    // Followed by a trail byte it is a character, and the "a" is no letter.
    EXPECT_FALSE(Find("a$", "\x82\x61\r\n"));
}

TEST(RegExpMatcher, DotIsNotLineBreak)
{
    EXPECT_FALSE(Find(".", "\r\n"));
    EXPECT_EQ(Find("a.*", "abc\r\nd"), At(0, 3));
}

TEST(RegExpMatcher, MatchRoutineFollowsAnchors)
{
    TAWKStr re(nullptr);
    re.SetRegExp("ab");
    EXPECT_EQ(re.MatchRoutine(), &TMatchCORE::MatchNoAnchor);
    re.SetRegExp("^ab");
    EXPECT_EQ(re.MatchRoutine(), &TMatchCORE::MatchAnchored);
    re.SetRegExp("ab$");
    EXPECT_EQ(re.MatchRoutine(), &TMatchCORE::MatchAnchored);
    // A failed pattern leaves the empty one, which has no anchors.
    EXPECT_THROW(re.SetRegExp("(^"), ERegExpParser);
    EXPECT_EQ(re.MatchRoutine(), &TMatchCORE::MatchNoAnchor);
}

TEST(RegExpMatcher, InsideMatchDoesNotTakeTheStartAsLineHead)
{
    TAWKStr re(nullptr);
    re.SetRegExp("^a");
    EXPECT_EQ(re.MatchAnchoredInside("aa\na"), At(3, 4));
    re.SetRegExp("a$");
    EXPECT_EQ(re.MatchAnchoredInside("ba"), At(1, 2));
    re.SetRegExp("$");
    EXPECT_EQ(re.MatchAnchoredInside("ab"), At(2, 2));
}

} // namespace

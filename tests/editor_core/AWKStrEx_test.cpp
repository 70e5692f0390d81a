// Every match of a pattern in a logical line, as find highlighting asks.
#include "AWKStrEx.h"

#include "FakeEditorClient.h"

#include <gtest/gtest.h>

using edtest::Sjis;

namespace {

TFindHits Matches(const std::string& Pattern, std::string_view Text, std::string_view Subject)
{
    TAWKStrEx awk(nullptr);
    awk.SetRegExp(Pattern);
    TFindHits hits;
    const int count = awk.FindAllMatches(Text, Subject, hits);
    EXPECT_EQ(count, static_cast<int>(hits.size()));
    return hits;
}

TFindHits Matches(const std::string& Pattern, std::string_view Text) { return Matches(Pattern, Text, Text); }

TEST(AWKStrEx, EveryNonEmptyMatchInOrder)
{
    EXPECT_EQ(Matches("ab|b", "abxbab"),
              (TFindHits{{0, 2, "ab"}, {3, 1, "b"}, {4, 2, "ab"}}));
    EXPECT_EQ(Matches("x", "abc"), TFindHits{});
    EXPECT_EQ(Matches("x", ""), TFindHits{});
}

TEST(AWKStrEx, EmptyMatchesAddNothingAndTheSearchEnds)
{
    EXPECT_EQ(Matches("a*", "bbb"), TFindHits{});
    EXPECT_EQ(Matches("a*", "baab"), (TFindHits{{1, 2, "aa"}}));
    EXPECT_EQ(Matches("", Sjis("漢字")), TFindHits{});
}

TEST(AWKStrEx, LineHeadMatchesOnlyAtTheStart)
{
    EXPECT_EQ(Matches("^a", "aaa"), (TFindHits{{0, 1, "a"}}));
    EXPECT_EQ(Matches("^a", "ba"), TFindHits{});
}

TEST(AWKStrEx, LineTailMatchesBeforeTheLineBreak)
{
    // The editor searches a line with its CR LF after it.
    EXPECT_EQ(Matches("a$", "aba", "aba\r\n"), (TFindHits{{2, 1, "a"}}));
    EXPECT_EQ(Matches("a$", "aba"), (TFindHits{{2, 1, "a"}}));
}

TEST(AWKStrEx, HitTextStopsAtTheLineEnd)
{
    // A match reaching into the CR LF searched after the line keeps its
    // length; its text is what the line holds, read in bounds.
    EXPECT_EQ(Matches("a\\r\\n", "ba", "ba\r\n"), (TFindHits{{1, 3, "a"}}));
    EXPECT_EQ(Matches("\\n", "ba", "ba\r\n"), (TFindHits{{3, 1, ""}}));
}

TEST(AWKStrEx, TextComesFromTheUnfoldedLine)
{
    EXPECT_EQ(Matches("ab", "xABx", "xabx"), (TFindHits{{1, 2, "AB"}}));
}

TEST(AWKStrEx, DoubleByteCharactersAreNeverSplit)
{
    // "ア" is 83 41: its trail byte is no "A".
    const std::string a = Sjis("ア");
    EXPECT_EQ(Matches("A", a + "A"), (TFindHits{{2, 1, "A"}}));
    EXPECT_EQ(Matches("x*", a + a), TFindHits{});
}

} // namespace

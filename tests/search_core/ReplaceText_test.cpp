// Replacing and deleting in whole texts: plain (DBCS-safe, folded, whole
// word) and regular-expression vectors, the empty-match refusal test, and
// the plain search against the regular-expression one.
#include "ERegExpParser.h"
#include "RegExpChars.h"
#include "RegExpTestSupport.h"
#include "ReplaceText.h"

#include <gtest/gtest.h>

#include <random>

namespace {

Replaced Replace(std::string_view Source, std::string_view Find, TSearchOptionWord Options, std::string_view With)
{
    std::string result = "untouched";
    const int count = ReplaceText(Source, Find, result, Options, With);
    return {result, count};
}

TEST(ReplaceText, Vectors)
{
    const std::string a = Sjis("ア");   // 83 41: its trail byte is "A"
    const std::string hyo = Sjis("表"); // 95 5C: its trail byte is "\"
    struct Case {
        std::string Source, Find;
        TSearchOptionWord Options;
        std::string With;
        Replaced Expected;
    };
    const std::vector<Case> cases = {
        {"abab", "ab", soMatchCase, "x", {"xx", 2}},
        {"aaaa", "aa", soMatchCase, "b", {"bb", 2}},
        {"abc", "", 0, "x", {"abc", 0}},
        {"abc", "q", 0, "x", {"abc", 0}},
        // Folded: ASCII letters only; the text keeps its own case.
        {"aAb", "AB", 0, "x", {"ax", 1}},
        {"aAb", "AB", soMatchCase, "x", {"aAb", 0}},
        {a + "A", "A", soMatchCase, "x", {a + "x", 1}},
        {a + "a", "a", 0, "x", {a + "x", 1}},
        {Sjis("ア"), Sjis("ヂ"), 0, "x", {a, 0}},
        {hyo + "\\", "\\", 0, "/", {hyo + "/", 1}},
        // A lone lead byte never matches half a character.
        {Sjis("あ") + "\x82", "\x82", soMatchCase, "x", {Sjis("あ") + "x", 1}},
        // Whole words: digits are word bytes, "_" is not.
        {"ab abc ab", "ab", soWholeWord | soMatchCase, "x", {"x abc x", 2}},
        {"a1 a_b", "a", soWholeWord | soMatchCase, "x", {"a1 x_b", 1}},
        {"AB ab", "ab", soWholeWord, "x", {"x x", 2}},
        // Regular expressions: the replacement syntax read, case kept.
        {"aAa", "a", soRegexp, "(&)\\t", {"(a)\tA(a)\t", 2}},
        // The fuzzy flag plays no part in replacement: only the editor's
        // find expands writings.
        {Sjis("ｱ") + "a", Sjis("ア"), soRegexp | soFuzzy, "x", {Sjis("ｱ") + "a", 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Replace(c.Source, c.Find, c.Options, c.With), c.Expected) << c.Source << " / " << c.Find;
}

TEST(ReplaceText, DeleteReturnsTheCount)
{
    Replaced deleted{"", 0};
    deleted.Count = DeleteText(Sjis("xAByabア"), "ab", deleted.Text, 0);
    EXPECT_EQ(deleted, (Replaced{Sjis("xyア"), 2}));
}

TEST(ReplaceText, BadPatternOrReplacementRaisesAndLeavesTheResult)
{
    for (const auto& [find, with] : {std::pair{"a(", "x"}, {"[", "x"}, {"a", "x\\"}, {"a", "\\xZ"}}) {
        std::string result = "kept";
        EXPECT_THROW(ReplaceText("abc", find, result, soRegexp, with), ERegExpParser) << find << " " << with;
        EXPECT_EQ(result, "kept");
    }
}

TEST(ReplaceText, PatternsThatMatchEmptyEverywhereAreKnown)
{
    for (const char* pattern : {"", "()", "(|)", "a*", "x?", "(ab)*"})
        EXPECT_TRUE(RegExpMatchesEmpty(pattern)) << pattern;
    for (const char* pattern : {"a", "a+", "^", "$", "^a*", "a*b"})
        EXPECT_FALSE(RegExpMatchesEmpty(pattern)) << pattern;
    EXPECT_THROW(RegExpMatchesEmpty("(a"), ERegExpParser);
}

// The plain search is its own code: on random texts a literal replaced
// plainly gives what the same literal quoted as a regular expression gives
// (the regular-expression path is checked against plain walks elsewhere).
TEST(ReplaceText, PlainAgreesWithTheQuotedRegExp)
{
    const std::vector<std::string> chars = {"a", "b", "A", "\r\n", "\\", Sjis("ア"), Sjis("表"), Sjis("あ"), Sjis("ｱ")};
    std::mt19937 random(2026);
    auto text = [&](size_t Length) {
        std::string s;
        for (size_t i = 0; i < Length; ++i)
            s += chars[random() % chars.size()];
        return s;
    };
    for (int round = 0; round < 2000; ++round) {
        const std::string source = text(random() % 30);
        const std::string literal = text(1 + random() % 2);
        EXPECT_EQ(Replace(source, literal, soMatchCase, "<>"),
                  Replace(source, re::QuoteMetaChar(literal), soRegexp, "<>"))
            << source << " / " << literal;
    }
}

} // namespace

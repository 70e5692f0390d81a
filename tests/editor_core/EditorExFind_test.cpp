// The extended editor's find: options, the hits of a line, find next and
// previous over the logical lines of a row list, the word classes of whole
// words and every match of a line for the highlighting.
#include "AWKStrEx.h"
#include "EditorExFind.h"
#include "EditorExWordClass.h"

#include "Sjis.h"
#include "edEditTestSupport.h"

#include <gtest/gtest.h>

#include <optional>

using edtest::Sjis;
using enum TExSearchOption;

namespace {

using Starts = std::vector<int>;

class FindTest : public edtest::EditFixture {
protected:
    void Find(const std::string& What, TExSearchOptions Options = {})
    {
        Finder.SetFindString(What);
        Finder.SetExSearchOptions(Options);
    }
    // The starts of the hits of a line given as GetRowsText gives it.
    Starts HitStarts(std::string_view LineText)
    {
        TFindHits hits;
        Finder.LineHits(LineText, hits);
        Starts starts;
        for (const TFindHit& hit : hits)
            starts.push_back(hit.Start);
        return starts;
    }
    std::optional<TFoundHit> Next(int Row, int Offset) { return Finder.FindNext(List(), Row, Offset); }
    std::optional<TFoundHit> Previous(int Row, int Offset) { return Finder.FindPrevious(List(), Row, Offset); }

    TEditorExFinder Finder;
};

struct HitsCase {
    std::string What;
    TExSearchOptions Options;
    std::string Line;
    Starts Expected;
};

TEST_F(FindTest, HitsOfALine)
{
    // "ア" is 83 41, "ヂ" 83 61, "メ" 83 81: trail bytes that look like
    // letters or a lead byte.
    const std::string a = Sjis("ア"), di = Sjis("ヂ");
    const HitsCase cases[] = {
        // Plain hits do not overlap; an empty string finds nothing.
        {"aa", {}, "aaaaa", {0, 2}},
        {"", {}, "aaaaa", {}},
        {"b", {}, "abab\r\n", {1, 3}},
        {"AbC", {}, "abc ABC", {0, 4}},
        {"AbC", {soMatchCase}, "abc ABC AbC", {8}},
        // Full-width letters fold; folding never touches trail bytes (the
        // folding tests go through both in detail).
        {Sjis("ａ"), {}, Sjis("Ａａ") + "\r\n", {0, 2}},
        {Sjis("ａ"), {soRegexp, soMatchCase}, Sjis("Ａａ") + "\r\n", {2}},
        {a, {}, di + a + di, {2}},
        // Plain hits start and end where characters do; a lone lead byte in
        // the find string never matches half a character.
        {"\x81", {}, Sjis("メ") + "\x81", {2}},
        {"\x83", {}, a + "\x83", {2}},
        // Whole words need a class change at both ends: "-" is a word
        // character, "_" a delimiter.
        {"foo", {soWholeWord}, "foo-bar", {}},
        {"foo", {soWholeWord}, "foo_bar,foo", {0, 8}},
        {"foo", {soWholeWord}, "xfoo foox foo", {10}},
        {Sjis("漢字"), {soWholeWord}, Sjis("漢字かな"), {0}},
        {Sjis("漢字"), {soWholeWord}, Sjis("漢字字"), {}},
        {"aa", {soWholeWord}, "aaa aa", {4}}, // a rejected place hides no overlapping hit
        // The line tail matches at the end of every logical line.
        {"a$", {soRegexp}, "aba\r\n", {2}},
        {"a$", {soRegexp}, "aba", {2}},
        {"a$", {soRegexp}, "ab\r\n", {}},
        {"^a", {soRegexp}, "aaa\r\n", {0}},
    };
    for (const HitsCase& c : cases) {
        Find(c.What, c.Options);
        EXPECT_EQ(HitStarts(c.Line), c.Expected) << "\"" << c.What << "\" in \"" << c.Line << "\"";
    }
}

TEST_F(FindTest, InvalidPatternRaisesForCommandsButNotForPainting)
{
    SetText("ab(\r\nab");
    Find("b(", {soRegexp});
    TFindHits hits{{0, 1, "x"}};
    EXPECT_NO_THROW(Finder.PaintLineHits("ab(", hits));
    EXPECT_TRUE(hits.empty());
    EXPECT_THROW(Finder.LineHits("ab(", hits), ERegExpParser);
    EXPECT_THROW(Previous(1, 2), ERegExpParser);
    try {
        Next(0, 0);
        ADD_FAILURE() << "no error";
    } catch (const ERegExpParser& error) {
        EXPECT_EQ(error.Message(), remsg::NeedRightParen);
        EXPECT_EQ(error.ErrorPos(), 3);
    }
    // A good pattern afterwards works again.
    Find("b\\(", {soRegexp});
    EXPECT_EQ(Next(0, 0), (TFoundHit{0, 1, 2}));
    // Folding writes "\T" as a longer escape; the error still points into
    // what the user typed, as with match case.
    for (TExSearchOptions options : {TExSearchOptions{soRegexp}, TExSearchOptions{soRegexp, soMatchCase}}) {
        Find("\\T(a", options);
        try {
            Finder.LineHits("a", hits);
            ADD_FAILURE() << "no error";
        } catch (const ERegExpParser& error) {
            EXPECT_EQ(error.ErrorPos(), 5);
        }
    }
}

// ---- Find next and previous ------------------------------------------------

TEST_F(FindTest, FindNextAndPreviousFromTheCaret)
{
    SetText("xab\r\nab ab\r\n");
    Find("ab");
    // A hit starting at the caret counts; past it (the caret after a hit
    // shown as a caret) the next one.
    EXPECT_EQ(Next(0, 1), (TFoundHit{0, 1, 2}));
    EXPECT_EQ(Next(0, 1 + 2), (TFoundHit{1, 0, 2}));
    // No wrap-around.
    EXPECT_EQ(Next(1, 4), std::nullopt);
    EXPECT_EQ(Next(3, 0), std::nullopt);
    EXPECT_EQ(Next(-1, 0), std::nullopt);
    EXPECT_EQ(Previous(0, 1), std::nullopt);
    EXPECT_EQ(Previous(0, 2), (TFoundHit{0, 1, 2}));
    // From past the final line break, each call going back from the last
    // hit's start.
    std::vector<TFoundHit> walk;
    for (auto hit = Previous(2, 0); hit; hit = Previous(hit->LineRow, hit->Start))
        walk.push_back(*hit);
    EXPECT_EQ(walk, (std::vector<TFoundHit>{{1, 3, 2}, {1, 0, 2}, {0, 1, 2}}));
    Find("");
    EXPECT_EQ(Next(0, 0), std::nullopt);
    EXPECT_EQ(Previous(2, 1), std::nullopt);
}

TEST_F(FindTest, WithoutWrapHitsPastTheDrawnBytesAreNotFound)
{
    const std::string x1000(1000, 'x');
    SetText(x1000 + "ab\r\n" + x1000.substr(1) + "ab\r\nab");
    Find("ab");
    EXPECT_EQ(Next(0, 0), (TFoundHit{1, 999, 2}));
    EXPECT_EQ(Previous(1, 999), std::nullopt);
    EXPECT_EQ(Previous(2, 0), (TFoundHit{1, 999, 2}));
    SetText(Text(), true, 100);
    EXPECT_EQ(Next(0, 0), (TFoundHit{0, 1000, 2}));
}

// ---- Word classes of the whole-word find ------------------------------------

// The class of each character of Text as a string.
std::string Classes(const std::string& Text)
{
    std::string classes;
    for (size_t pos = 0; pos < Text.size(); pos += sjis::CharLen(Text, pos))
        classes += WordCharClass(Text, static_cast<int>(pos + 1));
    return classes;
}

TEST(EditorExWordClass, ClassesOfSingleAndDoubleBytes)
{
    EXPECT_EQ(Classes("ab_Z9-"), "110111");
    const std::string delimiters = "\t\n\r !\"#$%&'()=~^\\|{}[]`@;+:*,<.>/?";
    EXPECT_EQ(Classes(delimiters), std::string(delimiters.size(), '0'));
    // Half-width katakana are '2', except the half-width signs "､｡･".
    EXPECT_EQ(Classes(Sjis("ｱｶﾞ｢｣､｡･")), "22222000");
    EXPECT_EQ(Classes(std::string("\0\x80\xFD", 3)), "000");
    EXPECT_EQ(Classes(Sjis("０Ａｚあんアヶ亜漢")), "333554466");
    // Double-byte delimiters from each end of their ranges; Greek and box
    // drawing lie between the ranges.
    const std::string doubleDelimiters = Sjis("　、〇ー‥‘】＋§☆▽α─");
    EXPECT_EQ(Classes(doubleDelimiters), std::string(doubleDelimiters.size() / 2, '0'));
    // An index on a trail byte counts as its character; outside is a delimiter.
    const std::string text = "a" + Sjis("漢");
    EXPECT_EQ(WordCharClass(text, 3), '6');
    // "メ" is 83 81: its trail byte looks like a lead byte.
    const std::string me = Sjis("メメ");
    EXPECT_EQ(WordCharClass(me, 2), '4');
    EXPECT_EQ(WordCharClass(me, 3), '4');
    EXPECT_EQ(WordCharClass("ab", 0), '0');
    EXPECT_EQ(WordCharClass("ab", 3), '0');
    EXPECT_EQ(WordCharClass("", 1), '0');
}

// ---- Every match of a line, as find highlighting asks -------------------------

struct MatchCase {
    std::string Pattern, Text, Subject; // the subject searched; the text when empty
    TFindHits Expected;
};

TEST(AWKStrEx, EveryNonEmptyMatchOfALine)
{
    // "ア" is 83 41: its trail byte is no "A".
    const std::string a = Sjis("ア");
    const MatchCase cases[] = {
        {"ab|b", "abxbab", "", {{0, 2, "ab"}, {3, 1, "b"}, {4, 2, "ab"}}},
        {"x", "abc", "", {}},
        {"x", "", "", {}},
        // Empty matches add nothing and the search ends.
        {"a*", "bbb", "", {}},
        {"a*", "baab", "", {{1, 2, "aa"}}},
        {"", Sjis("漢字"), "", {}},
        {"^a", "aaa", "", {{0, 1, "a"}}},
        {"^a", "ba", "", {}},
        // The editor searches a line with its CR LF after it.
        {"a$", "aba", "aba\r\n", {{2, 1, "a"}}},
        {"a$", "aba", "", {{2, 1, "a"}}},
        // A match reaching into that CR LF keeps its length; its text is
        // what the line holds, read in bounds.
        {"a\\r\\n", "ba", "ba\r\n", {{1, 3, "a"}}},
        {"\\n", "ba", "ba\r\n", {{3, 1, ""}}},
        // The text comes from the unfolded line.
        {"ab", "xABx", "xabx", {{1, 2, "AB"}}},
        {"A", a + "A", "", {{2, 1, "A"}}},
        {"x*", a + a, "", {}},
    };
    for (const MatchCase& c : cases) {
        TAWKStrEx awk(nullptr);
        awk.SetRegExp(c.Pattern);
        TFindHits hits;
        const int count = awk.FindAllMatches(c.Text, c.Subject.empty() ? c.Text : c.Subject, hits);
        EXPECT_EQ(count, static_cast<int>(hits.size()));
        EXPECT_EQ(hits, c.Expected) << c.Pattern << " in " << c.Text;
    }
}

TEST_F(FindTest, FuzzyTakesEffectOnlyWithRegularExpressions)
{
    Find(Sjis("ア"), {soRegexp, soFuzzy});
    EXPECT_EQ(HitStarts(Sjis("あアｱ")), (Starts{0, 2, 4}));
    EXPECT_TRUE(Finder.AWKStr().UseFuzzyCharDic());
    Find(Sjis("ア"), {soRegexp});
    EXPECT_EQ(HitStarts(Sjis("あアｱ")), (Starts{2}));
    EXPECT_FALSE(Finder.AWKStr().UseFuzzyCharDic());
    Find(Sjis("ア"), {soFuzzy});
    EXPECT_EQ(HitStarts(Sjis("あアｱ")), (Starts{2}));
}

} // namespace

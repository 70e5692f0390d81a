// Case folding of texts and patterns for the extended editor's find.
#include "EditorExFold.h"

#include "AWKStrEx.h"
#include "FakeEditorClient.h"

#include <gtest/gtest.h>

using edtest::Sjis;

namespace {

std::string Fold(std::string_view Text)
{
    std::string folded;
    FoldTextInto(Text, folded);
    return folded;
}

using Texts = std::vector<std::string>;

TEST(EditorExFold, TextFoldsTheCasePairsOfThePlainSearchOnly)
{
    EXPECT_EQ(Fold("AbZ@[`{ 09"), "ABZ@[`{ 09");
    EXPECT_EQ(Fold(Sjis("ａＢαΩяЖ")), Sjis("ＡＢΑΩЯЖ"));
    EXPECT_EQ(Fold("\xEE\xF0"), "\x87\x55"); // "ⅱ" in the NEC-selected row, to "Ⅱ"
    // "ア" is 83 41 and "ヂ" 83 61: no other trail byte ever folds.
    const std::string kana = Sjis("アヂ");
    EXPECT_EQ(Fold(kana + "a"), kana + "A");
    // A lead byte with no trail byte after it is a character alone; the
    // letter after it still folds.
    EXPECT_EQ(Fold("\x83"), "\x83");
    EXPECT_EQ(Fold(std::string("\x83\x0D"
                               "a")),
              std::string("\x83\x0D"
                          "A"));
}

TEST(EditorExFold, FoldedPatternsMatchAnyCase)
{
    const std::string a = Sjis("ア");
    const struct {
        std::string Pattern, Subject;
        Texts Expected;
    } cases[] = {
        {Sjis("ａ"), Sjis("Ａａ"), {Sjis("Ａ"), Sjis("ａ")}},
        {Sjis("[α-γ]+"), Sjis("ΑβΓδ"), {Sjis("ΑβΓ")}},
        {"ABC", "abc ABC aBc", {"abc", "ABC", "aBc"}},
        {"a\\x42", "AB ab", {"AB", "ab"}},
        // Operators and escapes keep their meaning: upper-casing the pattern
        // byte by byte would make the TAB escape "\T".
        {"A+\\.", "aA. a", {"aA."}},
        {"\\t", "t\tT", {"\t"}},
        {"\\T", "tT", {"t", "T"}},
        {"\\n\\r\\b", "NRB", {}},
        // Classes gain the capitals of their small items.
        {"[A-C]+", "xaBcD", {"aBc"}},
        {"[X-a]+", "x[_aB", {"x[_a"}}, // a range past "Z" keeps its other members
        {"[^A]+", "bAaB", {"b", "B"}}, // a negated class excludes both cases
        {"[A-]", "a-", {"a", "-"}},
        // Double-byte literals are untouched.
        {"[" + a + "B]", Sjis("ヂアb"), {a, "b"}},
        {a, Sjis("ヂ") + a, {a}},
    };
    for (const auto& c : cases) {
        TAWKStrEx awk(nullptr);
        awk.SetRegExp(FoldRegExpPattern(c.Pattern));
        TFindHits hits;
        awk.FindAllMatches(c.Subject, Fold(c.Subject), hits);
        Texts texts;
        for (const TFindHit& hit : hits)
            texts.push_back(hit.Text);
        EXPECT_EQ(texts, c.Expected) << c.Pattern;
    }
}

} // namespace

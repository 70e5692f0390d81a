// Case folding of texts and patterns for the extended editor's find.
#include "EditorExFold.h"

#include "AWKStrEx.h"
#include "FakeEditorClient.h"

#include "ERegExpParser.h"

#include <gtest/gtest.h>

using edtest::Sjis;

namespace {

std::string Fold(std::string_view Text)
{
    std::string folded;
    FoldTextInto(Text, folded);
    return folded;
}

// The texts of the hits of Pattern, folded, in the folded Subject.
std::vector<std::string> FoldedMatches(const std::string& Pattern, const std::string& Subject)
{
    TAWKStrEx awk(nullptr);
    awk.SetRegExp(FoldRegExpPattern(Pattern));
    TFindHits hits;
    awk.FindAllMatches(Subject, Fold(Subject), hits);
    std::vector<std::string> texts;
    for (const TFindHit& hit : hits)
        texts.push_back(hit.Text);
    return texts;
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
    EXPECT_EQ(Fold(std::string("\x83\x0D" "a")), std::string("\x83\x0D" "A"));
    EXPECT_EQ(Fold(""), "");
}

TEST(EditorExFold, FullWidthLettersMatchInEitherCase)
{
    // "ａ" finds "Ａ" and "ａ"; a class of small Greek letters finds capitals.
    EXPECT_EQ(FoldedMatches(Sjis("ａ"), Sjis("Ａａ")), (Texts{Sjis("Ａ"), Sjis("ａ")}));
    EXPECT_EQ(FoldedMatches(Sjis("[α-γ]+"), Sjis("ΑβΓδ")), (Texts{Sjis("ΑβΓ")}));
    EXPECT_EQ(FoldedMatches(Sjis("ア"), Sjis("ヂア")), (Texts{Sjis("ア")}));
}

TEST(EditorExFold, LiteralLettersFoldSoThePatternMatchesAnyCase)
{
    EXPECT_EQ(FoldedMatches("ABC", "abc ABC aBc"), (Texts{"abc", "ABC", "aBc"}));
    EXPECT_EQ(FoldedMatches("a\\x42", "AB ab"), (Texts{"AB", "ab"}));
    // Operators and escapes keep their meaning.
    EXPECT_EQ(FoldedMatches("A+\\.", "aA. a"), (Texts{"aA."}));
}

TEST(EditorExFold, EscapesKeepTheirMeaning)
{
    // Upper-casing the pattern byte by byte would make the TAB escape "\\T".
    EXPECT_EQ(FoldedMatches("\\t", "t\tT"), (Texts{"\t"}));
    EXPECT_EQ(FoldedMatches("\\T", "tT"), (Texts{"t", "T"}));
    EXPECT_EQ(FoldedMatches("\\n\\r\\b", "NRB"), Texts{});
}

TEST(EditorExFold, ClassesGainTheCapitalsOfTheirSmallItems)
{
    EXPECT_EQ(FoldedMatches("[A-C]+", "xaBcD"), (Texts{"aBc"}));
    EXPECT_EQ(FoldedMatches("[Q]", "qQ"), (Texts{"q", "Q"}));
    // A range reaching past "Z" keeps its other members.
    EXPECT_EQ(FoldedMatches("[X-a]+", "x[_aB"), (Texts{"x[_a"}));
    // A negated class excludes both cases.
    EXPECT_EQ(FoldedMatches("[^A]+", "bAaB"), (Texts{"b", "B"}));
    // Items that end in "-]" and double-byte items keep their form.
    EXPECT_EQ(FoldedMatches("[A-]", "a-"), (Texts{"a", "-"}));
    const std::string kana = Sjis("ア");
    EXPECT_EQ(FoldedMatches("[" + kana + "B]", Sjis("ヂアb")), (Texts{kana, "b"}));
}

TEST(EditorExFold, DoubleByteLiteralsAreUntouched)
{
    const std::string a = Sjis("ア"), di = Sjis("ヂ");
    EXPECT_EQ(FoldRegExpPattern(a), a);
    EXPECT_EQ(FoldedMatches(a, di + a), Texts{a});
}

TEST(EditorExFold, MalformedTokenRaises)
{
    EXPECT_THROW(FoldRegExpPattern("[A"), ERegExpParser);
    EXPECT_THROW(FoldRegExpPattern("A\\"), ERegExpParser);
}

} // namespace

// Bracket pairs: the twelve kinds, nesting, rows, and the caret's pair.
#include "EditorExBrackets.h"

#include "FakeEditorClient.h"

#include "Sjis.h"

#include <gtest/gtest.h>

using edtest::Sjis;
using edtest::TFakeEditorClient;

namespace {

class BracketTest : public ::testing::Test {
protected:
    TEditorScreenStrings& List() { return *Editor.List; }
    void SetText(const char* Utf8) { List().SetTextStr(Sjis(Utf8)); }
    // Where the partner of the bracket at (Row, Index) is, as "row:index".
    std::string Partner(int Row, int Index)
    {
        const TBracketPair pair = FindBracketPair(List(), Row, Index);
        if (!pair.Found)
            return "none";
        return std::to_string(pair.PartnerRow()) + ":" + std::to_string(pair.PartnerIndex());
    }

    TFakeEditorClient Editor;
};

TEST_F(BracketTest, BracketStringsConvertLosslessly)
{
    EXPECT_EQ(Sjis("(<[{‘“（「『【＜≪"), OpeningBrackets());
    EXPECT_EQ(Sjis(")>]}’”）」』】＞≫"), ClosingBrackets());
}

TEST_F(BracketTest, EveryKindPairsWithItsOwnPartner)
{
    std::vector<std::string> opening, closing;
    for (sjis::CharCursor c(OpeningBrackets()); !c.AtEnd(); c.Next())
        opening.emplace_back(c.Char());
    for (sjis::CharCursor c(ClosingBrackets()); !c.AtEnd(); c.Next())
        closing.emplace_back(c.Char());
    ASSERT_EQ(opening.size(), 12u);
    ASSERT_EQ(closing.size(), 12u);
    for (size_t kind = 0; kind < 12; ++kind) {
        // Unclosed brackets of the other kinds between are not counted.
        std::string text = opening[kind];
        for (size_t other = 0; other < 12; ++other)
            if (other != kind)
                text += opening[other];
        const int last = static_cast<int>(text.size());
        List().SetTextStr(text + closing[kind]);
        const TBracketPair pair = FindBracketPair(List(), 0, 0);
        ASSERT_TRUE(pair.Found) << kind;
        EXPECT_TRUE(pair.FromOpening);
        EXPECT_EQ(pair.CloseIndex, last);
        EXPECT_EQ(pair.OpenText, opening[kind]);
        EXPECT_EQ(pair.CloseText, closing[kind]);
        EXPECT_EQ(FindBracketPair(List(), 0, last).PartnerIndex(), 0);
    }
}

TEST_F(BracketTest, NestedPairsAcrossRows)
{
    // Rows: "「a「b」", "c」d", "」".
    SetText("「a「b」\r\nc」d\r\n」");
    EXPECT_EQ(Partner(0, 0), "1:1");
    EXPECT_EQ(Partner(0, 3), "0:6");
    EXPECT_EQ(Partner(1, 1), "0:0");
    EXPECT_EQ(Partner(0, 6), "0:3");
    // The last one has no opening bracket left.
    EXPECT_EQ(Partner(2, 0), "none");
}

TEST_F(BracketTest, TrailByteCountsAsItsCharacter)
{
    SetText("x「a」");
    EXPECT_EQ(Partner(0, 2), "0:4");
    EXPECT_EQ(Partner(0, 5), "0:1");
}

TEST_F(BracketTest, TrailBytesThatLookLikeBracketsAreNoBrackets)
{
    // "ゼ" is 83 5B: its trail byte is "[".
    SetText("[ゼ]ゼ");
    EXPECT_EQ(Partner(0, 0), "0:3");
    EXPECT_EQ(Partner(0, 3), "0:0");
    EXPECT_EQ(Partner(0, 2), "none");
    EXPECT_EQ(Partner(0, 5), "none");
}

TEST_F(BracketTest, NoBracketOrNoPartner)
{
    SetText("(a\r\nb");
    EXPECT_EQ(Partner(0, 0), "none");
    EXPECT_EQ(Partner(0, 1), "none");
    EXPECT_EQ(Partner(0, 2), "none");
    EXPECT_EQ(Partner(5, 0), "none");
    EXPECT_EQ(Partner(-1, 0), "none");
    // A negative index is the row's first byte.
    SetText("()");
    EXPECT_EQ(Partner(0, -3), "0:1");
    List().Clear();
    EXPECT_EQ(Partner(0, 0), "none");
}

TEST_F(BracketTest, CaretMarksTheBracketAtItOrJustBeforeIt)
{
    SetText("a(b)c");
    // On "(" and just after ")".
    EXPECT_TRUE(BracketPairAtCaret(List(), 0, 1).Found);
    const TBracketPair after = BracketPairAtCaret(List(), 0, 4);
    ASSERT_TRUE(after.Found);
    EXPECT_FALSE(after.FromOpening);
    EXPECT_EQ(after.PartnerIndex(), 1);
    // Just after "(" the caret is on "b": the "(" before it is taken.
    const TBracketPair inside = BracketPairAtCaret(List(), 0, 2);
    ASSERT_TRUE(inside.Found);
    EXPECT_TRUE(inside.FromOpening);
    EXPECT_EQ(inside.PartnerIndex(), 3);
    EXPECT_FALSE(BracketPairAtCaret(List(), 0, 0).Found);
    EXPECT_FALSE(BracketPairAtCaret(List(), 0, 5).Found);
    EXPECT_TRUE(inside.IsBracketAt(0, 1));
    EXPECT_TRUE(inside.IsBracketAt(0, 3));
    EXPECT_FALSE(inside.IsBracketAt(0, 2));
}

TEST_F(BracketTest, WrappedRowsAreScannedLikeAnyOther)
{
    List().WrapOption()->SetWrapByte(20);
    List().SetWordWrap(true);
    List().SetTextStr("(" + std::string(30, 'x') + ")");
    ASSERT_EQ(List().Count(), 2);
    EXPECT_EQ(Partner(0, 0), "1:11");
    EXPECT_EQ(Partner(1, 11), "0:0");
}

} // namespace

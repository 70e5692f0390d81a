// Bracket pairs: the twelve kinds, nesting, rows, and the caret's pair.
#include "EditorExBrackets.h"

#include "FakeEditorClient.h"

#include "Sjis.h"

#include <gtest/gtest.h>

#include <tuple>

using edtest::Sjis;

namespace {

class BracketTest : public edtest::ListTest {
protected:
    // Where the partner of the bracket at (Row, Index) is, as "row:index".
    std::string Partner(int Row, int Index)
    {
        const TBracketPair pair = FindBracketPair(List(), Row, Index);
        if (!pair.Found)
            return "none";
        return std::to_string(pair.PartnerRow()) + ":" + std::to_string(pair.PartnerIndex());
    }
};

std::vector<std::string> Characters(const std::string& Text)
{
    std::vector<std::string> chars;
    for (sjis::CharCursor c(Text); !c.AtEnd(); c.Next())
        chars.emplace_back(c.Char());
    return chars;
}

TEST_F(BracketTest, EveryKindPairsWithItsOwnPartner)
{
    const std::vector<std::string> opening = Characters(Sjis("(<[{‘“（「『【＜≪"));
    const std::vector<std::string> closing = Characters(Sjis(")>]}’”）」』】＞≫"));
    EXPECT_EQ(Characters(OpeningBrackets()), opening);
    EXPECT_EQ(Characters(ClosingBrackets()), closing);
    for (size_t kind = 0; kind < 12; ++kind) {
        // Unclosed brackets of the other kinds between are not counted.
        std::string text = opening[kind];
        for (size_t other = 0; other < 12; ++other)
            if (other != kind)
                text += opening[other];
        const int last = static_cast<int>(text.size());
        List().SetTextStr(text + closing[kind]);
        const TBracketPair pair = FindBracketPair(List(), 0, 0);
        EXPECT_EQ(std::tuple(pair.Found, pair.FromOpening, pair.CloseIndex, pair.OpenText, pair.CloseText),
                  std::tuple(true, true, last, opening[kind], closing[kind]));
        EXPECT_EQ(FindBracketPair(List(), 0, last).PartnerIndex(), 0);
    }
}

TEST_F(BracketTest, PartnersAcrossRowsNestingAndTrailBytes)
{
    // Each text with places (row, index) and their partners.
    const std::vector<std::pair<const char*, std::vector<std::tuple<int, int, const char*>>>> cases = {
        // The last "」" has no opening bracket left.
        {"「a「b」\r\nc」d\r\n」", {{0, 0, "1:1"}, {0, 3, "0:6"}, {1, 1, "0:0"}, {0, 6, "0:3"}, {2, 0, "none"}}},
        // A trail byte counts as its character.
        {"x「a」", {{0, 2, "0:4"}, {0, 5, "0:1"}}},
        // "ゼ" is 83 5B: its trail byte is no "[".
        {"[ゼ]ゼ", {{0, 0, "0:3"}, {0, 3, "0:0"}, {0, 2, "none"}, {0, 5, "none"}}},
        {"(a\r\nb", {{0, 0, "none"}, {0, 1, "none"}, {0, 2, "none"}, {5, 0, "none"}, {-1, 0, "none"}}},
        {"", {{0, 0, "none"}}},
        {"()", {{0, -3, "0:1"}}}, // a negative index is the row's first byte
    };
    for (const auto& [text, places] : cases) {
        List().SetTextStr(Sjis(text));
        for (const auto& [row, index, partner] : places)
            EXPECT_EQ(Partner(row, index), partner) << text << " " << row << ":" << index;
    }
    List().WrapOption()->SetWrapByte(20);
    List().SetWordWrap(true);
    List().SetTextStr("(" + std::string(30, 'x') + ")");
    EXPECT_EQ(Partner(0, 0), "1:11");
    EXPECT_EQ(Partner(1, 11), "0:0");
}

TEST_F(BracketTest, CaretMarksTheBracketAtItOrJustBeforeIt)
{
    List().SetTextStr("a(b)c");
    EXPECT_TRUE(BracketPairAtCaret(List(), 0, 1).Found);
    const TBracketPair after = BracketPairAtCaret(List(), 0, 4);
    ASSERT_TRUE(after.Found);
    EXPECT_FALSE(after.FromOpening);
    EXPECT_EQ(after.PartnerIndex(), 1);
    // Just after "(" the caret is on "b": the "(" before it is taken.
    const TBracketPair inside = BracketPairAtCaret(List(), 0, 2);
    ASSERT_TRUE(inside.FromOpening);
    EXPECT_EQ(inside.PartnerIndex(), 3);
    EXPECT_FALSE(BracketPairAtCaret(List(), 0, 0).Found);
    EXPECT_FALSE(BracketPairAtCaret(List(), 0, 5).Found);
    EXPECT_TRUE(inside.IsBracketAt(0, 1));
    EXPECT_TRUE(inside.IsBracketAt(0, 3));
    EXPECT_FALSE(inside.IsBracketAt(0, 2));
}

} // namespace

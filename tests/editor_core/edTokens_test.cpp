#include "edTokens.h"

#include "EditorFountain.h"
#include "edEditTestSupport.h"

using edtest::Sjis;
using edtest::TTestFountain;

namespace {

class TokensTest : public edtest::EditFixture {
protected:
    TokensTest() { Editor.Fountain = Fountain.get(); }

    std::unique_ptr<TTestFountain> Fountain{TFileExtComponent::Create<TTestFountain>(nullptr)};
};

TEST_F(TokensTest, TheTokenUnderAPlaceWithItsKind)
{
    // The editor's scheme knows addresses.
    const std::unique_ptr<TEditorFountain> scheme(TFileExtComponent::Create<TEditorFountain>(nullptr));
    scheme->SetUrl(true);
    Editor.Fountain = scheme.get();
    SetText("see http://example.com/x here");
    std::optional<TTokenInfo> token = TokenAt(List(), 0, 10, scheme.get(), true);
    ASSERT_TRUE(token);
    EXPECT_EQ(token->Kind, toUrl);
    EXPECT_EQ(token->Text, "http://example.com/x");
    EXPECT_EQ(token->Start, 4);
    EXPECT_EQ(token->Length, 20);
    token = TokenAt(List(), 0, 1, scheme.get(), true);
    ASSERT_TRUE(token);
    EXPECT_EQ(token->Kind, toAnk);
    EXPECT_EQ(token->Text, "see");
    // A blank, and a column past the row's end, hold no token.
    EXPECT_FALSE(TokenAt(List(), 0, 3, scheme.get(), true));
    EXPECT_FALSE(TokenAt(List(), 0, 40, scheme.get(), true));
    EXPECT_FALSE(TokenAt(List(), 3, 0, scheme.get(), true));
    Editor.Fountain = Fountain.get();
    int index = -1;
    EXPECT_TRUE(CharIndexAt(List(), 0, 28, index));
    EXPECT_EQ(index, 28);
    EXPECT_FALSE(CharIndexAt(List(), 0, 29, index));
}

TEST_F(TokensTest, KeepStateMakesARegionFromTheRowsAboveOneToken)
{
    SetText("a /* one\r\ntwo */ b");
    std::optional<TTokenInfo> token = TokenAt(List(), 1, 1, Fountain.get(), true);
    ASSERT_TRUE(token);
    EXPECT_EQ(token->Kind, toBracket);
    EXPECT_EQ(token->Text, "two */");
    token = TokenAt(List(), 1, 1, Fountain.get(), false);
    ASSERT_TRUE(token);
    EXPECT_EQ(token->Text, "two");
    // A region that opens in the line is one token either way.
    token = TokenAt(List(), 0, 5, Fountain.get(), false);
    ASSERT_TRUE(token);
    EXPECT_EQ(token->Kind, toBracket);
    EXPECT_EQ(token->Text, "/* one");
}

TEST_F(TokensTest, TheWordScannerKnowsNoBrackets)
{
    SetText("x /* word */ " + Sjis("漢字かな"));
    std::optional<TTokenInfo> token = TokenAt(List(), 0, 6, nullptr, false);
    ASSERT_TRUE(token);
    EXPECT_EQ(token->Text, "word");
    EXPECT_EQ(token->Kind, toAnk);
    token = TokenAt(List(), 0, 14, nullptr, false);
    ASSERT_TRUE(token);
    EXPECT_EQ(token->Text, Sjis("漢字"));
    EXPECT_EQ(token->Kind, toDBKanji);
}

TEST_F(TokensTest, AWrappedLineIsParsedWhole)
{
    SetText(std::string(25, 'a') + " b", true, 20);
    ASSERT_EQ(List().Count(), 2);
    const std::optional<TTokenInfo> token = TokenAt(List(), 1, 2, nullptr, false);
    ASSERT_TRUE(token);
    EXPECT_EQ(token->Text, std::string(25, 'a'));
    EXPECT_EQ(token->LineRow, 0);
    EXPECT_EQ(token->Start, 0);
    // The caret for selecting it: the token's start from the line's row.
    TCaretPos start;
    List().RowColAfterText(token->LineRow, token->Start, start.Row, start.Col);
    EXPECT_EQ(start, (TCaretPos{0, 0}));
}

TEST_F(TokensTest, CtrlLeftGoesToTokenStartsAndStopsAtLineEnds)
{
    // "three" starts at column 17, after the tab (8-15) and a space.
    SetText("one  two\t three\r\n  four");
    EXPECT_EQ(PrevTokenPlace(List(), {0, 22}, Fountain.get()), (TCaretPos{0, 17}));
    // The tab is a blank token and passed over.
    EXPECT_EQ(PrevTokenPlace(List(), {0, 17}, Fountain.get()), (TCaretPos{0, 5}));
    EXPECT_EQ(PrevTokenPlace(List(), {0, 6}, Fountain.get()), (TCaretPos{0, 5}));
    EXPECT_EQ(PrevTokenPlace(List(), {0, 5}, Fountain.get()), (TCaretPos{0, 0}));
    EXPECT_EQ(PrevTokenPlace(List(), {0, 0}, Fountain.get()), (TCaretPos{0, 0}));
    // From a line's start to the end of the line above, and no further.
    EXPECT_EQ(PrevTokenPlace(List(), {1, 0}, Fountain.get()), (TCaretPos{0, 22}));
    // No token to the left: the end of the row above.
    EXPECT_EQ(PrevTokenPlace(List(), {1, 2}, Fountain.get()), (TCaretPos{0, 22}));
}

TEST_F(TokensTest, CtrlRightGoesToTheNextTokenStartAndOnToTheNextRow)
{
    SetText("one  two\r\n  four\r\nlast");
    EXPECT_EQ(NextTokenPlace(List(), {0, 0}, Fountain.get()), (TCaretPos{0, 5}));
    // No token to the right: the row's end.
    EXPECT_EQ(NextTokenPlace(List(), {0, 5}, Fountain.get()), (TCaretPos{0, 8}));
    // At the end, on to the first token of the next row.
    EXPECT_EQ(NextTokenPlace(List(), {0, 8}, Fountain.get()), (TCaretPos{1, 2}));
    EXPECT_EQ(NextTokenPlace(List(), {1, 6}, Fountain.get()), (TCaretPos{2, 0}));
    // The end of the text stays.
    EXPECT_EQ(NextTokenPlace(List(), {2, 4}, Fountain.get()), (TCaretPos{2, 4}));
}

TEST_F(TokensTest, TokenMovesCrossWrappedRows)
{
    SetText("aaaa bbbb cccc dddd eeeeeeeeee", true, 20);
    List().WrapOption()->SetWordBreak(true);
    ASSERT_EQ(List().RowText(0), "aaaa bbbb cccc dddd ");
    ASSERT_EQ(List().RowAttribute(0), TRowAttribute::raWrapped);
    // From the last token of a wrapped row: on to the next row's start.
    EXPECT_EQ(NextTokenPlace(List(), {0, 15}, Fountain.get()), (TCaretPos{1, 0}));
    // From a continuation row's start: the row above is not a line's end,
    // so its last token start.
    EXPECT_EQ(PrevTokenPlace(List(), {1, 0}, Fountain.get()), (TCaretPos{0, 15}));
}

} // namespace

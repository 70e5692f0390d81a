#include "edTokens.h"

#include "EditorFountain.h"
#include "edEditTestSupport.h"

using edtest::Sjis;
using edtest::TTestFountain;

namespace {

class TokensTest : public edtest::EditFixture {
protected:
    TokensTest() { Editor.Fountain = Fountain.get(); }

    // The token over (Row, Col) as "text kind start", or "none".
    std::string Token(int Row, int Col, TFountain* Parser, bool KeepState)
    {
        const std::optional<TTokenInfo> token = TokenAt(List(), Row, Col, Parser, KeepState);
        if (!token)
            return "none";
        return token->Text + " " + std::to_string(token->Kind) + " " + std::to_string(token->Start);
    }
    static std::string Expected(const std::string& Text, int Kind, int Start)
    {
        return Text + " " + std::to_string(Kind) + " " + std::to_string(Start);
    }
    TCaretPos Prev(TCaretPos From) { return PrevTokenPlace(List(), From, Fountain.get()); }
    TCaretPos Next(TCaretPos From) { return NextTokenPlace(List(), From, Fountain.get()); }

    std::unique_ptr<TTestFountain> Fountain{TFileExtComponent::Create<TTestFountain>(nullptr)};
};

TEST_F(TokensTest, TheTokenUnderAPlaceWithItsKind)
{
    // The editor's scheme knows addresses.
    const std::unique_ptr<TEditorFountain> scheme(TFileExtComponent::Create<TEditorFountain>(nullptr));
    scheme->SetUrl(true);
    Editor.Fountain = scheme.get();
    SetText("see http://example.com/x here");
    EXPECT_EQ(Token(0, 10, scheme.get(), true), Expected("http://example.com/x", toUrl, 4));
    EXPECT_EQ(Token(0, 1, scheme.get(), true), Expected("see", toAnk, 0));
    // A blank, and a column past the row's end, hold no token.
    EXPECT_EQ(Token(0, 3, scheme.get(), true), "none");
    EXPECT_EQ(Token(0, 40, scheme.get(), true), "none");
    EXPECT_EQ(Token(3, 0, scheme.get(), true), "none");
    Editor.Fountain = Fountain.get();
    int index = -1;
    EXPECT_TRUE(CharIndexAt(List(), 0, 28, index));
    EXPECT_EQ(index, 28);
    EXPECT_FALSE(CharIndexAt(List(), 0, 29, index));
}

TEST_F(TokensTest, CtrlLeftAndRightGoToTokenStartsAndStopAtLineEnds)
{
    // "three" starts at column 17, after the tab (8-15) and a space.
    SetText("one  two\t three\r\n  four");
    EXPECT_EQ(Prev({0, 22}), (TCaretPos{0, 17}));
    EXPECT_EQ(Prev({0, 17}), (TCaretPos{0, 5})); // the tab is a blank token and passed over
    EXPECT_EQ(Prev({0, 6}), (TCaretPos{0, 5}));
    EXPECT_EQ(Prev({0, 5}), (TCaretPos{0, 0}));
    EXPECT_EQ(Prev({0, 0}), (TCaretPos{0, 0}));
    // From a line's start, or with no token to the left, to the end of the
    // line above, and no further.
    EXPECT_EQ(Prev({1, 0}), (TCaretPos{0, 22}));
    EXPECT_EQ(Prev({1, 2}), (TCaretPos{0, 22}));

    SetText("one  two\r\n  four\r\nlast");
    EXPECT_EQ(Next({0, 0}), (TCaretPos{0, 5}));
    EXPECT_EQ(Next({0, 5}), (TCaretPos{0, 8})); // no token to the right: the row's end
    EXPECT_EQ(Next({0, 8}), (TCaretPos{1, 2})); // on to the next row's first token
    EXPECT_EQ(Next({1, 6}), (TCaretPos{2, 0}));
    EXPECT_EQ(Next({2, 4}), (TCaretPos{2, 4})); // the end of the text stays
}

TEST_F(TokensTest, TokenMovesCrossWrappedRows)
{
    SetText("aaaa bbbb cccc dddd eeeeeeeeee", true, 20);
    List().WrapOption()->SetWordBreak(true);
    ASSERT_EQ(List().RowAttribute(0), TRowAttribute::raWrapped);
    // From the last token of a wrapped row: on to the next row's start.
    EXPECT_EQ(Next({0, 15}), (TCaretPos{1, 0}));
    // A continuation row's start is no line's end: the row above's last token.
    EXPECT_EQ(Prev({1, 0}), (TCaretPos{0, 15}));
}

} // namespace

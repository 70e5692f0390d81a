#include "edIndent.h"

#include "edEditTestSupport.h"

using edtest::Sjis;

namespace {

constexpr auto Box = TEditorSelectionMode::smBox;

class IndentTest : public edtest::EditFixture {
protected:
    // Indents the selection from From to To; the anchor and caret follow.
    std::optional<TIndentResult> Run(TCaretPos From, TCaretPos To, TIndentKind Kind,
                                     TEditorSelectionMode Mode = TEditorSelectionMode::smLine)
    {
        const TSelectionRange range = Select(From, To, Mode);
        std::optional<TIndentResult> result =
            IndentSelection(List(), range, MakeAnchor(List(), From.Row, From.Col), Caret(), Kind);
        if (result)
            SetCaret(result->Caret);
        return result;
    }
};

TEST_F(IndentTest, TabIndentAddsOneTabAndTabUnIndentRemovesExactlyOne)
{
    SetText("a\r\n\t\tb\r\n c");
    ASSERT_TRUE(Run({0, 0}, {2, 2}, TIndentKind::TabIndent));
    EXPECT_EQ(Text(), "\ta\r\n\t\t\tb\r\n\t c");
    ASSERT_TRUE(Run({0, 0}, {2, 20}, TIndentKind::TabUnIndent));
    ASSERT_TRUE(Run({0, 0}, {2, 20}, TIndentKind::TabUnIndent));
    // Each takes one tab, from the rows that still have one.
    EXPECT_EQ(Text(), "a\r\n\tb\r\n c");
    EXPECT_EQ(UndoSteps(), 3);
}

TEST_F(IndentTest, ABoxIndentsTheBlankRunAtItsLeftColumn)
{
    SetText("ab  cd\r\nabXcd\r\na");
    const std::optional<TIndentResult> result = Run({0, 2}, {2, 4}, TIndentKind::Indent, Box);
    ASSERT_TRUE(result);
    // Row 2 is shorter than the box's left column.
    EXPECT_EQ(Text(), "ab   cd\r\nab Xcd\r\na");
    ASSERT_TRUE(Run({0, 2}, {1, 4}, TIndentKind::UnIndent, Box));
    EXPECT_EQ(Text(), "ab  cd\r\nabXcd\r\na");
    ASSERT_TRUE(Run({0, 2}, {1, 4}, TIndentKind::TabIndent, Box));
    EXPECT_EQ(Text(), "ab\t  cd\r\nab\tXcd\r\na");
    ASSERT_TRUE(Run({0, 2}, {1, 4}, TIndentKind::TabUnIndent, Box));
    EXPECT_EQ(Text(), "ab  cd\r\nabXcd\r\na");
}

} // namespace

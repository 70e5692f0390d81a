// Bracket pairs in the extended editor: marked as the caret moves (the
// bracket at the caret, else the one just before it), found across rows
// past nested pairs, drawn in the mark's colours, and jumped between.
#include "EditorDriver.h"
#include "EditorEx.h"

#include <gtest/gtest.h>

namespace {

using edtest::Sjis;
using edtest::TEditorDriver;

class ExBrackets : public testing::Test {
protected:
    ExBrackets()
    {
        ed.ExMarks()->ParenMark()->SetColor(clBlue);
        ed.ExMarks()->ParenMark()->SetVisible(true);
    }

    std::vector<TExMarkKind> MarkKinds(int Row)
    {
        std::vector<TExMarkKind> kinds;
        for (const TExMarkItem& item : ed.ExRowPlan(Row).Marks)
            kinds.push_back(item.Kind);
        return kinds;
    }

    TEditorDriver drv{TEditor::Create<TEditorEx>()};
    TEditorEx& ed = static_cast<TEditorEx&>(drv.Ed());
};

TEST_F(ExBrackets, TheCaretJustAfterAClosingBracketMarksThePair)
{
    drv.SetText("f(a)b");
    ed.SetRowCol(0, 4);
    const TBracketPair& pair = ed.BracketPair();
    ASSERT_TRUE(pair.Found);
    EXPECT_EQ(pair.OpenIndex, 1);
    EXPECT_EQ(pair.CloseIndex, 3);
    EXPECT_EQ(pair.OpenText, "(");
    EXPECT_EQ(pair.CloseText, ")");
    EXPECT_EQ(MarkKinds(0), (std::vector{TExMarkKind::OpenBracket, TExMarkKind::CloseBracket}));

    // Drawn on the mark's colour.
    const QImage image = drv.Grab();
    EXPECT_EQ(drv.CellColor(image, 0, 1), QColor(Qt::blue));
    EXPECT_EQ(drv.CellColor(image, 0, 3), QColor(Qt::blue));
    EXPECT_EQ(drv.CellColor(image, 0, 2), QColor(Qt::white));

    // Away from brackets nothing is marked.
    ed.SetRowCol(0, 0);
    EXPECT_FALSE(ed.BracketPair().Found);
    EXPECT_TRUE(MarkKinds(0).empty());
}

TEST_F(ExBrackets, PairsAreFoundAcrossRowsPastNestedOnes)
{
    drv.SetText(Sjis("「あ\r\n「い」\r\nう」x"));
    ed.SetRowCol(0, 0);
    const TBracketPair& pair = ed.BracketPair();
    ASSERT_TRUE(pair.Found);
    EXPECT_EQ(pair.CloseRow, 2);
    EXPECT_EQ(pair.CloseIndex, 2);
    EXPECT_EQ(MarkKinds(0), std::vector{TExMarkKind::OpenBracket});
    EXPECT_TRUE(MarkKinds(1).empty()) << "the nested pair is not marked";
    EXPECT_EQ(MarkKinds(2), std::vector{TExMarkKind::CloseBracket});

    // The jump lands before the partner, and back.
    ed.JumpToBracketPair();
    EXPECT_EQ(ed.Row(), 2);
    EXPECT_EQ(ed.Col(), 2);
    ed.JumpToBracketPair();
    EXPECT_EQ(ed.Row(), 0);
    EXPECT_EQ(ed.Col(), 0);

    // From just after the inner closing bracket, to the inner opening one.
    ed.SetRowCol(1, 6);
    ed.JumpToBracketPair();
    EXPECT_EQ(ed.Row(), 1);
    EXPECT_EQ(ed.Col(), 0);
}

TEST_F(ExBrackets, AnUnmatchedBracketMarksNothingAndDoesNotJump)
{
    drv.SetText("(abc\r\n[x]");
    ed.SetRowCol(0, 0);
    EXPECT_FALSE(ed.BracketPair().Found);
    EXPECT_TRUE(MarkKinds(0).empty());
    ed.JumpToBracketPair();
    EXPECT_EQ(ed.Row(), 0);
    EXPECT_EQ(ed.Col(), 0);

    // An empty text has no brackets.
    drv.SetText("");
    ed.JumpToBracketPair();
    EXPECT_FALSE(ed.BracketPair().Found);
}

TEST_F(ExBrackets, HiddenMarkLeavesThePairAlone)
{
    drv.SetText("(a)");
    ed.ExMarks()->ParenMark()->SetVisible(false);
    ed.SetRowCol(0, 1);
    ed.SetRowCol(0, 0);
    EXPECT_FALSE(ed.BracketPair().Found);
    // The jump does not need the mark.
    ed.JumpToBracketPair();
    EXPECT_EQ(ed.Col(), 2);
}

} // namespace

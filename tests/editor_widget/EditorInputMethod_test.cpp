// The input method: commits go in as one step and nothing typed after one
// is lost; the preedit is drawn at the caret and touches no text; the
// editor answers the input method's questions about the caret's line.
#include "EditorDriver.h"

#include <QInputMethodQueryEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using edtest::Sjis;
using edtest::TEditorDriver;

class InputMethod : public testing::Test {
protected:
    QVariant Query(Qt::InputMethodQuery Which) const { return ed->inputMethodQuery(Which); }

    TEditorDriver ed;
};

TEST_F(InputMethod, ACommitIsOneInsertionAndTheNextKeysAreKept)
{
    ed.SetText("xy");
    ed->SetRowCol(0, 1);
    ed.Commit("漢字");
    ed.Type("ab");
    EXPECT_EQ(ed.Text(), "x" + Sjis("漢字") + "aby");
    ed->Undo();
    ed->Undo();
    EXPECT_EQ(ed.Text(), "x" + Sjis("漢字") + "y");
    ed->Undo();
    EXPECT_EQ(ed.Text(), "xy") << "the commit was one step";
}

TEST_F(InputMethod, ACommitReplacesTheSelectionAndHonoursOverwrite)
{
    ed.SetText("abcdef");
    ed.Select({0, 1}, {0, 3});
    ed.Commit("字");
    EXPECT_EQ(ed.Text(), "a" + Sjis("字") + "def");
    ed->SetOverWrite(true);
    ed.Commit("漢");
    EXPECT_EQ(ed.Text(), "a" + Sjis("字漢") + "f");
}

TEST_F(InputMethod, ACommitMayReplaceCharactersAroundTheCaret)
{
    ed.SetText(Sjis("かな漢字") + "\r\n");
    ed->SetRowCol(0, 4);
    // The two characters before the caret, in UTF-16 units.
    ed.Commit("仮名", -2, 2);
    EXPECT_EQ(ed.Text(), Sjis("仮名漢字") + "\r\n");
    EXPECT_EQ(ed.Caret(), (TCaretPos{0, 4}));
    ed->Undo();
    EXPECT_EQ(ed.Text(), Sjis("かな漢字") + "\r\n") << "one step";
}

TEST_F(InputMethod, ThePreeditIsDrawnAtTheCaretAndChangesNoText)
{
    ed.SetText("ab");
    ed->SetRowCol(0, 1);
    ed->SetModified(false);
    const QImage before = ed.Grab();
    ed.Preedit("かな");
    EXPECT_EQ(ed->Preedit(), QString::fromUtf8("かな"));
    EXPECT_EQ(ed.Text(), "ab");
    EXPECT_FALSE(ed->Modified());
    EXPECT_FALSE(ed->CanUndo());
    const QImage composing = ed.Grab();
    // The caret cell shows the preedit, underlined.
    const QPoint cell = ed.CellPoint(0, 1);
    const int underline = cell.y() + ed->FontHeight() - 1;
    EXPECT_EQ(composing.pixelColor(cell.x() + 4, underline), QColor(Qt::black));
    EXPECT_NE(before.pixelColor(cell.x() + 4, underline), QColor(Qt::black));
    // The commit ends it.
    ed.Commit("仮名");
    EXPECT_TRUE(ed->Preedit().isEmpty());
    EXPECT_EQ(ed.Text(), "a" + Sjis("仮名") + "b");
}

TEST_F(InputMethod, AReadOnlyEditorRefusesCommitsAndSaysSo)
{
    ed.SetText("ab");
    ed->SetReadOnly(true);
    ed.Preedit("か");
    ed.Commit("漢");
    EXPECT_EQ(ed.Text(), "ab");
    EXPECT_TRUE(ed->Preedit().isEmpty());
    EXPECT_FALSE(Query(Qt::ImEnabled).toBool());
    EXPECT_TRUE(Query(Qt::ImReadOnly).toBool());
    ed->SetReadOnly(false);
    EXPECT_TRUE(Query(Qt::ImEnabled).toBool());
}

TEST_F(InputMethod, TheInputMethodReadsTheCaretsLine)
{
    ed.Wrap(20);
    // A logical line of two rows after a first line.
    ed.SetText("first\r\n" + Sjis("漢字") + std::string(20, 'a') + "\r\n");
    ASSERT_EQ(ed->RowAttributeAt(1), TRowAttribute::raWrapped);
    ed->SetRowCol(2, 2);
    const QString line = QString::fromUtf8("漢字") + QString(20, QChar('a'));
    EXPECT_EQ(Query(Qt::ImSurroundingText).toString(), line);
    const int caret = static_cast<int>(line.size()) - ed->RowWidth(2) + 2;
    EXPECT_EQ(Query(Qt::ImCursorPosition).toInt(), caret);
    EXPECT_EQ(Query(Qt::ImAnchorPosition).toInt(), caret);
    EXPECT_TRUE(Query(Qt::ImCurrentSelection).toString().isEmpty());

    ed->SetRowCol(1, 0);
    ed.Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(Query(Qt::ImCurrentSelection).toString(), QString::fromUtf8("漢"));
    EXPECT_EQ(Query(Qt::ImAnchorPosition).toInt(), 0);
    EXPECT_EQ(Query(Qt::ImCursorPosition).toInt(), 1);
}

TEST_F(InputMethod, TheCursorRectangleIsTheCaretsCellInTheEditor)
{
    ed.SetText("abc");
    ed->SetRowCol(0, 2);
    const QRect rect = Query(Qt::ImCursorRectangle).toRect();
    EXPECT_EQ(rect.topLeft(), ed->viewport()->mapTo(&ed.Ed(), ed.CellPoint(0, 2)));
    EXPECT_EQ(rect.height(), ed->FontHeight());
    EXPECT_EQ(Query(Qt::ImFont).value<QFont>().family(), QString("IPAGothic"));
    EXPECT_TRUE(Query(Qt::ImHints).toInt() & Qt::ImhMultiLine);
}

} // namespace

// The editor's commands: indenting the selected lines, deleting a row, the
// row marks, the tokens under a point and the plain search.
#include "EditorDriver.h"

#include <gtest/gtest.h>

namespace {

using edtest::Lines;
using edtest::Sjis;
using edtest::TEditorDriver;

class Commands : public testing::Test {
protected:
    void SelectTwoLinesFromTheTop()
    {
        ed.Key(Qt::Key_Home, Qt::ControlModifier);
        ed.Key(Qt::Key_Down, Qt::ShiftModifier);
        ed.Key(Qt::Key_Down, Qt::ShiftModifier);
    }

    TEditorDriver ed;
};

TEST_F(Commands, IndentingKeepsTheSelectionOnItsLines)
{
    const std::string pad8(8, ' ');
    ed.SetText("\tabc\r\n  def\r\nghi\r\n");
    SelectTwoLinesFromTheTop();
    ed->IndentSelection();
    // Blanks become spaces one column wider; the row the selection ends
    // before is left alone.
    EXPECT_EQ(ed.Text(), pad8 + " abc\r\n   def\r\nghi\r\n");
    EXPECT_EQ(ed->SelText(), pad8 + " abc\r\n   def\r\n");
    ed->UnIndentSelection();
    ed->UnIndentSelection();
    EXPECT_EQ(ed.Text(), std::string(7, ' ') + "abc\r\n def\r\nghi\r\n");
    ed->Undo();
    EXPECT_EQ(ed.Text(), pad8 + "abc\r\n  def\r\nghi\r\n") << "each command is one step";

    SelectTwoLinesFromTheTop();
    ed->TabIndentSelection();
    EXPECT_EQ(ed.Text(), "\t" + pad8 + "abc\r\n\t  def\r\nghi\r\n");
    ed->TabUnIndentSelection();
    ed->TabUnIndentSelection();
    EXPECT_EQ(ed.Text(), pad8 + "abc\r\n  def\r\nghi\r\n") << "only leading tabs go";

    // A wrapped line that would reach the wrap column is not indented.
    ed.Wrap(20);
    ed.SetText(std::string(19, 'a') + "\r\nb\r\n");
    ed->SelectAll();
    ed->IndentSelection();
    EXPECT_EQ(ed.Text(), std::string(19, 'a') + "\r\n b\r\n");
}

TEST_F(Commands, DeleteRowTakesTheRowWithItsLineBreak)
{
    ed.SetText("a\r\nb\r\nc");
    ed->DeleteRow(1);
    EXPECT_EQ(ed.Text(), "a\r\nc");
    EXPECT_EQ(ed.Caret(), (TCaretPos{1, 0}));
    ed->DeleteRow(1);
    ed->DeleteRow(5);
    EXPECT_EQ(ed.Text(), "a\r\n");
}

TEST_F(Commands, DigitMarksStandOnOneRowImageMarksOnMany)
{
    ed.SetText(Lines(200, "row"));
    ed->PutRowMark(2, 3);
    ed->PutRowMark(10, 3);
    ed->PutRowMark(4, 12);
    ed->PutRowMark(5, 12);
    EXPECT_EQ((std::vector<int>{ed->RowMarks(2), ed->RowMarks(10), ed->RowMarks(4), ed->RowMarks(5)}),
              (std::vector<int>{0, 1 << 3, 1 << 12, 1 << 12}));
    EXPECT_EQ(ed->RowMarksInUse(), (1 << 3) | (1 << 12));

    ed->GotoRowMark(7);
    EXPECT_EQ(ed->Row(), 0) << "no row holds mark 7";
    ed->PutRowMark(150, 7);
    ed->GotoRowMark(7);
    EXPECT_EQ(ed->Row(), 150);
    EXPECT_EQ(ed->TopRow(), 150 - ed->VisibleRows() / 2) << "a row off the screen comes to its middle";
    ed->GotoRowMark(3);
    EXPECT_EQ(ed->Row(), 10);
    ed->DeleteRowMark(10, 3);
    EXPECT_EQ(ed->RowMarks(10), 0);
}

TEST_F(Commands, TokensUnderAPointOrTheCaret)
{
    ed->View()->SetUrl(true);
    ed.SetText("go http://example.com/x (" + Sjis("漢字") + ")\r\n");
    std::string text;
    int kind = -1;
    EXPECT_TRUE(ed->GetTokenAtPos(ed.At(0, 8), true, text, false, kind));
    EXPECT_EQ(std::pair(text, kind), std::pair(std::string("http://example.com/x"), int(toUrl)));
    EXPECT_EQ(ed->TokenKindAt(ed.At(0, 26)), toDBKanji);
    EXPECT_FALSE(ed->GetTokenAtPos(ed.At(0, 40), true, text, false, kind)) << "past the row's end";
    EXPECT_EQ(std::pair(text, kind), std::pair(std::string(), int(toEof)));

    ed->SelectWordAt(ed.At(0, 1));
    EXPECT_EQ(ed->SelText(), "go");
    ed->SetRowCol(0, 26);
    ed->SelectTokenAtCaret();
    EXPECT_EQ(ed->SelText(), Sjis("漢字"));
    int row = -1;
    int index = -1;
    EXPECT_TRUE(ed->PosToRowCol(ed.At(0, 26), row, index));
    EXPECT_EQ(index, 25) << "the second half of a kanji is the kanji";
}

// ---- Search ------------------------------------------------------------------------------------------

TEST_F(Commands, SearchGoesFromHitToHitWhateverTheHitStyle)
{
    for (const TEditorHitStyle style : {TEditorHitStyle::hsSelect, TEditorHitStyle::hsDraw, TEditorHitStyle::hsCaret}) {
        ed->SetHitStyle(style);
        ed.SetText("ab ab\r\nab");
        ed->SetRowCol(0, 0);
        EXPECT_FALSE(ed->Search("ab", 0)) << "nothing back from the top";
        for (const int start : {0, 3, 7}) {
            ASSERT_TRUE(ed->Search("ab", esDown));
            EXPECT_EQ(ed->SelStart(), start);
        }
        EXPECT_FALSE(ed->Search("ab", esDown));
        ASSERT_TRUE(ed->Search("ab", 0));
        EXPECT_EQ(ed->SelStart(), 3) << "backwards from the hit";
    }
}

TEST_F(Commands, SearchEndsOnALongRowWithoutAHitAndPassesOverHitsPastTheLastColumn)
{
    ed.SetText(std::string(20000, 'x') + "\r\n" + std::string(20000, 'y'));
    EXPECT_FALSE(ed->Search("zz", esDown));
    ed->SetRow(1);
    EXPECT_FALSE(ed->Search("zz", 0));

    // The caret cannot stand past column 1000, so such a hit could not be
    // selected.
    ed.SetText(std::string(1500, 'x') + "zz\r\nzz");
    ASSERT_TRUE(ed->Search("zz", esDown));
    EXPECT_EQ(ed->SelStart(), 1504);
    EXPECT_FALSE(ed->Search("zz", 0));
    ed.Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_FALSE(ed->Search("xz", esDown)) << "its only hit lies past column 1000";
}

TEST_F(Commands, CaseFoldingNeverFoldsASecondByte)
{
    // ア is 83 41 and ヂ 83 61: folding the second byte would make them equal.
    ed.SetText(Sjis("ヂ") + "AbC");
    EXPECT_FALSE(ed->Search(Sjis("ア"), esDown));
    EXPECT_TRUE(ed->Search(Sjis("ヂ"), esDown));
    EXPECT_TRUE(ed->Search("abc", esDown));
    EXPECT_EQ(ed->SelStart(), 2);
    ed.Key(Qt::Key_Home);
    EXPECT_FALSE(ed->Search("abc", esDown | esMatchCase));
}

TEST_F(Commands, AHitAcrossTheSearchChunksIsFound)
{
    std::string text;
    while (text.size() < 8190)
        text += std::string(30, '.') + "\r\n";
    text += "needle\r\nafter";
    ed.SetText(text);
    ASSERT_TRUE(ed->Search("needle", esDown));
    EXPECT_EQ(ed->SelStart(), static_cast<int>(text.find("needle")));
    ed.Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_TRUE(ed->Search(Sjis("ＮＥＥＤＬＥ"), esDown | esIgnoreWidth)) << "full-width letters find half-width ones";
    EXPECT_EQ(ed->SelText(), "needle");
}

} // namespace

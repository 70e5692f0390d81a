// What painting shows on text rows, checked on the rows' paint plans: the
// painting limit and the hide mark, the end marks, colours of tokens and
// of selections, per-token mode, and rows holding bytes that are no
// characters.
#include "EditorDriver.h"

#include "EditorFountain.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using edtest::Bytes;
using edtest::Sjis;
using edtest::TEditorDriver;

// The runs' cells side by side must cover the planned cells exactly.
void ExpectContiguous(const TRowPlan& Plan)
{
    for (size_t i = 1; i < Plan.Runs.size(); ++i)
        EXPECT_EQ(Plan.Runs[i - 1].Col + Plan.Runs[i - 1].Length, Plan.Runs[i].Col) << "run " << i;
}

// The run holding cell Col.
TTextRun RunAt(const TRowPlan& Plan, int Col)
{
    for (const TTextRun run : Plan.Runs)
        if (run.Col <= Col && Col < run.Col + run.Length)
            return run;
    ADD_FAILURE() << "no run at " << Col;
    return {};
}

class PaintPlan : public testing::Test {
protected:
    void ShowAllMarks()
    {
        TEditorMarks& marks = *ed->Marks();
        for (TEditorMark* mark : {marks.EofMark(), marks.RetMark(), marks.WrapMark(), marks.HideMark()})
            mark->SetVisible(true);
    }

    TEditorDriver ed;
};

TEST_F(PaintPlan, RowsAreCutAtTheThousandthByteWithTheHideMarkAfterIt)
{
    ShowAllMarks();
    ed.SetText(Bytes(1200) + "\r\n" + Bytes(999) + Sjis("漢") + Bytes(10));
    ed->SetTopCol(980);
    ASSERT_GT(ed->TopCol() + ed->VisibleCols(), 1002);

    const TRowPlan cut = ed->RowPlan(0);
    EXPECT_EQ(cut.DrawLength, 1000);
    EXPECT_EQ(cut.Mark, TRowMarkKind::Hide);
    EXPECT_EQ(cut.MarkCol, 1000);
    ExpectContiguous(cut);
    // Nothing past the limit is text: the cells there are blank.
    EXPECT_EQ(RunAt(cut, 1001).Color, RunAt(cut, 990).Color);

    // The 1000th byte starts a kanji: it is drawn whole.
    const TRowPlan kanji = ed->RowPlan(1);
    EXPECT_EQ(kanji.DrawLength, 1001);
    EXPECT_EQ(kanji.Mark, TRowMarkKind::Hide);
    EXPECT_EQ(kanji.MarkCol, 1001);

    ed->Marks()->HideMark()->SetVisible(false);
    EXPECT_EQ(ed->RowPlan(0).Mark, TRowMarkKind::None);
}

TEST_F(PaintPlan, EndOfFileMarkFollowsTheText)
{
    ShowAllMarks();
    // An empty text shows the mark at the start of row 0.
    ed.SetText("");
    TRowPlan plan = ed->RowPlan(0);
    EXPECT_EQ(plan.Mark, TRowMarkKind::Eof);
    EXPECT_EQ(plan.MarkCol, 0);

    // A final line break: its arrow, then the mark on the empty row after.
    ed.SetText("abc\r\nde\r\n");
    EXPECT_EQ(ed->RowPlan(1).Mark, TRowMarkKind::Ret);
    EXPECT_EQ(ed->RowPlan(1).MarkCol, 2);
    plan = ed->RowPlan(2);
    EXPECT_EQ(plan.Mark, TRowMarkKind::Eof);
    EXPECT_EQ(plan.MarkCol, 0);
    EXPECT_EQ(ed->RowPlan(3).Mark, TRowMarkKind::None);

    // No final line break: right after the last character, once.
    ed.SetText("abc\r\nde");
    plan = ed->RowPlan(1);
    EXPECT_EQ(plan.Mark, TRowMarkKind::Eof);
    EXPECT_EQ(plan.MarkCol, 2);
    EXPECT_EQ(ed->RowPlan(2).Mark, TRowMarkKind::None);
}

TEST_F(PaintPlan, WrappedRowsShowTheWrapMark)
{
    ShowAllMarks();
    ed.Wrap(20);
    ed.SetText(Bytes(30) + "\r\n");
    ASSERT_EQ(ed->RowAttributeAt(0), TRowAttribute::raWrapped);
    EXPECT_EQ(ed->RowPlan(0).Mark, TRowMarkKind::Wrap);
    EXPECT_EQ(ed->RowPlan(0).MarkCol, static_cast<int>(ed->RowText(0).size()));
    EXPECT_EQ(ed->RowPlan(1).Mark, TRowMarkKind::Ret);
}

TEST_F(PaintPlan, RowEndingLeftOfTheViewShowsNoMark)
{
    ShowAllMarks();
    ed.SetText("short\r\n" + Bytes(200) + "\r\n");
    ed->SetTopCol(100);
    const TRowPlan plan = ed->RowPlan(0);
    EXPECT_EQ(plan.Mark, TRowMarkKind::None);
    ASSERT_EQ(plan.Runs.size(), 1u);
    EXPECT_EQ(plan.Runs[0].Col, 100);
    EXPECT_EQ(ed->RowPlan(1).Runs[0].Col, 100);
}

TEST_F(PaintPlan, RowEndingLeftOfTheViewIsNotGivenToTheOwnersDrawing)
{
    ed.SetText("short\r\n" + Bytes(200) + "\r\n");
    std::vector<int> rows;
    ed->OnDrawLine = [&](TObject*, const std::string&, int, int, int Index, const QRect&, bool) {
        rows.push_back(Index);
    };
    ed->SetTopCol(100);
    ed.Grab();
    EXPECT_EQ(std::count(rows.begin(), rows.end(), 0), 0);
    EXPECT_GT(std::count(rows.begin(), rows.end(), 1), 0);
}

TEST_F(PaintPlan, DefaultColoursMakeOneRunPerRow)
{
    ed.SetText("int a = 12;\r\n");
    const TRowPlan plan = ed->RowPlan(0);
    ASSERT_EQ(plan.Runs.size(), 1u);
    EXPECT_EQ(plan.Runs[0].Col, 0);
    EXPECT_EQ(plan.Runs[0].Color, clBlack);
    EXPECT_EQ(plan.Runs[0].BkColor, clWhite);
    EXPECT_EQ(plan.DrawLength, 11);
}

TEST_F(PaintPlan, TokensTakeTheirSchemesColours)
{
    TEditorColors& colors = *ed->View()->Colors();
    colors.Int()->SetColor(clRed);
    colors.Str()->SetBkColor(clYellow);
    colors.Comment()->SetStyle(TFontStyles{TFontStyle::fsBold});
    ed->View()->SetCommenter("//");
    ed->View()->SetQuotation("\"");
    ed.SetText("x = 12 + \"s\"; // note\r\n");
    const TRowPlan plan = ed->RowPlan(0);
    ExpectContiguous(plan);
    EXPECT_EQ(RunAt(plan, 0).Color, clBlack);
    const TTextRun number = RunAt(plan, 4);
    EXPECT_EQ(number.Col, 4);
    EXPECT_EQ(number.Length, 2);
    EXPECT_EQ(number.Color, clRed);
    EXPECT_EQ(number.BkColor, clWhite);
    const TTextRun string = RunAt(plan, 9);
    EXPECT_EQ(string.Col, 9);
    EXPECT_EQ(string.Length, 3);
    EXPECT_EQ(string.BkColor, clYellow);
    EXPECT_EQ(string.Color, clBlack);
    const TTextRun comment = RunAt(plan, 14);
    EXPECT_TRUE(comment.Style.Contains(TFontStyle::fsBold));
    EXPECT_EQ(comment.Col + comment.Length, 21);
}

TEST_F(PaintPlan, TokenCarriedOverAWrapIsColouredOnBothRows)
{
    ed->View()->Colors()->Str()->SetColor(clBlue);
    ed->View()->SetQuotation("\"");
    ed.Wrap(20);
    ed.SetText(Bytes(15) + " \"" + Bytes(10, 'q') + "\"\r\n");
    ASSERT_EQ(ed->RowAttributeAt(0), TRowAttribute::raWrapped);
    EXPECT_EQ(RunAt(ed->RowPlan(0), 17).Color, clBlue);
    EXPECT_EQ(RunAt(ed->RowPlan(1), 0).Color, clBlue);
}

TEST_F(PaintPlan, DefaultSelectionIsDrawnInverted)
{
    ed->View()->Colors()->Select()->SetColor(clNone);
    ed->View()->Colors()->Select()->SetBkColor(clNone);
    ed->SetColor(clYellow);
    ed.SetText("abcdef\r\nghij\r\nklm\r\n");
    ed.Select({0, 2}, {2, 1});
    const TRowPlan first = ed->RowPlan(0);
    EXPECT_FALSE(RunAt(first, 1).Selected);
    const TTextRun selected = RunAt(first, 2);
    EXPECT_TRUE(selected.Selected);
    EXPECT_EQ(selected.BkColor, clBlack);
    EXPECT_EQ(selected.Color, clYellow);
    // The first row is selected to the right edge, its line-break mark too.
    EXPECT_TRUE(RunAt(first, 40).Selected);
    // A middle row from the left edge; the last up to the end column.
    EXPECT_TRUE(RunAt(ed->RowPlan(1), 0).Selected);
    EXPECT_TRUE(RunAt(ed->RowPlan(2), 0).Selected);
    EXPECT_FALSE(RunAt(ed->RowPlan(2), 1).Selected);
}

TEST_F(PaintPlan, SelectionCoversTheMarkAtItsRowsEnd)
{
    ed->Marks()->RetMark()->SetVisible(true);
    ed.SetText("ab\r\ncd\r\n");
    ed.Select({0, 1}, {1, 1});
    EXPECT_TRUE(ed->RowPlan(0).MarkSelected);
    EXPECT_FALSE(ed->RowPlan(1).MarkSelected);
}

TEST_F(PaintPlan, HitsAreDrawnInHitColoursOnlyWithDrawStyle)
{
    ed->View()->Colors()->Hit()->SetBkColor(clLime);
    ed.SetText("find me here\r\n");
    ed->SetHitStyle(TEditorHitStyle::hsCaret);
    ASSERT_TRUE(ed->Search("me", esDown));
    EXPECT_FALSE(RunAt(ed->RowPlan(0), 5).Selected);

    ed->SetHitStyle(TEditorHitStyle::hsDraw);
    ed->SetRowCol(0, 0);
    ASSERT_TRUE(ed->Search("me", esDown));
    const TTextRun hit = RunAt(ed->RowPlan(0), 5);
    EXPECT_TRUE(hit.Selected);
    EXPECT_EQ(hit.BkColor, clLime);
    EXPECT_EQ(hit.Length, 2);
}

TEST_F(PaintPlan, BoxSelectionKeepsToRowsAndWholeCharacters)
{
    ed->SetSelectionMode(TEditorSelectionMode::smBox);
    // Row 1 is shorter than the box; row 2 has a kanji at each edge.
    ed.SetText("0123456789\r\n012\r\n0" + Sjis("漢") + "34" + Sjis("字") + "789\r\n0123456789\r\n");
    ed.Select({0, 2}, {3, 6});
    const TTextRun full = RunAt(ed->RowPlan(0), 2);
    EXPECT_EQ(full.Col, 2);
    EXPECT_EQ(full.Length, 4);
    EXPECT_TRUE(full.Selected);
    // Nothing past the end of the short row.
    const TRowPlan shortRow = ed->RowPlan(1);
    EXPECT_TRUE(RunAt(shortRow, 2).Selected);
    EXPECT_FALSE(RunAt(shortRow, 3).Selected);
    // The kanji cut by the left edge is left out, the one cut by the
    // right edge taken whole.
    const TRowPlan kanji = ed->RowPlan(2);
    EXPECT_FALSE(RunAt(kanji, 2).Selected);
    EXPECT_TRUE(RunAt(kanji, 3).Selected);
    EXPECT_TRUE(RunAt(kanji, 6).Selected);
    EXPECT_FALSE(RunAt(kanji, 7).Selected);
}

TEST_F(PaintPlan, ItalicFontDrawsTokenByTokenOnATransparentBackground)
{
    ed->View()->Colors()->Int()->SetColor(clRed);
    ed->View()->Colors()->Str()->SetBkColor(clYellow);
    ed->View()->SetQuotation("\"");
    ed.SetText("a 12 \"s\"\r\n");
    EXPECT_FALSE(ed->PerTokenMode());
    TFont font;
    font.Assign(ed->Font());
    font.SetStyle(TFontStyles{TFontStyle::fsItalic});
    ed->SetFont(&font);
    ASSERT_TRUE(ed->PerTokenMode());
    const TRowPlan plan = ed->RowPlan(0);
    EXPECT_EQ(RunAt(plan, 2).BkColor, clNone);
    EXPECT_EQ(RunAt(plan, 5).BkColor, clYellow);
    // Token by token: the default tokens are not joined.
    EXPECT_GT(plan.Runs.size(), 4u);

    // An italic colour of the scheme does the same.
    font.SetStyle(TFontStyles{});
    ed->SetFont(&font);
    EXPECT_FALSE(ed->PerTokenMode());
    ed->View()->Colors()->Comment()->SetStyle(TFontStyles{TFontStyle::fsItalic});
    EXPECT_TRUE(ed->PerTokenMode());
}

TEST_F(PaintPlan, BytesThatAreNoCharactersTakeOneCellEach)
{
    // A lone trail byte, a NUL, a control byte, a lone lead byte at the end.
    const std::string text = std::string("a\x40\x00\x01", 4) + "b\x81";
    ed.SetText(text + "\r\n" + Sjis("漢") + "\x82");
    TRowPlan plan = ed->RowPlan(0);
    EXPECT_EQ(plan.DrawLength, 6);
    ExpectContiguous(plan);
    EXPECT_EQ(ed->RowPlan(1).DrawLength, 3);
    // Painting them raises nothing and stops at nothing.
    const QImage image = ed.Grab();
    EXPECT_FALSE(image.isNull());
}

TEST_F(PaintPlan, TabsAreExpandedToTheirStops)
{
    ed->Marks()->RetMark()->SetVisible(true);
    ed.SetText("a\tb\r\n" + Sjis("漢") + "\t\tc");
    EXPECT_EQ(ed->ExpandedRowText(0), "a       b");
    EXPECT_EQ(ed->RowWidth(0), 9);
    EXPECT_EQ(ed->RowPlan(0).MarkCol, 9);
    // A double-byte character takes two columns before the tab stop.
    EXPECT_EQ(ed->ExpandedRowText(1), Sjis("漢") + std::string(14, ' ') + "c");
}

} // namespace

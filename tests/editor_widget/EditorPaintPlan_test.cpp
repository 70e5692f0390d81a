// What painting shows on text rows, checked on the rows' paint plans and,
// where the plan alone cannot tell, on painted pixels: the painting limit
// and the end marks, colours of tokens and of selections, per-token mode,
// and rows holding bytes that are no characters.
#include "EditorDriver.h"

#include "EditorFountain.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace edtest;

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
    // The mark of row Row and its column.
    std::pair<TRowMarkKind, int> Mark(int Row) { return {ed->RowPlan(Row).Mark, ed->RowPlan(Row).MarkCol}; }

    TEditorDriver ed;
};

using enum TRowMarkKind;
using TMark = std::pair<TRowMarkKind, int>;

TEST_F(PaintPlan, RowsAreCutAtTheThousandthByteWithTheHideMarkAfterIt)
{
    ShowAllMarks();
    ed.SetText(Bytes(1200) + "\r\n" + Bytes(999) + Sjis("漢") + Bytes(10));
    ed->SetTopCol(980);
    ASSERT_GT(ed->TopCol() + ed->VisibleCols(), 1002);
    const TRowPlan cut = ed->RowPlan(0);
    EXPECT_EQ(cut.DrawLength, 1000);
    EXPECT_EQ(Mark(0), TMark(Hide, 1000));
    ExpectContiguous(cut);
    // Nothing past the limit is text: the cells there are blank.
    EXPECT_EQ(RunAt(cut, 1001).Color, RunAt(cut, 990).Color);
    // The 1000th byte starts a kanji: it is drawn whole.
    EXPECT_EQ(ed->RowPlan(1).DrawLength, 1001);
    EXPECT_EQ(Mark(1), TMark(Hide, 1001));
    ed->Marks()->HideMark()->SetVisible(false);
    EXPECT_EQ(Mark(0).first, None);
}

TEST_F(PaintPlan, EndMarksFollowTheText)
{
    ShowAllMarks();
    ed.SetText("");
    EXPECT_EQ(Mark(0), TMark(Eof, 0));
    // A final line break: its arrow, then the mark on the empty row after.
    ed.SetText("abc\r\nde\r\n");
    EXPECT_EQ((std::vector{Mark(1), Mark(2), Mark(3)}), (std::vector{TMark(Ret, 2), TMark(Eof, 0), TMark(None, 0)}));
    // No final line break: right after the last character, once.
    ed.SetText("abc\r\nde");
    EXPECT_EQ(Mark(1), TMark(Eof, 2));
    EXPECT_EQ(Mark(2).first, None);
    // A wrapped row.
    ed.Wrap(20);
    ed.SetText(Bytes(30) + "\r\n");
    ASSERT_EQ(ed->RowAttributeAt(0), TRowAttribute::raWrapped);
    EXPECT_EQ(Mark(0), TMark(Wrap, static_cast<int>(ed->RowText(0).size())));
    EXPECT_EQ(Mark(1).first, Ret);
}

TEST_F(PaintPlan, RowEndingLeftOfTheViewShowsNoMarkAndIsNotGivenToTheOwner)
{
    ShowAllMarks();
    ed.SetText("short\r\n" + Bytes(200) + "\r\n");
    std::vector<int> rows;
    ed->OnDrawLine = [&](TObject*, const std::string&, int, int, int Index, const QRect&, bool) {
        rows.push_back(Index);
    };
    ed->SetTopCol(100);
    const TRowPlan plan = ed->RowPlan(0);
    ASSERT_EQ(plan.Runs.size(), 1u);
    EXPECT_EQ(std::tuple(plan.Mark, plan.Runs[0].Col, ed->RowPlan(1).Runs[0].Col), std::tuple(None, 100, 100));
    ed.Grab();
    EXPECT_EQ(std::count(rows.begin(), rows.end(), 0), 0);
    EXPECT_GT(std::count(rows.begin(), rows.end(), 1), 0);
}

TEST_F(PaintPlan, TokensTakeTheirSchemesColours)
{
    ed.SetText("int a = 12;\r\n");
    ASSERT_EQ(ed->RowPlan(0).Runs.size(), 1u) << "default colours make one run";
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
    EXPECT_EQ(std::tuple(number.Col, number.Length, number.Color, number.BkColor), std::tuple(4, 2, clRed, clWhite));
    const TTextRun string = RunAt(plan, 9);
    EXPECT_EQ(std::tuple(string.Col, string.Length, string.Color, string.BkColor), std::tuple(9, 3, clBlack, clYellow));
    const TTextRun comment = RunAt(plan, 14);
    EXPECT_EQ(std::pair(comment.Style, comment.Col + comment.Length), std::pair(TFontStyles{TFontStyle::fsBold}, 21));

    // A string carried over a wrap is coloured on both rows.
    ed.Wrap(20);
    ed.SetText(Bytes(15) + " \"" + Bytes(10, 'q') + "\"\r\n");
    EXPECT_EQ(RunAt(ed->RowPlan(0), 17).BkColor, clYellow);
    EXPECT_EQ(RunAt(ed->RowPlan(1), 0).BkColor, clYellow);
}

TEST_F(PaintPlan, DefaultSelectionIsDrawnInvertedInTheFontColour)
{
    ed->View()->Colors()->Select()->SetColor(clNone);
    ed->View()->Colors()->Select()->SetBkColor(clNone);
    ed->Marks()->RetMark()->SetVisible(true);
    ed->Font()->SetColor(clMaroon);
    ed->SetColor(clYellow);
    ed.SetText("abcdef\r\nghij\r\nklm\r\n");
    ed.Select({0, 2}, {2, 1});
    const TRowPlan first = ed->RowPlan(0);
    EXPECT_FALSE(RunAt(first, 1).Selected);
    const TTextRun selected = RunAt(first, 2);
    EXPECT_EQ(std::tuple(selected.Selected, selected.BkColor, selected.Color), std::tuple(true, clMaroon, clYellow));
    // The first row is selected to the right edge, its line-break mark too.
    EXPECT_EQ(std::pair(RunAt(first, 40).Selected, first.MarkSelected), std::pair(true, true));
    // A middle row from the left edge; the last up to the end column.
    EXPECT_TRUE(RunAt(ed->RowPlan(1), 0).Selected);
    const TRowPlan last = ed->RowPlan(2);
    EXPECT_EQ(std::tuple(RunAt(last, 0).Selected, RunAt(last, 1).Selected, last.MarkSelected),
              std::tuple(true, false, false));

    const QImage image = ed.Grab();
    EXPECT_EQ(ed.CellColor(image, 0, 3), QColor(0x80, 0, 0));
    EXPECT_EQ(ed.CellColor(image, 2, 3), QColor(Qt::yellow));
}

TEST_F(PaintPlan, ItalicsDrawTokenByTokenOnATransparentBackground)
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
    EXPECT_EQ(std::pair(RunAt(plan, 2).BkColor, RunAt(plan, 5).BkColor), std::pair(clNone, clYellow));
    EXPECT_GT(plan.Runs.size(), 4u) << "the default tokens are not joined";
    // An italic colour of the scheme does the same.
    font.SetStyle(TFontStyles{});
    ed->SetFont(&font);
    EXPECT_FALSE(ed->PerTokenMode());
    ed->View()->Colors()->Comment()->SetStyle(TFontStyles{TFontStyle::fsItalic});
    EXPECT_TRUE(ed->PerTokenMode());
}

TEST_F(PaintPlan, BytesThatAreNoCharactersTakeOneCellEachAndTabsExpand)
{
    // A lone trail byte, a NUL, a control byte, a lone lead byte at the end.
    ed.SetText(std::string("a\x40\x00\x01", 4) + "b\x81\r\n" + Sjis("漢") + "\x82");
    ExpectContiguous(ed->RowPlan(0));
    EXPECT_EQ(std::pair(ed->RowPlan(0).DrawLength, ed->RowPlan(1).DrawLength), std::pair(6, 3));
    EXPECT_FALSE(ed.Grab().isNull()) << "painting them goes on";

    ed->Marks()->RetMark()->SetVisible(true);
    ed.SetText("a\tb\r\n" + Sjis("漢") + "\t\tc");
    EXPECT_EQ(std::pair(ed->ExpandedRowText(0), ed->RowPlan(0).MarkCol), std::pair(std::string("a       b"), 9));
    // A double-byte character takes two columns before the tab stop.
    EXPECT_EQ(ed->ExpandedRowText(1), Sjis("漢") + std::string(14, ' ') + "c");
}

// ---- Pixels ------------------------------------------------------------------------------------

TEST_F(PaintPlan, EndOfFileMarkAndUnderlineArePaintedInTheirColours)
{
    ed->Marks()->EofMark()->SetVisible(true);
    ed->Marks()->EofMark()->SetColor(clRed);
    ed->Marks()->Underline()->SetVisible(true);
    ed->Marks()->Underline()->SetColor(clBlue);
    ed.SetText("a\r\nb\r\n");
    ed->SetRow(1);
    const QImage image = ed.Grab();
    const QPoint cell = ed.CellPoint(2, 0);
    int red = 0;
    for (int y = cell.y(); y < cell.y() + ed->FontHeight(); ++y)
        for (int x = cell.x(); x < cell.x() + 5 * ed->ColWidth(); ++x)
            red += image.pixelColor(x, y).red() > 200 && image.pixelColor(x, y).green() < 80;
    EXPECT_GT(red, 10);
    ASSERT_GT(ed->UnderlinePos(1), 0);
    EXPECT_EQ(image.pixelColor(ed->TextLeft() + 20, ed->UnderlinePos(1)), QColor(Qt::blue));
    EXPECT_NE(image.pixelColor(ed->TextLeft() + 20, ed->UnderlinePos(0)), QColor(Qt::blue));
}

TEST_F(PaintPlan, TheOwnerDrawsOnEachPieceOfARowCutWhereTheSelectionBeginsAndEnds)
{
    // A piece: its row, its first and last column (-1: the right edge) and
    // whether it is selected.
    using TPiece = std::tuple<int, int, int, bool>;
    struct TCase {
        TEditorSelectionMode Mode;
        TCaretPos From, To;
        std::vector<TPiece> Pieces;
    };
    const TCase cases[] = {
        {TEditorSelectionMode::smLine,
         {0, 2},
         {2, 1},
         {{0, 0, 2, false}, {0, 2, -1, true}, {1, 0, -1, true}, {2, 0, 1, true}, {2, 1, -1, false}, {3, 0, -1, false}}},
        {TEditorSelectionMode::smLine,
         {1, 1},
         {1, 3},
         {{0, 0, -1, false},
          {1, 0, 1, false},
          {1, 1, 3, true},
          {1, 3, -1, false},
          {2, 0, -1, false},
          {3, 0, -1, false}}},
        // A box shows nothing past the end of a shorter row.
        {TEditorSelectionMode::smBox,
         {0, 1},
         {2, 5},
         {{0, 0, 1, false},
          {0, 1, 5, true},
          {0, 5, -1, false},
          {1, 0, 1, false},
          {1, 1, 4, true},
          {1, 4, -1, false},
          {2, 0, 1, false},
          {2, 1, 3, true},
          {2, 3, -1, false},
          {3, 0, -1, false}}},
    };
    for (const TCase& c : cases) {
        ed->SetSelectionMode(c.Mode);
        ed.SetText("abcdef\r\nghij\r\nklm\r\nnop");
        ed.Select(c.From, c.To);
        std::vector<TPiece> pieces;
        const int cw = ed->ColWidth();
        ed->OnDrawLine = [&](TObject*, const std::string&, int X, int, int Index, const QRect& R, bool Selected) {
            const int right = R.right() + 1 == ed->viewport()->width() ? -1 : (R.right() + 1 - X) / cw;
            pieces.emplace_back(Index, (R.left() - X) / cw, right, Selected);
        };
        ed->viewport()->repaint();
        ed->OnDrawLine = nullptr;
        std::sort(pieces.begin(), pieces.end());
        EXPECT_EQ(pieces, c.Pieces) << static_cast<int>(c.Mode);
        ed->CleanSelection();
    }
}

} // namespace

TEST_F(PaintPlan, EveryCellOfAPartialRepaintShowsItsBackground)
{
    ed->View()->SetQuotation("\"");
    ed->View()->Colors()->Str()->SetBkColor(clAqua);
    ed->SetColor(clYellow);
    ed.SetText("ab \" s \" c\r\nxyz\r\n");
    ed.Grab();
    // Only a band across both rows, from the middle of the string to past
    // the text, painted over pixels of another colour.
    const QPoint from = ed.CellPoint(0, 4);
    const QRect band(from, QPoint(ed.CellPoint(2, 12).x() - 1, ed.CellPoint(2, 12).y() - 1));
    QImage image(ed->viewport()->size(), QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    ed->viewport()->render(&image, band.topLeft(), QRegion(band));
    const auto cell = [&](int Row, int Col) {
        const QPoint p = ed.CellPoint(Row, Col) + QPoint(1, 1);
        return image.pixelColor(p);
    };
    const std::vector<std::tuple<int, int, QColor>> cells = {
        {0, 4, QColor(Qt::cyan)},    {0, 6, QColor(Qt::cyan)},    {0, 8, QColor(Qt::yellow)},
        {0, 10, QColor(Qt::yellow)}, {0, 11, QColor(Qt::yellow)}, {1, 4, QColor(Qt::yellow)},
    };
    for (const auto& [row, col, colour] : cells)
        EXPECT_EQ(cell(row, col), colour) << row << ":" << col;
    // Left of the band nothing was painted.
    EXPECT_EQ(cell(0, 0), QColor(Qt::magenta));
}

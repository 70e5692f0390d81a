// The editor's metrics and scrolling: cells from the font, rows and
// columns that fit the viewport, the scroll bars' ranges, scrolling by the
// bars and by rows, and the option objects reaching the view.
#include "EditorDriver.h"

#include "QtFont.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

using edtest::Bytes;
using edtest::TEditorDriver;

std::string Rows(int Count)
{
    std::string text;
    for (int i = 0; i < Count; ++i)
        text += "row " + std::to_string(i) + "\r\n";
    return text;
}

class View : public testing::Test {
protected:
    TEditorDriver ed;
};

TEST_F(View, CellsComeFromAnAsciiAdvance)
{
    const int advance = QFontMetrics(FontToQFont(*ed->Font())).horizontalAdvance(QLatin1Char('0'));
    EXPECT_EQ(ed->ColWidth(), advance);
    ed->Margin()->SetCharacter(3);
    EXPECT_EQ(ed->ColWidth(), advance + 3);
}

TEST_F(View, RowHeightAddsTheLineMarginAndTheUnderline)
{
    const int font = ed->FontHeight();
    EXPECT_EQ(ed->RowHeight(), font);
    ed->Margin()->SetLine(4);
    EXPECT_EQ(ed->RowHeight(), font + 4);
    ed->Marks()->Underline()->SetVisible(true);
    EXPECT_EQ(ed->RowHeight(), font + 5);
}

TEST_F(View, VisibleRowsAndColumnsFillTheViewportAndNoMore)
{
    const auto expect = [&] {
        const QSize client = ed->viewport()->size();
        EXPECT_EQ(ed->VisibleRows(), std::max(1, (client.height() - ed->TextTop() - 5) / ed->RowHeight()));
        EXPECT_EQ(ed->VisibleCols(), (client.width() - ed->TextLeft() - ed->ColWidth() / 2) / ed->ColWidth());
    };
    expect();
    // The scroll bars lie outside the viewport: nothing more is taken off.
    const QSize before = ed->viewport()->size();
    ed->SetScrollBars(TScrollStyle::ssBoth);
    ed.Process();
    EXPECT_LT(ed->viewport()->height(), before.height());
    expect();
    ed->resize(60, 30);
    ed.Process();
    EXPECT_EQ(ed->VisibleRows(), 1);
    EXPECT_GE(ed->VisibleCols(), 1);
}

TEST_F(View, BarsAndMarginsPlaceTheText)
{
    EXPECT_EQ(ed->TextTop(), ed->Margin()->Top());
    EXPECT_EQ(ed->TextLeft(), ed->Margin()->Left() + ed->ImagebarWidth());
    EXPECT_EQ(ed->ImagebarWidth(), 8 + 2 + 0 + 2);
    ed->Ruler()->SetVisible(true);
    EXPECT_EQ(ed->TextTop(), ed->Margin()->Top() + 11);
    ed->Ruler()->SetEdge(false);
    EXPECT_EQ(ed->TextTop(), ed->Margin()->Top() + 10);
    ed->Imagebar()->SetVisible(false);
    ed->Leftbar()->SetVisible(true);
    EXPECT_EQ(ed->TextLeft(), ed->Margin()->Left() + 8 + 4 * ed->ColWidth() + 4 + 2);
}

TEST_F(View, VerticalBarRunsOverEveryRowAPageAtATime)
{
    ed->SetScrollBars(TScrollStyle::ssVertical);
    ed.SetText(Rows(100));
    QScrollBar& bar = *ed->verticalScrollBar();
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), ed->RowCount());
    EXPECT_EQ(bar.pageStep(), ed->VisibleRows());
    bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(ed->TopRow(), ed->VisibleRows());
    EXPECT_EQ(bar.value(), ed->TopRow());
    bar.triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(ed->TopRow(), 100);
    bar.triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(ed->TopRow(), 99);
    // Fewer rows cut the top row.
    ed.SetText(Rows(10));
    EXPECT_LE(ed->TopRow(), 10);
    EXPECT_EQ(bar.maximum(), 10);
}

TEST_F(View, LockScrollTakesTheCaretAlong)
{
    ed->SetScrollBars(TScrollStyle::ssVertical);
    ed.SetText(Rows(100));
    ed->SetRow(3);
    ed->Caret()->SetLockScroll(true);
    ed->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(ed->TopRow(), 1);
    EXPECT_EQ(ed->Row(), 4);
}

TEST_F(View, HorizontalBarScrollsColumns)
{
    ed->SetScrollBars(TScrollStyle::ssHorizontal);
    ed.SetText(Bytes(500));
    QScrollBar& bar = *ed->horizontalScrollBar();
    EXPECT_EQ(bar.pageStep(), ed->VisibleCols());
    bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(ed->TopCol(), ed->VisibleCols());
    bar.triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(ed->TopCol(), 1000 - ed->VisibleCols() / 2);
}

TEST_F(View, TopRowAndTopColAreClampedNeverRefused)
{
    ed.SetText(Rows(20));
    ed->SetTopRow(-5);
    EXPECT_EQ(ed->TopRow(), 0);
    ed->SetTopRow(1000000);
    EXPECT_EQ(ed->TopRow(), 20);
    ed->SetTopCol(-1);
    EXPECT_EQ(ed->TopCol(), 0);
    int changes = 0;
    ed->OnTopRowChange = [&](TObject*) { ++changes; };
    ed->SetTopRow(20);
    EXPECT_EQ(changes, 0);
    ed->SetTopRow(3);
    EXPECT_EQ(changes, 1);
}

TEST_F(View, ScrollByRowsKeepsTheCaretsPlaceInTheView)
{
    ed.SetText(Rows(100));
    ed->SetRow(2);
    ed->ScrollByRows(10);
    EXPECT_EQ(ed->TopRow(), 10);
    EXPECT_EQ(ed->Row(), 12);
    ed->ScrollByRows(-30);
    EXPECT_EQ(ed->TopRow(), 0);
    EXPECT_EQ(ed->Row(), 2);
    ed->ScrollByRows(-1);
    EXPECT_EQ(ed->Row(), 0) << "at the top the caret goes to row 0";
    // Not past a last row without a line break.
    ed.SetText(Rows(3) + "end");
    ed->SetTopRow(3);
    ed->ScrollByRows(5);
    EXPECT_EQ(ed->TopRow(), 3);
}

TEST_F(View, CaretMovesIntoViewRowsFirst)
{
    ed.SetText(Rows(100));
    ed->SetRow(60);
    EXPECT_EQ(ed->TopRow(), 60 - (ed->VisibleRows() - 1));
    ed->SetRow(10);
    EXPECT_EQ(ed->TopRow(), 10);
}

TEST_F(View, ChangingTheViewOptionsRecolours)
{
    ed.SetText("123\r\n");
    ed->View()->Colors()->Int()->SetColor(clRed);
    EXPECT_EQ(ed->RowPlan(0).Runs.front().Color, clRed);
}

TEST_F(View, ScrollingTellsOfTheTopRowAndColumnButNotOfACaretMove)
{
    ed.SetText(Rows(100));
    int caretMoves = 0;
    int topRows = 0;
    int topCols = 0;
    ed->OnCaretMoved = [&](TObject*) { ++caretMoves; };
    ed->OnTopRowChange = [&](TObject*) { ++topRows; };
    ed->OnTopColChange = [&](TObject*) { ++topCols; };
    ed->SetTopRow(10);
    ed->SetTopCol(2);
    EXPECT_EQ(topRows, 1);
    EXPECT_EQ(topCols, 1);
    EXPECT_EQ(caretMoves, 0);
    ed->SetRowCol(12, 0);
    EXPECT_EQ(caretMoves, 1);
}

TEST_F(View, ResizeKeepsTheTopRow)
{
    ed.SetText(Rows(100));
    ed->SetRowCol(20, 0);
    ed->SetTopRow(0);
    ed->resize(ed->width(), ed->TextTop() + 8 * ed->RowHeight() + ed->height() - ed->viewport()->height());
    ed.Process();
    ASSERT_LE(ed->VisibleRows(), 9);
    EXPECT_EQ(ed->TopRow(), 0);
    EXPECT_EQ(ed->Row(), 20);
}

TEST_F(View, ColouringStatesBelowTheViewAreComputedWhileIdle)
{
    ed.SetText(Rows(20000));
    const TEditorScreenStrings& list = ed->ScreenStrings();
    const int last = list.Count() - 1;
    ASSERT_EQ(list.BracketIndex(last), BracketNotComputed);
    for (int slice = 0; slice < 100000 && list.BracketIndex(last) == BracketNotComputed; ++slice)
        QCoreApplication::processEvents();
    EXPECT_NE(list.BracketIndex(last), BracketNotComputed);
}

} // namespace

// The editor's scrolling: the scroll bars' ranges, scrolling by the bars
// and by rows, what scrolling tells the owner, and a resize.
#include "EditorDriver.h"

#include "QtFont.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

using namespace edtest;

class View : public testing::Test {
protected:
    TEditorDriver ed;
};

TEST_F(View, ScrollBarsRunOverEveryRowAndColumnAPageAtATime)
{
    ed->SetScrollBars(TScrollStyle::ssBoth);
    ed.SetText(Bytes(500) + "\r\n" + Lines(99, "row"));
    QScrollBar& bar = *ed->verticalScrollBar();
    EXPECT_EQ(std::tuple(bar.minimum(), bar.maximum(), bar.pageStep()), std::tuple(0, 100, ed->VisibleRows()));
    bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(std::pair(ed->TopRow(), bar.value()), std::pair(ed->VisibleRows(), ed->VisibleRows()));
    bar.triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(ed->TopRow(), 100);
    bar.triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(ed->TopRow(), 99);

    QScrollBar& across = *ed->horizontalScrollBar();
    EXPECT_EQ(across.pageStep(), ed->VisibleCols());
    across.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(ed->TopCol(), ed->VisibleCols());
    across.triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(ed->TopCol(), 1000 - ed->VisibleCols() / 2);

    // Fewer rows cut the top row.
    ed.SetText(Lines(10, "row"));
    EXPECT_LE(ed->TopRow(), 10);
    EXPECT_EQ(bar.maximum(), 10);

    // LockScroll takes the caret along.
    ed.SetText(Lines(100, "row"));
    ed->SetRow(3);
    ed->SetTopRow(0);
    ed->Caret()->SetLockScroll(true);
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(std::pair(ed->TopRow(), ed->Row()), std::pair(1, 4));
}

TEST_F(View, TopRowAndColAreClampedAndScrollingTellsOnlyOfThem)
{
    ed.SetText(Lines(20, "row"));
    ed->SetTopRow(-5);
    EXPECT_EQ(ed->TopRow(), 0);
    ed->SetTopRow(1000000);
    EXPECT_EQ(ed->TopRow(), 20);
    ed->SetTopCol(-1);
    EXPECT_EQ(ed->TopCol(), 0);

    std::string events;
    ed->OnCaretMoved = [&](TObject*) { events += 'C'; };
    ed->OnTopRowChange = [&](TObject*) { events += 'R'; };
    ed->OnTopColChange = [&](TObject*) { events += 'L'; };
    ed->SetTopRow(20);
    ed->SetTopRow(3);
    ed->SetTopCol(2);
    EXPECT_EQ(events, "RL") << "no caret move, nothing for an unchanged row";
    ed->SetRowCol(4, 2);
    EXPECT_EQ(events, "RLC");
}

TEST_F(View, ScrollByRowsKeepsTheCaretsPlaceInTheView)
{
    ed.SetText(Lines(100, "row"));
    ed->SetRow(2);
    ed->ScrollByRows(10);
    EXPECT_EQ(std::pair(ed->TopRow(), ed->Row()), std::pair(10, 12));
    ed->ScrollByRows(-30);
    EXPECT_EQ(std::pair(ed->TopRow(), ed->Row()), std::pair(0, 2));
    ed->ScrollByRows(-1);
    EXPECT_EQ(ed->Row(), 0) << "at the top the caret goes to row 0";
    // The caret comes into view rows first.
    ed->SetRow(60);
    EXPECT_EQ(ed->TopRow(), 60 - (ed->VisibleRows() - 1));
    ed->SetRow(10);
    EXPECT_EQ(ed->TopRow(), 10);
    // Not past a last row without a line break.
    ed.SetText(Lines(3, "row") + "end");
    ed->SetTopRow(3);
    ed->ScrollByRows(5);
    EXPECT_EQ(ed->TopRow(), 3);
}

TEST_F(View, VisibleColumnsAreTheWholeCellsLeftAfterHalfACell)
{
    const int cw = ed->ColWidth();
    const int frame = ed->width() - ed->viewport()->width();
    struct TCase {
        int ViewportWidth;
        int Cols;
    };
    const TCase cases[] = {
        {ed->TextLeft() + 10 * cw + cw / 2, 10},
        {ed->TextLeft() + 10 * cw + cw / 2 - 1, 9},
        {ed->TextLeft() + 10 * cw + cw / 2 + cw - 1, 10},
        {ed->TextLeft(), 1}, // never fewer than one
    };
    for (const TCase& c : cases) {
        ed->resize(c.ViewportWidth + frame, ed->height());
        ed.Process();
        ASSERT_EQ(ed->viewport()->width(), c.ViewportWidth);
        EXPECT_EQ(ed->VisibleCols(), c.Cols) << c.ViewportWidth;
    }
}

} // namespace

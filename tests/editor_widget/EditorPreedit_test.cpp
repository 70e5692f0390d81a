// Composing inline, driven by the input method's events with clause formats
// and a cursor: the paint plans show the composed text in its row with the
// text after it moved aside and wrapped, the active clause in its colours;
// the text, its history and Modified stay; cancelling gives back exactly
// what was shown.
#include "EditorDriver.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QTextCharFormat>
#include <gtest/gtest.h>

#include <vector>

namespace {

using edtest::TEditorDriver;

using TAttributes = QList<QInputMethodEvent::Attribute>;

class Preedit : public testing::Test {
protected:
    void Send(const char* Utf8, const TAttributes& Attributes = {})
    {
        QInputMethodEvent event(QString::fromUtf8(Utf8), Attributes);
        QCoreApplication::sendEvent(&ed.Ed(), &event);
    }

    // The plans of the first Rows rows.
    std::vector<TRowPlan> Plans(int Rows)
    {
        std::vector<TRowPlan> plans;
        for (int row = 0; row < Rows; ++row)
            plans.push_back(ed->RowPlan(row));
        return plans;
    }

    // The runs of a plan that show composed text, as (column, cells).
    static std::vector<std::pair<int, int>> Composed(const TRowPlan& Plan)
    {
        std::vector<std::pair<int, int>> cells;
        for (const TTextRun& run : Plan.Runs)
            if (run.Underline != TCompositionUnderline::None || run.BkColor == clBlue)
                cells.emplace_back(run.Col, run.Length);
        return cells;
    }

    static QInputMethodEvent::Attribute Format(int Start, int Length, const QTextCharFormat& Format)
    {
        return {QInputMethodEvent::TextFormat, Start, Length, Format};
    }

    TEditorDriver ed;
};

// A clause the input method converts: white on blue, no underline.
QTextCharFormat ActiveClause()
{
    QTextCharFormat format;
    format.setBackground(QColor(Qt::blue));
    format.setForeground(QColor(Qt::white));
    return format;
}

QTextCharFormat Underlined(QTextCharFormat::UnderlineStyle Style)
{
    QTextCharFormat format;
    format.setUnderlineStyle(Style);
    return format;
}

TEST_F(Preedit, ClausesShowInlineAndTheFollowingTextWraps)
{
    ed.Wrap(20);
    ed.SetText("abcdefghijklmnopqr\r\nnext\r\n");
    ed->SetRowCol(0, 15);
    ed->SetModified(false);
    const std::vector<TRowPlan> before = Plans(4);
    const QImage shown = ed.Grab();

    // As IBus sends them: an underline under all, over it "日" converted
    // and active, "本語" a dotted clause; the cursor after the active one.
    Send("日本語", {Format(0, 3, Underlined(QTextCharFormat::SingleUnderline)), Format(0, 1, ActiveClause()),
                    Format(1, 2, Underlined(QTextCharFormat::DotLine)), {QInputMethodEvent::Cursor, 1, 1, {}}});
    EXPECT_EQ(ed->Preedit(), QString::fromUtf8("日本語"));
    const std::vector<TRowPlan> composing = Plans(4);
    // Row 0: 15 letters and "日本"; "語" would cross the edge and wraps
    // with "pqr" to row 1; "next" moves down to row 2.
    EXPECT_EQ(composing[0].DrawLength, 19);
    EXPECT_EQ(Composed(composing[0]), (std::vector<std::pair<int, int>>{{15, 2}, {17, 2}}));
    const TTextRun& active = composing[0].Runs[1];
    EXPECT_EQ(active.BkColor, clBlue);
    EXPECT_EQ(active.Color, clWhite);
    EXPECT_EQ(active.Underline, TCompositionUnderline::Solid);
    EXPECT_EQ(composing[0].Runs[2].Underline, TCompositionUnderline::Dotted);
    EXPECT_EQ(composing[1].DrawLength, 5);
    EXPECT_EQ(Composed(composing[1]), (std::vector<std::pair<int, int>>{{0, 2}}));
    EXPECT_EQ(composing[2].DrawLength, 4);
    // The candidates open at the cursor, after the active clause.
    const QRect cursor = ed->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_EQ(cursor.topLeft(), ed->viewport()->mapTo(&ed.Ed(), ed.CellPoint(0, 17)));

    EXPECT_EQ(ed.Text(), "abcdefghijklmnopqr\r\nnext\r\n");
    EXPECT_FALSE(ed->Modified());
    EXPECT_FALSE(ed->CanUndo());
    EXPECT_EQ(ed.Caret(), (TCaretPos{0, 15}));

    // Escape: an empty preedit gives back every row and pixel.
    Send("");
    EXPECT_TRUE(ed->Preedit().isEmpty());
    const std::vector<TRowPlan> after = Plans(4);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(after[row].Runs, before[row].Runs) << row;
        EXPECT_EQ(after[row].DrawLength, before[row].DrawLength) << row;
        EXPECT_EQ(after[row].Mark, before[row].Mark) << row;
    }
    EXPECT_EQ(ed.Grab(), shown);
}

TEST_F(Preedit, TheCursorIsDrawnWhereTheInputMethodPutsIt)
{
    ed.SetText("ab");
    ed->SetRowCol(0, 1);
    Send("かな", {{QInputMethodEvent::Cursor, 1, 1, {}}});
    const QImage image = ed.Grab();
    // A bar at the start of the cell after "か": column 3.
    const QPoint cell = ed.CellPoint(0, 3);
    EXPECT_EQ(image.pixelColor(cell.x(), cell.y() + 2), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(cell.x(), cell.y() + ed->FontHeight() - 1), QColor(Qt::black)) << "underlined";
    // A hidden cursor is not drawn.
    Send("かな", {{QInputMethodEvent::Cursor, 1, 0, {}}});
    EXPECT_NE(ed.Grab().pixelColor(cell.x(), cell.y() + 2), QColor(Qt::black));
}

TEST_F(Preedit, ComposingPastTheRightEdgeScrollsAndCancellingScrollsBack)
{
    ed.SetText(std::string(200, 'a'));
    const int edge = ed->VisibleCols() - 2;
    ed->SetRowCol(0, edge);
    ASSERT_EQ(ed->TopCol(), 0);
    Send("にほんごにゅうりょく");
    EXPECT_GT(ed->TopCol(), 0);
    EXPECT_LT(edge + 20 - ed->TopCol(), ed->VisibleCols()) << "the cursor is in view";
    Send("");
    EXPECT_EQ(ed->TopCol(), 0);
}

} // namespace

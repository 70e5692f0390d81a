// The input method: commits go in as one step and nothing typed after one
// is lost; the editor answers the input method's questions about the
// caret's line; composing is shown inline, with clause formats and a
// cursor, the text after it moved aside and wrapped, while the text, its
// history and Modified stay; cancelling gives back exactly what was shown.
#include "EditorDriver.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QTextCharFormat>
#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace edtest;

using TAttributes = QList<QInputMethodEvent::Attribute>;

class InputMethod : public testing::Test {
protected:
    QVariant Query(Qt::InputMethodQuery Which) const { return ed->inputMethodQuery(Which); }
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

TEST_F(InputMethod, ACommitIsOneStepKeepsTheNextKeysAndReplacesTheSelectionOrTheComposedText)
{
    ed.SetText("xy");
    ed->SetRowCol(0, 1);
    ed.Commit("漢字");
    ed.Type("a");
    EXPECT_EQ(ed.Text(), "x" + Sjis("漢字") + "ay");
    ed->Undo();
    ed->Undo();
    EXPECT_EQ(ed.Text(), "xy") << "the commit was one step";

    ed.SetText("abcdef");
    ed.Select({0, 1}, {0, 3});
    ed.Commit("字");
    EXPECT_EQ(ed.Text(), "a" + Sjis("字") + "def");
    ed->SetOverWrite(true);
    ed.Commit("漢");
    EXPECT_EQ(ed.Text(), "a" + Sjis("字漢") + "f");
    ed->SetOverWrite(false);

    ed.SetText(Sjis("かな漢字") + "\r\n");
    ed->SetRowCol(0, 4);
    ed.Preedit("かな");
    // The two characters before the caret, in UTF-16 units.
    ed.Commit("仮名", -2, 2);
    EXPECT_TRUE(ed->Preedit().isEmpty()) << "the commit ends the composing";
    EXPECT_EQ(ed.Text(), Sjis("仮名漢字") + "\r\n");
    EXPECT_EQ(ed.Caret(), (TCaretPos{0, 4}));
    ed->Undo();
    EXPECT_EQ(ed.Text(), Sjis("かな漢字") + "\r\n") << "one step";
}

TEST_F(InputMethod, AReadOnlyEditorRefusesCommitsAndSaysSo)
{
    ed.SetText("ab");
    ed->SetReadOnly(true);
    ed.Preedit("か");
    ed.Commit("漢");
    EXPECT_EQ(std::pair(ed.Text(), ed->Preedit()), std::pair(std::string("ab"), QString()));
    EXPECT_EQ(std::pair(Query(Qt::ImEnabled).toBool(), Query(Qt::ImReadOnly).toBool()), std::pair(false, true));
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
    EXPECT_EQ(std::tuple(Query(Qt::ImCursorPosition).toInt(), Query(Qt::ImAnchorPosition).toInt(),
                         Query(Qt::ImCurrentSelection).toString()),
              std::tuple(caret, caret, QString()));

    ed->SetRowCol(1, 0);
    ed.Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(std::tuple(Query(Qt::ImCurrentSelection).toString(), Query(Qt::ImAnchorPosition).toInt(),
                         Query(Qt::ImCursorPosition).toInt()),
              std::tuple(QString::fromUtf8("漢"), 0, 1));
}

// ---- Composing ------------------------------------------------------------------------------------

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

TEST_F(InputMethod, ClausesShowInlineAndTheFollowingTextWraps)
{
    ed.Wrap(20);
    ed.SetText("abcdefghijklmnopqr\r\nnext\r\n");
    ed->SetRowCol(0, 15);
    ed->SetModified(false);
    const QImage shown = ed.Grab();

    // As IBus sends them: an underline under all, over it "日" converted
    // and active, "本語" a dotted clause; the cursor after the active one.
    Send("日本語", {Format(0, 3, Underlined(QTextCharFormat::SingleUnderline)),
                    Format(0, 1, ActiveClause()),
                    Format(1, 2, Underlined(QTextCharFormat::DotLine)),
                    {QInputMethodEvent::Cursor, 1, 1, {}}});
    EXPECT_EQ(ed->Preedit(), QString::fromUtf8("日本語"));
    const std::vector<TRowPlan> composing = Plans(4);
    // Row 0: 15 letters and "日本"; "語" would cross the edge and wraps
    // with "pqr" to row 1; "next" moves down to row 2.
    EXPECT_EQ(composing[0].DrawLength, 19);
    EXPECT_EQ(Composed(composing[0]), (std::vector<std::pair<int, int>>{{15, 2}, {17, 2}}));
    const TTextRun& active = composing[0].Runs[1];
    EXPECT_EQ(std::tuple(active.BkColor, active.Color, active.Underline, composing[0].Runs[2].Underline),
              std::tuple(clBlue, clWhite, TCompositionUnderline::Solid, TCompositionUnderline::Dotted));
    EXPECT_EQ(composing[1].DrawLength, 5);
    EXPECT_EQ(Composed(composing[1]), (std::vector<std::pair<int, int>>{{0, 2}}));
    EXPECT_EQ(composing[2].DrawLength, 4);
    // The candidates open at the cursor, after the active clause.
    EXPECT_EQ(Query(Qt::ImCursorRectangle).toRect(),
              QRect(ed->viewport()->mapTo(&ed.Ed(), ed.CellPoint(0, 17)), QSize(ed->ColWidth(), ed->FontHeight())));

    EXPECT_EQ(ed.Text(), "abcdefghijklmnopqr\r\nnext\r\n");
    EXPECT_EQ(std::tuple(ed->Modified(), ed->CanUndo(), ed.Caret()), std::tuple(false, false, TCaretPos{0, 15}));

    // Escape: an empty preedit gives back every pixel.
    Send("");
    EXPECT_TRUE(ed->Preedit().isEmpty());
    EXPECT_EQ(ed.Grab(), shown);
}

TEST_F(InputMethod, TheCursorIsDrawnWhereTheInputMethodPutsIt)
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

TEST_F(InputMethod, ComposingPastTheRightEdgeScrollsAndCancellingScrollsBack)
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

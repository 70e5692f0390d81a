// The extended editor as drawn and driven: find highlighting in pixels, find
// previous, the replace loop, the bracket pair, row backgrounds, blank and
// tab marks, vertical guide lines and the row helpers. The finding, folding and pairing rules themselves
// are the editing core's tests.
#include "EditorDriver.h"
#include "EditorEx.h"

#include "QtColor.h"

#include <gtest/gtest.h>

namespace {

using namespace edtest;
using enum TExSearchOption;

class Ex : public testing::Test {
protected:
    Ex() { ed.ExMarks()->FindMark()->SetVisible(true); }

    void Find(const std::string& What, TExSearchOptions Options = {soMatchCase})
    {
        ed.SetFindString(What);
        ed.SetExSearchOptions(Options);
    }
    std::vector<TExMarkKind> MarkKinds(int Row)
    {
        std::vector<TExMarkKind> kinds;
        for (const TExMarkItem& item : ed.ExRowPlan(Row).Marks)
            kinds.push_back(item.Kind);
        return kinds;
    }
    // The caret after Command returned Found.
    TCaretPos After(bool (TEditorEx::*Command)(), bool Found = true)
    {
        EXPECT_EQ((ed.*Command)(), Found);
        return drv.Caret();
    }

    TEditorDriver drv{TEditor::Create<TEditorEx>()};
    TEditorEx& ed = static_cast<TEditorEx&>(drv.Ed());
};

using P = TCaretPos;

// ---- Find highlighting ---------------------------------------------------------------------------

TEST_F(Ex, HitsStopAtThePaintingLimit)
{
    drv.SetText(Bytes(998) + "XYZ" + Bytes(10) + "XYZ");
    Find("XYZ");
    ed.SetTopCol(980);
    ASSERT_GT(ed.TopCol() + ed.VisibleCols(), 1012);
    const std::vector<TRowHitPart> hits = ed.ExRowPlan(0).Hits;
    ASSERT_EQ(hits.size(), 1u) << "the second hit lies past byte 1000";
    EXPECT_EQ(std::pair(hits[0].Col, hits[0].Cols), std::pair(998, 2));
}

TEST_F(Ex, ASelectionKeepsItsColoursOverHitsAndBackgrounds)
{
    drv.SetText("abc abc");
    Find("abc");
    TEditorExMarks& marks = *ed.ExMarks();
    marks.Hit()->SetBkColor(clYellow);
    marks.FindMark()->SetColor(clRed);
    marks.CurrentLine()->SetColor(clLime);
    marks.CurrentLine()->SetVisible(true);
    ed.SetSel(0, 2);
    const QImage image = drv.Grab();
    const QColor selection = ColorToQColor(ed.View()->Colors()->Select()->BkColor(), ed.Font()->Color());
    EXPECT_EQ(drv.CellColor(image, 0, 0), selection);
    EXPECT_EQ(drv.CellColor(image, 0, 1), selection);
    // (The caret stands on column 2.)
    EXPECT_EQ(drv.CellColor(image, 0, 3), QColor(Qt::green));
    EXPECT_EQ(drv.CellColor(image, 0, 4), QColor(Qt::yellow));
    // The hit's underline runs under the selected part too.
    const QPoint cell = drv.CellPoint(0, 0);
    EXPECT_EQ(image.pixelColor(cell.x() + 1, cell.y() + ed.FontHeight() - 1), QColor(Qt::red));
}

// ---- Find and replace --------------------------------------------------------------------------------

TEST_F(Ex, FindPreviousGoesBackFromHitToHitAndABadPatternIsReported)
{
    drv.SetText("abc abc abc");
    Find("abc");
    ed.SetRowCol(0, 11);
    for (const int start : {8, 4, 0}) {
        // The hit is shown with the caret back at its start.
        EXPECT_EQ(After(&TEditorEx::FindPrevious), (P{0, start}));
        EXPECT_EQ(std::pair(ed.SelStart(), ed.SelLength()), std::pair(start, 3));
    }
    EXPECT_FALSE(ed.FindPrevious()) << "no wrapping around";

    Find("(ab", {soRegexp});
    EXPECT_THROW(ed.FindNext(), ERegExpParser);
    EXPECT_THROW(ed.FindPrevious(), ERegExpParser);
}

TEST_F(Ex, TheReplaceLoopEndsAfterReplacingEachHitOnce)
{
    drv.SetText("aaa");
    Find("a");
    int replacements = 0;
    while (ed.FindNext() && replacements < 10) {
        ASSERT_TRUE(ed.ReplaceSelection("aa"));
        ++replacements;
    }
    EXPECT_EQ(replacements, 3);
    EXPECT_EQ(ed.GetText(), "aaaaaa");

    // Replacing needs a selection, and commits a hit.
    drv.SetText("one two");
    EXPECT_FALSE(ed.ReplaceSelection("X"));
    ed.SetHitStyle(TEditorHitStyle::hsCaret);
    Find("two");
    ASSERT_TRUE(ed.FindNext());
    EXPECT_TRUE(ed.ReplaceSelection("2"));
    EXPECT_EQ(ed.GetText(), "one 2");
    EXPECT_EQ(ed.ExpandReplaceText("a\\tb\\\\"), "a\tb\\");
}

// A hit shown as a caret stands at its start whether the editor has the
// focus or not, so that the next find goes on right after it.
TEST_F(Ex, AHitShownAsACaretStandsAtItsStartWithoutTheFocus)
{
    drv.SetText("foofoo");
    ed.SetHitStyle(TEditorHitStyle::hsCaret);
    Find("foo");
    ed.clearFocus();
    ASSERT_FALSE(ed.hasFocus());
    EXPECT_EQ(After(&TEditorEx::FindNext).Col, 0);
    EXPECT_EQ(After(&TEditorEx::FindNext).Col, 3);
    After(&TEditorEx::FindNext, false);
}

// ---- Brackets ------------------------------------------------------------------------------------------

TEST_F(Ex, TheCaretJustAfterAClosingBracketMarksThePairInItsColour)
{
    ed.ExMarks()->ParenMark()->SetColor(clBlue);
    ed.ExMarks()->ParenMark()->SetVisible(true);
    drv.SetText("f(a)b");
    ed.SetRowCol(0, 4);
    ASSERT_TRUE(ed.BracketPair().Found);
    EXPECT_EQ(MarkKinds(0), (std::vector{TExMarkKind::OpenBracket, TExMarkKind::CloseBracket}));
    const QImage image = drv.Grab();
    EXPECT_EQ(drv.CellColor(image, 0, 1), QColor(Qt::blue));
    EXPECT_EQ(drv.CellColor(image, 0, 3), QColor(Qt::blue));
    EXPECT_EQ(drv.CellColor(image, 0, 2), QColor(Qt::white));
    ed.SetRowCol(0, 0);
    EXPECT_FALSE(ed.BracketPair().Found) << "away from brackets";
    EXPECT_TRUE(MarkKinds(0).empty());

    // A hidden mark leaves the pair alone; the jump does not need it.
    drv.SetText("(a)");
    ed.ExMarks()->ParenMark()->SetVisible(false);
    ed.SetRowCol(0, 1);
    ed.SetRowCol(0, 0);
    EXPECT_FALSE(ed.BracketPair().Found);
    ed.JumpToBracketPair();
    EXPECT_EQ(ed.Col(), 2);
}

// ---- Row backgrounds, marks and lines ----------------------------------------------------------------

TEST_F(Ex, BlanksTabsAndTheEndOfFileAreMarked)
{
    TEditorExMarks& marks = *ed.ExMarks();
    marks.SpaceMark()->SetVisible(true);
    marks.SpaceMark()->SetColor(clRed);
    marks.TabMark()->SetVisible(true);
    marks.DBSpaceMark()->SetVisible(true);
    marks.DBSpaceMark()->SetColor(clBlue);
    drv.SetText("a b\t" + Sjis("　") + "c");
    const std::vector<TExMarkItem> expected = {
        {TExMarkKind::Space, 1, 1, 1}, {TExMarkKind::Tab, 3, 3, 5}, {TExMarkKind::DBSpace, 4, 8, 2}};
    EXPECT_EQ(ed.ExRowPlan(0).Marks, expected);
    // The outlines' left edges, halfway down the row, where no glyph is.
    const QImage image = drv.Grab();
    const int y = drv.CellPoint(0, 0).y() + ed.FontHeight() / 2;
    EXPECT_EQ(image.pixelColor(drv.CellPoint(0, 1).x(), y), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(drv.CellPoint(0, 8).x(), y), QColor(Qt::blue));
    // A full-width space scrolled half out of view is still marked.
    ed.SetTopCol(9);
    EXPECT_EQ(ed.ExRowPlan(0).Marks, (std::vector<TExMarkItem>{expected[2]}));
    ed.SetTopCol(10);
    EXPECT_TRUE(ed.ExRowPlan(0).Marks.empty());

    ed.Marks()->EofMark()->SetVisible(true);
    ed.Marks()->EofMark()->SetColor(clRed);
    drv.SetText("abc");
    const QImage eof = drv.Grab();
    bool red = false;
    for (int x = drv.CellPoint(0, 3).x(); x < drv.CellPoint(0, 8).x(); ++x)
        for (int dy = 0; dy < ed.FontHeight(); ++dy)
            red |= eof.pixelColor(x, drv.CellPoint(0, 3).y() + dy) == QColor(Qt::red);
    EXPECT_TRUE(red) << "\"[EOF]\" in its colour";
}

TEST_F(Ex, VerticalLinesStandLeftOfTheirColumns)
{
    drv.SetText("short");
    for (const int position : {8, 12, -3}) {
        TVerticalLine& line = *ed.VerticalLines()->Add();
        line.SetPosition(position);
        line.SetColor(clRed);
        line.SetVisible(position != 12);
    }
    // The x of the text area where a red line runs down to the bottom.
    const auto lineColumns = [&] {
        const QImage image = drv.Grab();
        std::vector<int> xs;
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, ed.TextTop()) == QColor(Qt::red)
                && image.pixelColor(x, image.height() - 1) == QColor(Qt::red))
                xs.push_back(x);
        return xs;
    };
    EXPECT_EQ(lineColumns(), std::vector<int>{ed.TextLeft() + 8 * ed.ColWidth()});
    // Scrolled: the line moves with the text, and left of it, it is gone.
    ed.SetTopCol(3);
    EXPECT_EQ(lineColumns(), std::vector<int>{ed.TextLeft() + 5 * ed.ColWidth()});
    ed.SetTopCol(9);
    EXPECT_TRUE(lineColumns().empty());
}

TEST_F(Ex, RowBackgroundsComeFromTheCaretTheMarksAndTheLineNumbers)
{
    TEditorExMarks& marks = *ed.ExMarks();
    for (const auto& [mark, colour] :
         {std::pair{marks.CurrentLine(), clAqua}, {marks.DigitLine(), clLime}, {marks.EvenLine(), clGray}}) {
        mark->SetColor(colour);
        mark->SetVisible(true);
    }
    drv.SetText("row0\r\nrow1\r\nrow2\r\nrow3\r\nrow4\r\nrow5");
    ed.SetRowMarks(1, 1u << 3);
    ed.SetRowMarks(2, 1u << 10); // its line is not shown
    ed.SetRowMarks(4, 1u << 4);
    ed.SetRowCol(4, 0);
    const auto backgrounds = [&] {
        std::vector<std::optional<TColor>> colours;
        for (int row = 0; row < 6; ++row)
            colours.push_back(ed.ExRowPlan(row).Background);
        return colours;
    };
    // Even lines as the left bar counts them: from 1, so row 3 is line 4.
    const std::optional<TColor> none;
    EXPECT_EQ(backgrounds(), (std::vector<std::optional<TColor>>{none, clLime, none, clGray, clAqua, clGray}));

    // The background covers the text only; the tokens stay readable on it.
    const QImage image = drv.Grab();
    EXPECT_EQ(drv.CellColor(image, 1, 0), QColor(Qt::green));
    EXPECT_EQ(drv.CellColor(image, 1, 3), QColor(Qt::green));
    EXPECT_EQ(drv.CellColor(image, 1, 4), QColor(Qt::white));
    const QRect text(drv.CellPoint(1, 0), QSize(4 * ed.ColWidth(), ed.FontHeight()));
    bool painted = false;
    for (int y = text.top(); y <= text.bottom(); ++y)
        for (int x = text.left(); x <= text.right(); ++x)
            painted |= image.pixelColor(x, y) != QColor(Qt::green);
    EXPECT_TRUE(painted) << "the text was painted over";

    ed.Leftbar()->SetZeroBase(true);
    marks.CurrentLine()->SetVisible(false); // gives way to the next
    EXPECT_EQ(backgrounds(), (std::vector<std::optional<TColor>>{clGray, clLime, clGray, none, clLime, none}));
}

TEST_F(Ex, SelectionsReconversionAndRowHelpers)
{
    drv.SetText("abc\r\ndef");
    EXPECT_FALSE(ed.SelEndsAtRowStart());
    ed.SetSel(0, 5);
    EXPECT_TRUE(ed.SelEndsAtRowStart()) << "whole lines";
    ed.SetSel(0, 2);
    // Reconversion keeps its guards and never changes the text.
    ed.SetReadOnly(true);
    ed.ReconvertSelection();
    ed.SetReadOnly(false);
    ed.ReconvertSelection();
    EXPECT_EQ(ed.GetText(), "abc\r\ndef");
    EXPECT_EQ(ed.SelText(), "ab");

    drv.Wrap(20);
    drv.SetText("a\tb\r\n" + Bytes(30));
    EXPECT_EQ(ed.ColumnToCharIndex(0, 3), 1) << "tab fill counts as its tab";
    EXPECT_EQ(ed.ColumnToCharIndex(0, 8), 2);
    EXPECT_EQ(ed.ColumnToCharIndex(-1, 0), -1);
    EXPECT_EQ(ed.ColumnToCharIndex(ed.RowCount(), 0), -1);
    EXPECT_EQ(std::pair(ed.LogicalLineFirstRow(2), ed.LogicalLineLastRow(1)), std::pair(1, 2));
    EXPECT_EQ(ed.WordCharClass("a-b", 2), '1');
}

} // namespace

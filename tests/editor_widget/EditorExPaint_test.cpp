// What the extended editor paints over its rows, checked on its row plans
// and on painted pixels: find hits (split by a wrap, whole words, folded,
// a pattern that does not compile), the once-per-paint hit computation on
// a long wrapped paragraph, row backgrounds by priority, blank and tab
// marks, the "[EOF]" text and vertical guide lines.
#include "EditorDriver.h"
#include "EditorEx.h"

#include "QtColor.h"
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {

using edtest::Bytes;
using edtest::Sjis;
using edtest::TEditorDriver;
using enum TExSearchOption;

class ExPaint : public testing::Test {
protected:
    ExPaint() { ed.ExMarks()->FindMark()->SetVisible(true); }

    // The hit parts' columns of a row: {first column, columns} pairs.
    std::vector<std::pair<int, int>> HitColumns(int Row)
    {
        std::vector<std::pair<int, int>> columns;
        for (const TRowHitPart& part : ed.ExRowPlan(Row).Hits)
            columns.emplace_back(part.Col, part.Cols);
        return columns;
    }
    // Whether any pixel of Image in Area has Color, or one that is not
    // Color.
    static bool HasColor(const QImage& Image, const QRect& Area, QColor Color) { return Count(Image, Area, Color) > 0; }
    static bool HasOtherColor(const QImage& Image, const QRect& Area, QColor Color)
    {
        return Count(Image, Area, Color) < Area.width() * Area.height();
    }
    static int Count(const QImage& Image, const QRect& Area, QColor Color)
    {
        int count = 0;
        for (int y = Area.top(); y <= Area.bottom(); ++y)
            for (int x = Area.left(); x <= Area.right(); ++x)
                count += Image.pixelColor(x, y) == Color;
        return count;
    }

    TEditorDriver drv{TEditor::Create<TEditorEx>()};
    TEditorEx& ed = static_cast<TEditorEx&>(drv.Ed());
};

using Pairs = std::vector<std::pair<int, int>>;

TEST_F(ExPaint, AHitSplitByAWrapShowsOnBothRows)
{
    drv.Wrap(20);
    drv.SetText(Bytes(18) + "XYZW" + Bytes(10, 'b'));
    ASSERT_EQ(ed.RowText(0).size(), 20u);
    ed.SetFindString("XYZW");
    ed.SetExSearchOptions({soMatchCase});

    EXPECT_EQ(HitColumns(0), (Pairs{{18, 2}}));
    EXPECT_EQ(HitColumns(1), (Pairs{{0, 2}}));

    // Painted in the hit colours on both rows, and nowhere else.
    ed.ExMarks()->Hit()->SetBkColor(clYellow);
    const QImage image = drv.Grab();
    EXPECT_EQ(drv.CellColor(image, 0, 18), QColor(Qt::yellow));
    EXPECT_EQ(drv.CellColor(image, 0, 19), QColor(Qt::yellow));
    EXPECT_EQ(drv.CellColor(image, 1, 1), QColor(Qt::yellow));
    EXPECT_EQ(drv.CellColor(image, 0, 17), QColor(Qt::white));
    EXPECT_EQ(drv.CellColor(image, 1, 2), QColor(Qt::white));
}

TEST_F(ExPaint, HitsOfAWrappedParagraphAreComputedOncePerPaint)
{
    drv.Wrap(80);
    // One logical line of 200 KB.
    std::string paragraph;
    while (paragraph.size() < 200 * 1024)
        paragraph += "editor Velk " + Sjis("漢字とかな、") + "velvet edge ";
    drv.SetText(paragraph);
    ASSERT_GT(ed.RowCount(), 2000);
    ed.SetFindString("(ed|V)[a-z]+");
    ed.SetExSearchOptions({soRegexp, soMatchCase});
    ed.SetTopRow(ed.RowCount() / 2);
    drv.Process();
    ASSERT_GT(ed.VisibleRows(), 10);

    const int before = ed.HitLineComputations();
    const QImage image = ed.viewport()->grab().toImage();
    EXPECT_EQ(ed.HitLineComputations() - before, 1);
    // And each row of the screen shows its hits.
    for (int row = ed.TopRow(); row < ed.TopRow() + ed.VisibleRows(); ++row)
        EXPECT_FALSE(ed.ExRowPlan(row).Hits.empty()) << row;

    // Two lines on the screen: two computations.
    drv.SetText("editor\r\nVelk\r\n");
    const int twoLines = ed.HitLineComputations();
    ed.viewport()->grab();
    EXPECT_EQ(ed.HitLineComputations() - twoLines, 2);
}

TEST_F(ExPaint, WholeWordsFoldingAndEscapedLetters)
{
    // "-" is a word character: "foo" before it is no whole word.
    drv.SetText("foo-bar foo bar");
    ed.SetFindString("foo");
    ed.SetExSearchOptions({soWholeWord, soMatchCase});
    EXPECT_EQ(HitColumns(0), (Pairs{{8, 3}}));

    // Case folding leaves double-byte characters alone: "ア" does not find
    // "ヂ", whose trail byte is "ア"'s lower-cased.
    drv.SetText(Sjis("ヂアａ"));
    ed.SetFindString(Sjis("ア"));
    ed.SetExSearchOptions({});
    EXPECT_EQ(HitColumns(0), (Pairs{{2, 2}}));

    // A case-insensitive "\T" is the letter T in either case, never a TAB.
    drv.SetText("a\tT t");
    ed.SetFindString("\\T");
    ed.SetExSearchOptions({soRegexp});
    EXPECT_EQ(HitColumns(0), (Pairs{{8, 1}, {10, 1}}));
}

TEST_F(ExPaint, APatternThatDoesNotCompileShowsNoHitsAndPaintingGoesOn)
{
    drv.SetText("(ab (ab\r\nab");
    ed.SetExSearchOptions({soRegexp});
    ed.SetFindString("(ab");
    TScriptedDialogs dialogs;
    const QImage image = drv.Grab();
    EXPECT_TRUE(dialogs.Questions().empty()) << "painting reported an error";
    EXPECT_TRUE(ed.ExRowPlan(0).Hits.empty());
    // The commands still report it, for the caller to show.
    EXPECT_THROW(ed.FindNext(), ERegExpParser);
    EXPECT_THROW(ed.FindPrevious(), ERegExpParser);

    // A pattern that compiles again shows its hits.
    ed.SetFindString("\\(ab");
    EXPECT_EQ(HitColumns(0), (Pairs{{0, 3}, {4, 3}}));
}

TEST_F(ExPaint, HitsStopAtThePaintingLimit)
{
    drv.SetText(Bytes(998) + "XYZ" + Bytes(10) + "XYZ");
    ed.SetFindString("XYZ");
    ed.SetExSearchOptions({soMatchCase});
    ed.SetTopCol(980);
    ASSERT_GT(ed.TopCol() + ed.VisibleCols(), 1012);
    EXPECT_EQ(HitColumns(0), (Pairs{{998, 2}}));
}

TEST_F(ExPaint, RowBackgroundsGoByPriority)
{
    TEditorExMarks& marks = *ed.ExMarks();
    const std::pair<TEditorMark*, TColor> colours[] = {
        {marks.CurrentLine(), clAqua}, {marks.DigitLine(), clLime},  {marks.Img0Line(), clYellow},
        {marks.Img5Line(), clFuchsia}, {marks.ImageLine(), clSilver}, {marks.EvenLine(), clGray},
    };
    for (const auto& [mark, colour] : colours) {
        mark->SetColor(colour);
        mark->SetVisible(true);
    }
    drv.SetText("row0\r\nrow1\r\nrow2\r\nrow3\r\nrow4\r\nrow5\r\nrow6\r\nrow7");
    ed.SetRowMarks(1, 1u << 3 | 1u << 10);
    ed.SetRowMarks(2, 1u << 10 | 1u << 15);
    ed.SetRowMarks(3, 1u << 15);
    ed.SetRowMarks(4, 1u << 12);
    ed.SetRowMarks(6, 1u << 4);
    ed.SetRowCol(6, 0);
    const auto background = [&](int Row) { return ed.ExRowPlan(Row).Background; };

    EXPECT_EQ(background(6), clAqua); // the caret row before its digit mark
    EXPECT_EQ(background(1), clLime); // a digit mark before an image mark
    EXPECT_EQ(background(2), clYellow); // mark 10 before mark 15
    EXPECT_EQ(background(3), clFuchsia);
    EXPECT_EQ(background(4), clSilver); // mark 12 has no line of its own shown
    // Even lines as the left bar counts them: from 1, so row 5 is line 6.
    EXPECT_EQ(background(5), clGray);
    EXPECT_EQ(background(7), clGray);
    EXPECT_EQ(background(0), std::nullopt);
    ed.Leftbar()->SetZeroBase(true);
    EXPECT_EQ(background(0), clGray);
    EXPECT_EQ(background(5), std::nullopt);

    // The background covers the text only; the tokens stay readable on it.
    const QImage image = drv.Grab();
    EXPECT_EQ(drv.CellColor(image, 1, 0), QColor(Qt::green));
    EXPECT_EQ(drv.CellColor(image, 1, 3), QColor(Qt::green));
    EXPECT_EQ(drv.CellColor(image, 1, 4), QColor(Qt::white));
    const QPoint cell = drv.CellPoint(1, 0);
    EXPECT_TRUE(HasOtherColor(image, QRect(cell, QSize(4 * ed.ColWidth(), ed.FontHeight())), QColor(Qt::green)))
        << "the text was painted over";

    // A hidden mark gives way to the next.
    marks.CurrentLine()->SetVisible(false);
    EXPECT_EQ(background(6), clLime);
}

TEST_F(ExPaint, ASelectionKeepsItsColoursOverHitsAndBackgrounds)
{
    drv.SetText("abc abc");
    ed.SetFindString("abc");
    ed.SetExSearchOptions({soMatchCase});
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

TEST_F(ExPaint, BlanksAndTabsAreMarked)
{
    const std::string text = "a b\t" + Sjis("　") + "c";
    drv.SetText(text);
    TEditorExMarks& marks = *ed.ExMarks();
    marks.SpaceMark()->SetVisible(true);
    marks.SpaceMark()->SetColor(clRed);
    marks.TabMark()->SetVisible(true);
    marks.DBSpaceMark()->SetVisible(true);
    marks.DBSpaceMark()->SetColor(clBlue);

    const std::vector<TExMarkItem> expected = {
        {TExMarkKind::Space, 1, 1, 1},
        {TExMarkKind::Tab, 3, 3, 5},
        {TExMarkKind::DBSpace, 4, 8, 2},
    };
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
}

TEST_F(ExPaint, EndOfFileTextTakesItsColour)
{
    ed.Marks()->EofMark()->SetVisible(true);
    ed.Marks()->EofMark()->SetColor(clRed);
    drv.SetText("abc");
    const QImage image = drv.Grab();
    const QPoint start = drv.CellPoint(0, 3);
    EXPECT_TRUE(HasColor(image, QRect(start, QSize(5 * ed.ColWidth(), ed.FontHeight())), QColor(Qt::red)));
}

TEST_F(ExPaint, VerticalLinesStandLeftOfTheirColumns)
{
    drv.SetText("short");
    TVerticalLine& line = *ed.VerticalLines()->Add();
    line.SetPosition(8);
    line.SetColor(clRed);
    TVerticalLine& hidden = *ed.VerticalLines()->Add();
    hidden.SetPosition(12);
    hidden.SetColor(clRed);
    hidden.SetVisible(false);
    TVerticalLine& negative = *ed.VerticalLines()->Add();
    negative.SetPosition(-3);
    negative.SetColor(clRed);

    const auto lineColumns = [&] {
        // The columns of the text area where a red line runs down to the
        // bottom of the viewport.
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

} // namespace

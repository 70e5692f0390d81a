// A few checks on painted pixels, where the plan alone cannot tell:
// colours of cells, the selection, the marks.
#include "EditorDriver.h"

#include <gtest/gtest.h>

namespace {

using edtest::TEditorDriver;

TEST(Pixels, DefaultSelectionCellsTakeTheFontColour)
{
    TEditorDriver ed;
    ed->View()->Colors()->Select()->SetColor(clNone);
    ed->View()->Colors()->Select()->SetBkColor(clNone);
    TFont font;
    font.Assign(ed->Font());
    font.SetColor(clMaroon);
    ed->SetFont(&font);
    ed->SetColor(clYellow);
    ed.SetText("abcdef\r\n");
    ed.Select({0, 1}, {0, 4});
    const QImage image = ed.Grab();
    EXPECT_EQ(ed.CellColor(image, 0, 2), QColor(0x80, 0, 0));
    EXPECT_EQ(ed.CellColor(image, 0, 5), QColor(Qt::yellow));
}

TEST(Pixels, TokenBackgroundsFillTheirCells)
{
    TEditorDriver ed;
    ed->View()->Colors()->Int()->SetBkColor(clAqua);
    ed->Caret()->SetStyle(TEditorCaretStyle::csBrief);
    ed.SetText("ab 123 cd");
    const QImage image = ed.Grab();
    EXPECT_EQ(ed.CellColor(image, 0, 1), QColor(Qt::white));
    EXPECT_EQ(ed.CellColor(image, 0, 4), QColor(Qt::cyan));
    EXPECT_EQ(ed.CellColor(image, 0, 6), QColor(Qt::white));
}

TEST(Pixels, EndOfFileMarkIsWrittenInItsColour)
{
    TEditorDriver ed;
    ed->Marks()->EofMark()->SetVisible(true);
    ed->Marks()->EofMark()->SetColor(clRed);
    ed.SetText("");
    const QImage image = ed.Grab();
    const QPoint cell = ed.CellPoint(0, 0);
    int red = 0;
    for (int y = cell.y(); y < cell.y() + ed->FontHeight(); ++y)
        for (int x = cell.x(); x < cell.x() + 5 * ed->ColWidth(); ++x)
            red += image.pixelColor(x, y).red() > 200 && image.pixelColor(x, y).green() < 80;
    EXPECT_GT(red, 10);
}

TEST(Pixels, UnderlineRunsUnderTheCaretRow)
{
    TEditorDriver ed;
    ed->Marks()->Underline()->SetVisible(true);
    ed->Marks()->Underline()->SetColor(clBlue);
    ed.SetText("a\r\nb\r\nc\r\n");
    ed->SetRow(1);
    const QImage image = ed.Grab();
    const int y = ed->UnderlinePos(1);
    ASSERT_GT(y, 0);
    EXPECT_EQ(image.pixelColor(ed->TextLeft() + 20, y), QColor(Qt::blue));
    EXPECT_NE(image.pixelColor(ed->TextLeft() + 20, ed->UnderlinePos(0)), QColor(Qt::blue));
}

TEST(Pixels, LeftBarCellsAreInTheBarsColour)
{
    TEditorDriver ed;
    ed->Leftbar()->SetVisible(true);
    ed->Leftbar()->SetBkColor(clLime);
    ed.SetText("a\r\n");
    const QImage image = ed.Grab();
    EXPECT_EQ(image.pixelColor(ed->ImagebarWidth() + 1, ed->TextTop() + 1), QColor(Qt::green));
    // The image bar takes the left bar's colour too.
    EXPECT_EQ(image.pixelColor(1, ed->TextTop() + 1), QColor(Qt::green));
}

} // namespace

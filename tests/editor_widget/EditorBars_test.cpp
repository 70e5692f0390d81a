// The bars beside and above the text: line numbers of the left bar and its
// width, the image bar's pictures, the ruler.
#include "EditorDriver.h"

#include "EditorImageList.h"
#include "EditorLibrary.h"
#include "EditorRulerBitmaps.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace edtest;

class Bars : public testing::Test {
protected:
    // The left bar's texts of rows First .. Last as painting writes them.
    std::vector<std::string> Numbers(int First, int Last)
    {
        std::vector<int> numbers;
        LeftbarRowNumbers(ed->ScreenStrings(), ed->WordWrap(), *ed->Leftbar(), First, Last, numbers);
        std::vector<std::string> texts;
        for (int n : numbers)
            texts.push_back(n < 0 ? "" : LeftbarNumberText(n, ed->LeftbarDigitCount(), ed->Leftbar()->ZeroLead()));
        return texts;
    }

    TEditorDriver ed;
};

TEST_F(Bars, LineNumbersLeaveContinuationRowsEmptyAndLeadWithZeros)
{
    ed->Leftbar()->SetVisible(true);
    ed->Leftbar()->SetShowNumberMode(TEditorShowNumberMode::nmLine);
    ed->Leftbar()->SetZeroLead(true);
    ed->Leftbar()->SetColumn(4);
    ed.Wrap(20);
    std::string text;
    for (int line = 0; line < 8; ++line)
        text += (line == 2 ? Bytes(30) : std::string("line")) + "\r\n";
    ed.SetText(text);
    ASSERT_EQ(ed->RowAttributeAt(2), TRowAttribute::raWrapped);
    EXPECT_EQ(Numbers(0, 9),
              (std::vector<std::string>{"0001", "0002", "0003", "", "0004", "0005", "0006", "0007", "0008", "0009"}));
    // Starting on a continuation row.
    EXPECT_EQ(Numbers(3, 4), (std::vector<std::string>{"", "0004"}));
    // Line 7 (counting from 1) from anywhere above it.
    EXPECT_EQ(Numbers(7, 7), std::vector<std::string>{"0007"});
    EXPECT_EQ(Numbers(10, 11), (std::vector<std::string>{"", ""}));
}

TEST_F(Bars, LeftBarWidensWhenTheNumbersGrowADigit)
{
    ed->Leftbar()->SetVisible(true);
    ed->Leftbar()->SetColumn(1);
    ed.SetText(Lines(998, "x") + "x");
    EXPECT_EQ(ed->LeftbarDigitCount(), 3);
    const int left = ed->TextLeft();
    // A final line break: the row after it, number 1000, can hold the caret.
    ed.ReplaceRows(998, 1, "x\r\n");
    EXPECT_EQ(ed->LeftbarDigitCount(), 4);
    EXPECT_EQ(ed->TextLeft(), left + ed->ColWidth());
    // Without numbers the bar keeps its Column digits.
    ed->Leftbar()->SetShowNumber(false);
    EXPECT_EQ(ed->LeftbarDigitCount(), 1);
}

TEST_F(Bars, ImageBarTakesMissingPicturesFromTheDefaultsAndForgetsListsGoingAway)
{
    TImageList digits;
    digits.Add(QPixmap(8, 11));
    digits.Add(QPixmap(8, 11));
    ed->SetImageDigits(&digits);
    {
        TImageList marks;
        ed->SetImageMarks(&marks);
        EXPECT_EQ(ed->ImagebarPicture(10), &DefaultImageMarks()[0]);
        EXPECT_EQ(ed->ImagebarPicture(1), &digits.Image(1));
        EXPECT_EQ(ed->ImagebarPicture(2), &DefaultImageDigits()[2]);
        EXPECT_EQ(ed->ImagebarPicture(-1), nullptr);
        marks.Add(QPixmap(11, 11));
        EXPECT_EQ(ed->ImagebarPicture(10), &marks.Image(0));
    }
    EXPECT_EQ(ed->ImageMarks(), nullptr);
    EXPECT_EQ(ed->ImagebarPicture(11), &DefaultImageMarks()[1]);
}

TEST_F(Bars, RulerWithoutColoursTakesTheEditorsAndIsAsWideAsAViewportWiderThanTheScreen)
{
    ed->Ruler()->SetVisible(true);
    ed->Ruler()->SetEdge(false);
    ed->Ruler()->SetColor(clNone);
    ed->Ruler()->SetBkColor(clNone);
    ed->SetColor(clYellow);
    ed->Font()->SetColor(clBlue);
    ed->resize(2400, 200);
    ed.SetText("a");
    const QImage image = ed.Grab();
    const int x = ed->TextLeft() + 5 * ed->ColWidth() + 2;
    EXPECT_EQ(image.pixelColor(x, ed->RulerHeight() - 4), QColor(Qt::yellow));
    // The gauge's bottom line reaches the right edge.
    for (const int lineX : {x, ed->viewport()->width() - 1})
        EXPECT_EQ(image.pixelColor(lineX, ed->RulerHeight() - 1), QColor(Qt::blue)) << lineX;
}

TEST(RulerBitmaps, PicturesAreWholeGaugeUnitsTwoMoreThanFitTheWidth)
{
    struct TCase {
        int GaugeRange, ColWidth, Width, Expected;
    };
    const TCase cases[] = {
        {10, 8, 1920, 26 * 80}, // 24 units fit exactly
        {10, 7, 1920, 29 * 70}, // 27 fit, and a part of one more
        {4, 9, 35, 2 * 36},     // not even one fits
        {1, 1, 0, 2},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(TEditorRulerBitmaps::RulerGaugeWidth(c.GaugeRange, c.ColWidth, c.Width), c.Expected) << c.Width;
}

TEST_F(Bars, RulerMarkFollowsTheCaretAndTheScreenKeepsUp)
{
    ed->Ruler()->SetVisible(true);
    ed->Ruler()->SetBkColor(clYellow);
    ed->Ruler()->SetMarkColor(clRed);
    ed.SetText("abcdefghijklmn\r\nxyz\r\n");
    ed.Shown();
    // Below the digits, inside the cell of column Col.
    const auto marked = [&](const QImage& Image, int Col) {
        const QPoint cell = ed.CellPoint(0, Col);
        return Image.pixelColor(cell.x() + ed->ColWidth() / 2, ed->RulerHeight() - 3) == QColor(Qt::red);
    };
    const std::pair<Qt::Key, int> moves[] = {
        {Qt::Key_Right, 1}, {Qt::Key_End, 14}, {Qt::Key_Left, 13}, {Qt::Key_Home, 0}, {Qt::Key_Down, 0}};
    int previous = 0;
    for (const auto& [key, col] : moves) {
        ed.Key(key);
        ASSERT_EQ(ed->Col(), col);
        const QImage shown = ed.Shown();
        EXPECT_TRUE(marked(shown, col)) << col;
        if (previous != col) {
            EXPECT_FALSE(marked(shown, previous)) << previous;
        }
        // Only the two cells were repainted, and they agree with a whole
        // repaint.
        EXPECT_EQ(shown, ed.Grab().convertToFormat(QImage::Format_RGB32)) << col;
        previous = col;
    }

    // Re-wrapping puts the caret at its row's start without a caret move;
    // the ruler marks that column all the same.
    ed.Key(Qt::Key_End);
    ASSERT_EQ(ed->Col(), 3);
    ed->SetWordWrap(!ed->WordWrap());
    ASSERT_EQ(ed->Col(), 0);
    const QImage rewrapped = ed.Grab();
    EXPECT_TRUE(marked(rewrapped, 0));
    EXPECT_FALSE(marked(rewrapped, 3));
}

TEST_F(Bars, TextMovesWithTheLeftBarWhenItsNumbersGainOrLoseADigit)
{
    ed->Leftbar()->SetVisible(true);
    ed->Leftbar()->SetColumn(1);
    ed.SetText(Lines(8, "abc") + "abc");
    ed.Shown();
    const int cw = ed->ColWidth();
    const int left = ed->TextLeft();
    struct TStep {
        std::function<void()> Edit;
        int Digits;
        int TextLeft;
    };
    const TStep steps[] = {
        {[&] { ed.ReplaceRows(8, 1, "abc\r\n"); }, 2, left + cw},
        {[&] { ed->Undo(); }, 1, left},
    };
    for (const TStep& step : steps) {
        step.Edit();
        EXPECT_EQ(std::pair(ed->LeftbarDigitCount(), ed->TextLeft()), std::pair(step.Digits, step.TextLeft));
        EXPECT_EQ(ed.Shown(), ed.Grab().convertToFormat(QImage::Format_RGB32)) << step.Digits;
    }
}

TEST_F(Bars, RowAfterTheTextIsNumberedAsSoonAsTheTextEndsWithALineBreak)
{
    ed->Leftbar()->SetVisible(true);
    ed->Leftbar()->SetShowNumberMode(TEditorShowNumberMode::nmRow);
    ed.SetText("abc\r\nxyz");
    ed.Shown();
    // A final line break typed, then taken away again.
    for (const std::string_view text : {"xyz\r\n", "xyz"}) {
        ed.ReplaceRows(1, 1, text);
        EXPECT_EQ(ed.Shown(), ed.Grab().convertToFormat(QImage::Format_RGB32)) << text;
    }
}

} // namespace

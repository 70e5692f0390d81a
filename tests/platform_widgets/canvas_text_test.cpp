// Shift-JIS text on the canvas's cell grid: where each character lands,
// what a bad byte shows, fills and clipping.
#include "Canvas.h"
#include "Cp932.h"
#include "Sjis.h"
#include "SjisLiteral.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <climits>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QColor kPaper(Qt::white);

QFont Gothic(int PixelSize = 13)
{
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(PixelSize);
    return font;
}

QImage Paint(int Width, int Height, const std::function<void(QPainter&)>& Draw)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter painter(&image);
    Draw(painter);
    return image;
}

// Draws Text with a canvas in Font, black on the paper.
QImage PaintCells(int Width, int Height, const QFont& Font, const std::function<void(TCanvas&)>& Draw)
{
    return Paint(Width, Height, [&](QPainter& Painter) {
        TCanvas canvas(Painter);
        canvas.SetFont(Font);
        canvas.SetFontColor(clBlack);
        Draw(canvas);
    });
}

bool HasInk(const QImage& Image, const QRect& Area)
{
    const QRect area = Area & Image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (Image.pixelColor(x, y) != kPaper)
                return true;
    return false;
}

// The smallest rectangle that holds every pixel that is not paper.
QRect InkBounds(const QImage& Image)
{
    QRect bounds;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if (Image.pixelColor(x, y) != kPaper)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Each character drawn alone by Qt at its own cell: where TextOutCells
// must put it.
QImage ReferenceCells(int Width, int Height, const QFont& Font, int X, int Y, const std::string& Text, int CellWidth)
{
    return Paint(Width, Height, [&](QPainter& Painter) {
        Painter.setFont(Font);
        Painter.setPen(Qt::black);
        const int baseline = Y + QFontMetrics(Font).ascent();
        for (sjis::CharCursor c(Text); !c.AtEnd(); c.Next())
            Painter.drawText(QPoint(X + static_cast<int>(c.Pos()) * CellWidth, baseline),
                             QString::fromStdU16String(SjisToUtf16(c.Char())));
    });
}

TEST(TextOutCells, PutsEveryCharacterAtItsOwnCell)
{
    const QFont font = Gothic();
    const QFontMetrics metrics(font);
    // The natural advances are not whole cells: 'a' is narrower than a
    // kanji's half.
    ASSERT_NE(metrics.horizontalAdvance(QStringLiteral("漢")), 2 * metrics.horizontalAdvance('a'));
    const std::string text = Sjis("a漢字Wｱ1 ;g全");
    for (const int cellWidth : {metrics.horizontalAdvance('0'), metrics.horizontalAdvance('0') + 3}) {
        const QImage drawn = PaintCells(260, 30, font, [&](TCanvas& Canvas) { Canvas.TextOutCells(4, 6, text, cellWidth); });
        EXPECT_EQ(drawn, ReferenceCells(260, 30, font, 4, 6, text, cellWidth)) << "cell width " << cellWidth;
    }
}

TEST(TextOutCells, CellsAreTheFontHeightHighAndTextStandsOnTheBaseline)
{
    const QFont font = Gothic(16);
    const QFontMetrics metrics(font);
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    TCanvas canvas(painter);
    canvas.SetFont(font);
    EXPECT_EQ(canvas.TextHeight(), metrics.height() + std::max(0, metrics.leading()));
}

TEST(TextOutCells, BadBytesShowABoxInTheirCellsAndTheRowGoesOn)
{
    const QFont font = Gothic();
    const int cell = QFontMetrics(font).horizontalAdvance('0') + 2;
    // Each case: a bad piece between two digits (which cannot be trail
    // bytes), and how many cells it takes.
    const struct {
        std::string Bad;
        int Cells;
    } cases[] = {
        {std::string("\x81", 1), 1},     // lone lead byte
        {std::string("\x80", 1), 1},     // no character
        {std::string("\xA0", 1), 1},     // no character
        {std::string("\xFD", 1), 1},     // no character
        {std::string("\xFF", 1), 1},     // no character
        {std::string("\0", 1), 1},       // NUL
        {std::string("\t", 1), 1},       // a control character
        {std::string("\x85\x40", 2), 2}, // a pair with no character
    };
    ASSERT_EQ(SjisCharToUtf16(0x8540), u'\xFFFD');
    const int height = QFontMetrics(font).height();
    QImage box; // the box in one cell, the same for every bad byte
    for (const auto& c : cases) {
        const std::string text = "1" + c.Bad + "1";
        ASSERT_EQ(text.size(), 2u + c.Cells);
        const QImage drawn = PaintCells(120, 30, font, [&](TCanvas& Canvas) { Canvas.TextOutCells(0, 0, text, cell); });
        const QRect badCells(cell, 0, c.Cells * cell, height);
        EXPECT_TRUE(HasInk(drawn, badCells)) << "bad byte " << int(static_cast<unsigned char>(c.Bad[0]));
        if (c.Cells == 1) {
            if (box.isNull())
                box = drawn.copy(badCells);
            EXPECT_EQ(drawn.copy(badCells), box) << "bad byte " << int(static_cast<unsigned char>(c.Bad[0]));
        }
        // The digit after it keeps its own cell: byte count equals cell count.
        const QRect afterCells((1 + c.Cells) * cell, 0, cell, height);
        const QImage digit = PaintCells(120, 30, font, [&](TCanvas& Canvas) { Canvas.TextOutCells(afterCells.left(), 0, "1", cell); });
        EXPECT_EQ(drawn.copy(afterCells), digit.copy(afterCells)) << "bad byte " << int(static_cast<unsigned char>(c.Bad[0]));
        EXPECT_FALSE(HasInk(drawn, QRect(afterCells.right() + 1, 0, 120, 30)));
    }
    // A lone lead byte at the very end of the row shows too.
    const QImage lastLead = PaintCells(120, 30, font, [&](TCanvas& Canvas) { Canvas.TextOutCells(0, 0, "A\x88", cell); });
    EXPECT_TRUE(HasInk(lastLead, QRect(cell, 0, cell, 30)));
}

TEST(TextOutCells, OpaqueFillsExactlyTheCells)
{
    const QFont font = Gothic();
    const int cell = 9;
    const std::string text = Sjis("a 漢 ");
    const QImage drawn = PaintCells(100, 40, font, [&](TCanvas& Canvas) {
        Canvas.SetBrushColor(clRed);
        Canvas.TextOutCells(10, 5, text, cell, {TTextOutOption::etoOpaque});
    });
    const int height = QFontMetrics(font).height();
    const QRect cells(10, 5, static_cast<int>(text.size()) * cell, height);
    EXPECT_EQ(drawn.pixelColor(cells.topLeft()), QColor(Qt::red));
    EXPECT_EQ(drawn.pixelColor(cells.bottomRight()), QColor(Qt::red));
    EXPECT_EQ(drawn.pixelColor(cells.right(), cells.top()), QColor(Qt::red));
    for (const QPoint outside : {cells.topLeft() - QPoint(1, 0), cells.topLeft() - QPoint(0, 1),
                                 cells.bottomRight() + QPoint(1, 0), cells.bottomRight() + QPoint(0, 1)})
        EXPECT_EQ(drawn.pixelColor(outside), kPaper) << outside.x() << "," << outside.y();
    EXPECT_EQ(InkBounds(drawn), cells);

    // Clipped, the fill stops at the clip rectangle too.
    const QRect clip(20, 0, 15, 40);
    const QImage clipped = PaintCells(100, 40, font, [&](TCanvas& Canvas) {
        Canvas.SetBrushColor(clRed);
        Canvas.TextOutCells(10, 5, text, cell, {TTextOutOption::etoOpaque, TTextOutOption::etoClipped}, clip);
    });
    EXPECT_EQ(InkBounds(clipped), cells & clip);

    // No brush colour: nothing is filled.
    const QImage unfilled = PaintCells(100, 40, font, [&](TCanvas& Canvas) {
        Canvas.SetBrushColor(clNone);
        Canvas.TextOutCells(10, 5, "  ", cell, {TTextOutOption::etoOpaque});
    });
    EXPECT_TRUE(InkBounds(unfilled).isNull());
}

TEST(TextOutCells, ClippedTextStaysInsideTheClipRectangle)
{
    const QFont font = Gothic(16);
    const int cell = QFontMetrics(font).horizontalAdvance('0');
    const std::string text = Sjis("WWWW漢字漢字WWWW");
    const QImage whole = PaintCells(260, 40, font, [&](TCanvas& Canvas) { Canvas.TextOutCells(0, 10, text, cell); });
    const QRect clip(3 * cell + 2, 14, 5 * cell, 8);
    const QImage clipped = PaintCells(260, 40, font, [&](TCanvas& Canvas) {
        Canvas.TextOutCells(0, 10, text, cell, {TTextOutOption::etoClipped}, clip);
    });
    ASSERT_TRUE(HasInk(clipped, clip));
    EXPECT_TRUE(clip.contains(InkBounds(clipped)));
    // Inside the clip the text is what it is without one.
    EXPECT_EQ(clipped.copy(clip), whole.copy(clip));
}

TEST(TextOutCells, ItalicAndBoldStayInTheirRow)
{
    QFont font = Gothic(20);
    const int cell = QFontMetrics(font).horizontalAdvance('0');
    const std::string text = Sjis("gjpqy_漢字|[]");
    const QImage upright = PaintCells(400, 80, font, [&](TCanvas& Canvas) { Canvas.TextOutCells(4, 20, text, cell); });
    int rowHeight = 0;
    const QImage slanted = PaintCells(400, 80, font, [&](TCanvas& Canvas) {
        Canvas.SetFontStyle({TFontStyle::fsItalic, TFontStyle::fsBold});
        EXPECT_EQ(Canvas.FontStyle(), (TFontStyles{TFontStyle::fsItalic, TFontStyle::fsBold}));
        rowHeight = Canvas.TextHeight();
        Canvas.TextOutCells(4, 20, text, cell);
    });
    EXPECT_NE(slanted, upright);
    const QRect ink = InkBounds(slanted);
    EXPECT_GE(ink.top(), 20);
    EXPECT_LT(ink.bottom(), 20 + rowHeight);
}

TEST(TextOutCells, UnderlineAndStrikeOutRunAcrossEveryCell)
{
    const QFont font = Gothic(16);
    const int cell = 10;
    const QImage drawn = PaintCells(100, 40, font, [&](TCanvas& Canvas) {
        Canvas.SetFontStyle({TFontStyle::fsUnderline});
        Canvas.TextOutCells(5, 5, "a  ", cell);
    });
    const QImage struck = PaintCells(100, 40, font, [&](TCanvas& Canvas) {
        Canvas.SetFontStyle({TFontStyle::fsStrikeOut});
        Canvas.TextOutCells(5, 5, "   ", cell);
    });
    const QRect cells(5, 5, 3 * cell, QFontMetrics(font).height());
    EXPECT_EQ(InkBounds(drawn).left(), cells.left());
    EXPECT_EQ(InkBounds(drawn).right(), cells.right());
    EXPECT_EQ(InkBounds(struck).left(), cells.left());
    EXPECT_EQ(InkBounds(struck).right(), cells.right());
    EXPECT_TRUE(cells.contains(InkBounds(struck)));
}

TEST(TextOutCells, CharactersMissingFromTheFontComeFromAFallbackFace)
{
    // DejaVu Sans Mono has no kanji.
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(14);
    const int cell = QFontMetrics(font).horizontalAdvance('0');
    const std::string kanji = Sjis("漢");
    const QImage drawn = PaintCells(100, 40, font, [&](TCanvas& Canvas) { Canvas.TextOutCells(0, 0, kanji, cell); });
    EXPECT_EQ(drawn, ReferenceCells(100, 40, font, 0, 0, kanji, cell));
    const QImage box = PaintCells(100, 40, font, [&](TCanvas& Canvas) { Canvas.TextOutCells(0, 0, "\x85\x40", cell); });
    EXPECT_NE(drawn, box);
}

TEST(TextOutCells, DrawsInTheFontColour)
{
    const QFont font = Gothic(16);
    const auto inkColours = [](const QImage& Image) {
        QSet<QRgb> colours;
        for (int y = 0; y < Image.height(); ++y)
            for (int x = 0; x < Image.width(); ++x)
                if (Image.pixelColor(x, y) != kPaper)
                    colours.insert(Image.pixel(x, y));
        return colours;
    };
    QImage image(60, 30, QImage::Format_RGB32);
    image.fill(kPaper);
    {
        QPainter painter(&image);
        TCanvas canvas(painter);
        TFont tfont;
        tfont.SetName("IPAGothic");
        tfont.SetHeight(-16);
        tfont.SetColor(clBlue);
        canvas.SetFont(tfont);
        EXPECT_EQ(canvas.FontColor(), clBlue);
        canvas.TextOutCells(0, 0, "\x85\x40", 10); // a box: solid ink
    }
    EXPECT_TRUE(inkColours(image).contains(QColor(Qt::blue).rgb()));
    EXPECT_EQ(inkColours(image).size(), 1);
}

TEST(TextOutCells, NothingToShowIsHarmless)
{
    const QFont font = Gothic();
    const QImage drawn = PaintCells(50, 20, font, [&](TCanvas& Canvas) {
        Canvas.TextOutCells(0, 0, "", 8);
        Canvas.TextOutCells(0, 0, "abc", 0);
        Canvas.TextOutCells(INT_MIN, INT_MIN, "abc", 8);
        Canvas.TextOutCells(INT_MAX, INT_MAX, "abc", 8);
        Canvas.TextOutCells(-1000000, 0, std::string(1000, 'x'), 8);
        Canvas.TextOutCells(0, 0, "abc", 8, {TTextOutOption::etoClipped}, QRect());
    });
    EXPECT_TRUE(InkBounds(drawn).isNull());
    // A long row far to the left shows only its part in view.
    const QImage tail = PaintCells(50, 20, font, [&](TCanvas& Canvas) {
        Canvas.TextOutCells(-8 * 1000 + 16, 0, std::string(1000, 'x'), 8);
    });
    EXPECT_TRUE(HasInk(tail, QRect(0, 0, 16, 20)));
    EXPECT_FALSE(HasInk(tail, QRect(17, 0, 40, 20)));
}

} // namespace

// The canvas: images copied pixel for pixel, and Shift-JIS text on its
// cell grid: where each character lands, what a bad byte shows, fills,
// clipping and lines through the cells.
#include "Canvas.h"
#include "Cp932.h"
#include "Sjis.h"
#include "SjisLiteral.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
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

// The smallest rectangle within Area that holds every pixel that is not paper.
QRect InkBounds(const QImage& Image, const QRect& Area = QRect(0, 0, INT_MAX, INT_MAX))
{
    const QRect area = Area & Image.rect();
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (Image.pixelColor(x, y) != kPaper)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

bool HasInk(const QImage& Image, const QRect& Area) { return !InkBounds(Image, Area).isNull(); }

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

TEST(TCanvas, DrawCopiesThePartOfAnImagePixelForPixelAndFarCoordinatesAreHarmless)
{
    QImage source(6, 1, QImage::Format_RGB32);
    for (int x = 0; x < 6; ++x)
        source.setPixelColor(x, 0, QColor(x * 40, 0, 0));
    const QImage target = Paint(10, 3, [&](QPainter& Painter) {
        TCanvas canvas(Painter);
        canvas.Draw(3, 1, source, QRect(1, 0, 4, 1));
        canvas.Draw(-3, 2, source, source.rect()); // half off the left
        for (const QPoint far : {QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, INT_MAX), QPoint(INT_MAX - 2, 0)})
            canvas.Draw(far.x(), far.y(), source, source.rect());
    });
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(target.pixelColor(3 + x, 1), QColor((x + 1) * 40, 0, 0)) << x;
    EXPECT_EQ(target.pixelColor(0, 2), QColor(120, 0, 0));
    for (const QPoint outside : {QPoint(2, 1), QPoint(7, 1), QPoint(3, 0), QPoint(0, 0), QPoint(3, 2)})
        EXPECT_EQ(target.pixelColor(outside), kPaper) << outside.x() << ',' << outside.y();
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
        const QImage drawn =
            PaintCells(260, 30, font, [&](TCanvas& Canvas) { Canvas.TextOutCells(4, 6, text, cellWidth); });
        EXPECT_EQ(drawn, ReferenceCells(260, 30, font, 4, 6, text, cellWidth)) << "cell width " << cellWidth;
    }

    // DejaVu Sans Mono has no kanji: they come from a fallback face, not a box.
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPixelSize(14);
    const int cell = QFontMetrics(mono).horizontalAdvance('0');
    const QImage kanji =
        PaintCells(100, 40, mono, [&](TCanvas& Canvas) { Canvas.TextOutCells(0, 0, Sjis("漢"), cell); });
    EXPECT_EQ(kanji, ReferenceCells(100, 40, mono, 0, 0, Sjis("漢"), cell));
    EXPECT_NE(kanji, PaintCells(100, 40, mono, [&](TCanvas& Canvas) { Canvas.TextOutCells(0, 0, "\x85\x40", cell); }));
}

TEST(TextOutCells, BadBytesShowABoxInTheirCellsAndTheRowGoesOn)
{
    const QFont font = Gothic();
    const int cell = QFontMetrics(font).horizontalAdvance('0') + 2;
    // Each case: a bad piece between two digits (which cannot be trail
    // bytes), and how many cells it takes.
    // A lone lead byte, bytes that start nothing, and a pair with no character.
    const std::string cases[] = {"\x81", "\x80", "\xA0", "\xFD", "\xFF", std::string("\0", 1), "\t", "\x85\x40"};
    ASSERT_EQ(SjisCharToUtf16(0x8540), u'\xFFFD');
    const int height = QFontMetrics(font).height();
    QImage box; // the box in one cell, the same for every bad byte
    for (const std::string& bad : cases) {
        SCOPED_TRACE(int(static_cast<unsigned char>(bad[0])));
        const int cells = static_cast<int>(bad.size());
        const QImage drawn =
            PaintCells(120, 30, font, [&](TCanvas& Canvas) { Canvas.TextOutCells(0, 0, "1" + bad + "1", cell); });
        const QRect badCells(cell, 0, cells * cell, height);
        EXPECT_TRUE(HasInk(drawn, badCells));
        if (cells == 1) {
            box = box.isNull() ? drawn.copy(badCells) : box;
            EXPECT_EQ(drawn.copy(badCells), box);
        }
        // The digit after it keeps its own cell: byte count equals cell count.
        const QRect afterCells((1 + cells) * cell, 0, cell, height);
        const QImage digit =
            PaintCells(120, 30, font, [&](TCanvas& Canvas) { Canvas.TextOutCells(afterCells.left(), 0, "1", cell); });
        EXPECT_EQ(drawn.copy(afterCells), digit.copy(afterCells));
        EXPECT_FALSE(HasInk(drawn, QRect(afterCells.right() + 1, 0, 120, 30)));
    }
    // A lone lead byte at the very end of the row shows too.
    const QImage lastLead =
        PaintCells(120, 30, font, [&](TCanvas& Canvas) { Canvas.TextOutCells(0, 0, "A\x88", cell); });
    EXPECT_TRUE(HasInk(lastLead, QRect(cell, 0, cell, 30)));
}

TEST(TextOutCells, OpaqueFillsExactlyTheCellsWithinTheClip)
{
    const std::string text = Sjis("a 漢 ");
    const QRect cells(10, 5, static_cast<int>(text.size()) * 9, QFontMetrics(Gothic()).height());
    const QRect clip(20, 0, 15, 40);
    const struct {
        TColor Brush;
        TTextOutOptions Options;
        QRect Ink;
    } cases[] = {
        {clRed, {TTextOutOption::etoOpaque}, cells},
        {clRed, {TTextOutOption::etoOpaque, TTextOutOption::etoClipped}, cells & clip},
        {clNone, {TTextOutOption::etoOpaque}, QRect()}, // no brush colour: the spaces fill nothing
    };
    for (const auto& c : cases) {
        const QImage drawn = PaintCells(100, 40, Gothic(), [&](TCanvas& Canvas) {
            Canvas.SetBrushColor(c.Brush);
            Canvas.TextOutCells(10, 5, c.Brush == clNone ? "  " : text, 9, c.Options, clip);
        });
        EXPECT_EQ(InkBounds(drawn), c.Ink) << std::hex << c.Brush;
        EXPECT_TRUE(c.Ink.isNull() || drawn.pixelColor(c.Ink.bottomRight()) == QColor(Qt::red));
    }
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

TEST(TextOutCells, UnderlineAndStrikeOutRunAcrossEveryCellInTheFontColour)
{
    TFont font;
    font.SetName("IPAGothic");
    font.SetHeight(-16);
    font.SetColor(clBlue);
    const QRect cells(5, 5, 3 * 10, QFontMetrics(Gothic(16)).height());
    for (const TFontStyle style : {TFontStyle::fsUnderline, TFontStyle::fsStrikeOut}) {
        const QImage drawn = Paint(100, 40, [&](QPainter& Painter) {
            TCanvas canvas(Painter);
            canvas.SetFont(font);
            canvas.SetFontStyle({style});
            canvas.TextOutCells(5, 5, "   ", 10);
        });
        const QRect ink = InkBounds(drawn);
        EXPECT_EQ(std::pair(ink.left(), ink.right()), std::pair(cells.left(), cells.right()));
        EXPECT_TRUE(cells.contains(ink));
        EXPECT_EQ(drawn.pixelColor(ink.topLeft()), QColor(Qt::blue));
    }
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
    // A long row far to the left shows only its last two cells.
    const QImage tail = PaintCells(
        50, 20, font, [&](TCanvas& Canvas) { Canvas.TextOutCells(-8 * 1000 + 16, 0, std::string(1000, 'x'), 8); });
    EXPECT_TRUE(HasInk(tail, QRect(0, 0, 16, 20)) && !HasInk(tail, QRect(17, 0, 40, 20)));
}

} // namespace

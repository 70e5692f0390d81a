#include "EditorRulerBitmaps.h"

#include "QtColor.h"

#include <QPainter>
#include <string>

namespace {

constexpr int DigitWidth = 5;
constexpr int DigitHeight = 9;
constexpr int LastRulerColumn = 1000;

// One line per pixel row; "#" is ink.
constexpr const char* DigitRows[DigitHeight] = {
    "........................................................",
    "..##...#....##...##....#..####..##..####..##...##.......",
    ".#..#.##...#..#.#..#..##..#....#..#....#.#..#.#..#......",
    ".#..#..#......#....#..##..###..#......#..#..#.#..#......",
    ".#..#..#.....#....#..#.#..#..#.###....#...##...###......",
    ".#..#..#....#......#.####....#.#..#..#...#..#....#......",
    ".#..#..#...#....#..#...#..#..#.#..#..#...#..#.#..#......",
    "..##...#...####..##....#...##...##...#....##...##.......",
    "........................................................",
};

// The digits in Ink on Paper.
QImage ColouredDigits(QColor Ink, QColor Paper)
{
    const QImage& mask = TEditorRulerBitmaps::DigitMask();
    QImage digits(mask.size(), QImage::Format_RGB32);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            digits.setPixelColor(x, y, mask.pixelColor(x, y).alpha() ? Ink : Paper);
    return digits;
}

// Writes Number at X with the digit glyphs; a "1" is 3 pixels wide.
void WriteNumber(QPainter& Painter, const QImage& Digits, int X, int Number)
{
    for (const char c : std::to_string(Number)) {
        const int digit = c - '0';
        const int width = digit == 1 ? 3 : DigitWidth;
        Painter.drawImage(QPoint(X, 0), Digits, QRect(digit * DigitWidth, 0, width, DigitHeight));
        X += width;
    }
}

} // namespace

const QImage& TEditorRulerBitmaps::DigitMask()
{
    static const QImage mask = [] {
        QImage image(56, DigitHeight, QImage::Format_ARGB32);
        for (int y = 0; y < DigitHeight; ++y)
            for (int x = 0; x < 56; ++x)
                image.setPixelColor(x, y, DigitRows[y][x] == '#' ? QColor(Qt::black) : QColor(Qt::transparent));
        return image;
    }();
    return mask;
}

std::vector<int> TEditorRulerBitmaps::Numbers(int FirstCol, int Units, int GaugeRange)
{
    std::vector<int> numbers;
    for (int k = 0; k <= Units; ++k) {
        const int col = FirstCol + k * GaugeRange;
        numbers.push_back(col);
        if (col >= LastRulerColumn)
            break;
    }
    return numbers;
}

void TEditorRulerBitmaps::DrawGauge(const QPalette& Palette, const TLook& Look)
{
    const int unit = Look.GaugeRange * Look.ColWidth;
    const int width = unit * (Look.Width / unit + 2);
    Gauge_ = QImage(width, Look.Height, QImage::Format_RGB32);
    QPainter painter(&Gauge_);
    painter.fillRect(Gauge_.rect(), ColorToQColor(Look.BkColor, clNone, Palette));
    painter.setPen(ColorToQColor(Look.Color, clNone, Palette));
    for (int i = 0; i < Look.GaugeRange; ++i) {
        const int top = i == 0 ? 0 : i == Look.GaugeRange / 2 ? 3 : 6;
        const int x = i * Look.ColWidth;
        painter.drawLine(x, top, x, Look.Height - 1);
    }
    if (Look.Edge) {
        painter.setPen(Qt::white);
        painter.drawLine(0, Look.Height - 2, unit - 1, Look.Height - 2);
        painter.setPen(QColor(0x80, 0x80, 0x80));
    }
    painter.drawLine(0, Look.Height - 1, unit - 1, Look.Height - 1);
    const QImage first = Gauge_.copy(0, 0, unit, Look.Height);
    for (int x = unit; x < width; x += unit)
        painter.drawImage(QPoint(x, 0), first);
}

void TEditorRulerBitmaps::DrawNumbers(QImage& Target, const QImage& Digits, QColor Background, const TLook& Look,
                                      int FirstCol)
{
    QPainter painter(&Target);
    const int unit = Look.GaugeRange * Look.ColWidth;
    const std::vector<int> numbers = Numbers(FirstCol, Target.width() / unit, Look.GaugeRange);
    for (size_t k = 0; k < numbers.size(); ++k) {
        const int start = static_cast<int>(k) * unit;
        // The ruler ends at column 1000: no gauge after its number.
        if (numbers[k] >= LastRulerColumn)
            painter.fillRect(start, 0, Target.width() - start, Look.Height - (Look.Edge ? 2 : 1), Background);
        WriteNumber(painter, Digits, start + 1, numbers[k]);
    }
}

void TEditorRulerBitmaps::Rebuild(const QPalette& Palette, const TLook& Look, int FirstCol)
{
    if (!Valid_ || !(Look == Look_)) {
        Look_ = Look;
        DrawGauge(Palette, Look);
        const QColor ink = ColorToQColor(Look.Color, clNone, Palette);
        const QColor paper = ColorToQColor(Look.BkColor, clNone, Palette);
        const QColor mark = ColorToQColor(Look.MarkColor, clNone, Palette);
        NormalDigits_ = ColouredDigits(ink, paper);
        MarkDigits_ = ColouredDigits(paper, mark);
        FirstCol_ = -1;
        Valid_ = true;
    }
    if (FirstCol == FirstCol_)
        return;
    FirstCol_ = FirstCol;
    Ruler_ = Gauge_.copy();
    DrawNumbers(Ruler_, NormalDigits_, ColorToQColor(Look.BkColor, clNone, Palette), Look, FirstCol);
    Mark_ = QImage(Gauge_.size(), QImage::Format_RGB32);
    const QColor mark = ColorToQColor(Look.MarkColor, clNone, Palette);
    Mark_.fill(mark);
    DrawNumbers(Mark_, MarkDigits_, mark, Look, FirstCol);
}

void TEditorRulerBitmaps::Paint(QPainter& Painter, const QPalette& Palette, const TLook& Look, int Left, int Right,
                                int TopCol, int MarkCol, int VisibleCols)
{
    if (Right <= Left || Look.Height <= 0)
        return;
    const int range = Look.GaugeRange;
    const int w = Look.ColWidth;
    Rebuild(Palette, Look, TopCol / range * range);
    const int offset = TopCol % range * w;
    Painter.drawImage(QPoint(Left, 0), Ruler_, QRect(offset, 0, Right - Left, Look.Height));
    if (MarkCol < TopCol || MarkCol > TopCol + VisibleCols)
        return;
    const int height = Look.Height - 1 - (Look.Edge ? 1 : 0);
    const int x = Left + (MarkCol - TopCol) * w + 1;
    Painter.drawImage(QPoint(x, 0), Mark_, QRect(w * (MarkCol - TopCol) + offset + 1, 0, w - 1, height));
}

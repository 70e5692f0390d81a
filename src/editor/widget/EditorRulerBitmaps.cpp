#include "EditorRulerBitmaps.h"

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
    const QImage& mask = TEditorRulerBitmaps::CreateRulerMarkBitmap();
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

int TEditorRulerBitmaps::RulerGaugeWidth(int GaugeRange, int ColWidth, int Width)
{
    const int unit = GaugeRange * ColWidth;
    return unit * (Width / unit + 2);
}

const QImage& TEditorRulerBitmaps::CreateRulerMarkBitmap()
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

QImage TEditorRulerBitmaps::CreateRulerEdge(int Width)
{
    QImage edge(Width, 2, QImage::Format_RGB32);
    QPainter painter(&edge);
    painter.fillRect(0, 0, Width, 1, Qt::white);
    painter.fillRect(0, 1, Width, 1, QColor(0x80, 0x80, 0x80));
    return edge;
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

void TEditorRulerBitmaps::UpdateBars(const TRulerLook& Look)
{
    Look_ = Look;
    InitRulerBitmaps();
    DrawRulerGauge();
    AdjustBarBitmaps();
}

void TEditorRulerBitmaps::InitRulerBitmaps()
{
    NormalDigits_ = ColouredDigits(Look_->Color, Look_->BkColor);
    MarkDigits_ = ColouredDigits(Look_->BkColor, Look_->MarkColor);
}

void TEditorRulerBitmaps::DrawRulerGauge()
{
    const TRulerLook& look = *Look_;
    const int unit = look.GaugeRange * look.ColWidth;
    const int width = RulerGaugeWidth(look.GaugeRange, look.ColWidth, look.Width);
    Gauge_ = QImage(width, look.Height, QImage::Format_RGB32);
    QPainter painter(&Gauge_);
    painter.fillRect(Gauge_.rect(), look.BkColor);
    painter.setPen(look.Color);
    for (int i = 0; i < look.GaugeRange; ++i) {
        const int top = i == 0 ? 0 : i == look.GaugeRange / 2 ? 3 : 6;
        const int x = i * look.ColWidth;
        painter.drawLine(x, top, x, look.Height - 1);
    }
    if (look.Edge)
        painter.drawImage(QPoint(0, look.Height - 2), CreateRulerEdge(unit));
    else
        painter.drawLine(0, look.Height - 1, unit - 1, look.Height - 1);
    const QImage first = Gauge_.copy(0, 0, unit, look.Height);
    for (int x = unit; x < width; x += unit)
        painter.drawImage(QPoint(x, 0), first);
}

void TEditorRulerBitmaps::AdjustBarBitmaps()
{
    Ruler_ = QImage(Gauge_.size(), QImage::Format_RGB32);
    Mark_ = QImage(Gauge_.size(), QImage::Format_RGB32);
    FirstCol_ = -1;
}

void TEditorRulerBitmaps::DrawRulerNumbers(QImage& Bitmap, const QImage& Digits, QColor Background, int FirstCol) const
{
    const TRulerLook& look = *Look_;
    QPainter painter(&Bitmap);
    const int unit = look.GaugeRange * look.ColWidth;
    const std::vector<int> numbers = Numbers(FirstCol, Bitmap.width() / unit, look.GaugeRange);
    for (size_t k = 0; k < numbers.size(); ++k) {
        const int start = static_cast<int>(k) * unit;
        // The ruler ends at column 1000: no gauge after its number.
        if (numbers[k] >= LastRulerColumn)
            painter.fillRect(start, 0, Bitmap.width() - start, look.Height - (look.Edge ? 2 : 1), Background);
        WriteNumber(painter, Digits, start + 1, numbers[k]);
    }
}

void TEditorRulerBitmaps::DrawRulerBack(int FirstCol)
{
    if (FirstCol == FirstCol_)
        return;
    FirstCol_ = FirstCol;
    {
        QPainter painter(&Ruler_);
        painter.drawImage(QPoint(0, 0), Gauge_);
    }
    DrawRulerNumbers(Ruler_, NormalDigits_, Look_->BkColor, FirstCol);
    Mark_.fill(Look_->MarkColor);
    DrawRulerNumbers(Mark_, MarkDigits_, Look_->MarkColor, FirstCol);
}

void TEditorRulerBitmaps::DrawRuler(QPainter& Painter, int Left, int Right, int TopCol) const
{
    const int offset = TopCol % Look_->GaugeRange * Look_->ColWidth;
    Painter.drawImage(QPoint(Left, 0), Ruler_, QRect(offset, 0, Right - Left, Look_->Height));
}

void TEditorRulerBitmaps::ShowRulerMark(QPainter& Painter, const QRect& Cell, int Left, int TopCol) const
{
    const int offset = TopCol % Look_->GaugeRange * Look_->ColWidth;
    Painter.drawImage(Cell.topLeft(), Mark_, Cell.translated(offset - Left, 0));
}

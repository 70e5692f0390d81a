#include "EditorMarkImages.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

// Digits 3 pixels wide and 5 high, one row of three bits per line, the
// leftmost pixel in the highest bit.
constexpr int GlyphWidth = 3;
constexpr int GlyphHeight = 5;
constexpr std::array<std::array<uint8_t, GlyphHeight>, DigitMarkCount> DigitGlyphs{{
    {0b111, 0b101, 0b101, 0b101, 0b111},
    {0b010, 0b110, 0b010, 0b010, 0b111},
    {0b111, 0b001, 0b111, 0b100, 0b111},
    {0b111, 0b001, 0b111, 0b001, 0b111},
    {0b101, 0b101, 0b111, 0b001, 0b001},
    {0b111, 0b100, 0b111, 0b001, 0b111},
    {0b111, 0b100, 0b111, 0b101, 0b111},
    {0b111, 0b001, 0b010, 0b010, 0b010},
    {0b111, 0b101, 0b111, 0b101, 0b111},
    {0b111, 0b101, 0b111, 0b001, 0b111},
}};

QImage TransparentImage(QSize Size)
{
    QImage image(Size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A bookmark tag over the whole 8 x 11 cell: a framed body with a
// swallowtail cut into its lower end, the digit in white on the body.
QImage DigitMark(int Digit)
{
    const QRgb frame = qRgb(0x00, 0x00, 0x60);
    const QRgb body = qRgb(0x20, 0x50, 0xC0);
    const QRgb ink = qRgb(0xFF, 0xFF, 0xFF);
    const int w = DigitMarkSize.width();
    const int bodyBottom = 8;
    QImage image = TransparentImage(DigitMarkSize);
    for (int y = 0; y <= bodyBottom; ++y)
        for (int x = 0; x < w; ++x) {
            const bool edge = x == 0 || x == w - 1 || y == 0 || y == bodyBottom;
            image.setPixel(x, y, edge ? frame : body);
        }
    // The swallowtail: a notch that widens towards the bottom.
    for (int y = bodyBottom + 1; y < DigitMarkSize.height(); ++y) {
        const int notch = y - bodyBottom;
        for (int x = 0; x < w; ++x)
            if (x < w / 2 - notch || x >= w / 2 + notch)
                image.setPixel(x, y, frame);
    }
    const int left = 2;
    const int top = 2;
    for (int row = 0; row < GlyphHeight; ++row)
        for (int col = 0; col < GlyphWidth; ++col)
            if (DigitGlyphs[Digit][row] >> (GlyphWidth - 1 - col) & 1)
                image.setPixel(left + col, top + row, ink);
    return image;
}

QPolygonF Star(QPointF Centre, double Outer, double Inner)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? Outer : Inner;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << Centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return star;
}

// Six symbols, each in a colour of its own outlined in a darker shade,
// kept off the cell's corners.
QImage ImageMark(int Index)
{
    static const std::array<QColor, ImageMarkCount> colors{
        QColor(0xE0, 0x30, 0x30), QColor(0x30, 0x60, 0xE0), QColor(0x30, 0xB0, 0x40),
        QColor(0xF0, 0x90, 0x20), QColor(0xF0, 0xC0, 0x10), QColor(0xA0, 0x30, 0xC0),
    };
    const QColor color = colors[Index];
    QImage image = TransparentImage(ImageMarkSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color.darker(170), 1));
    painter.setBrush(color);
    const QRectF cell(0.5, 0.5, ImageMarkSize.width() - 1, ImageMarkSize.height() - 1);
    const QPointF centre = cell.center();
    switch (Index) {
    case 0: // circle
        painter.drawEllipse(cell);
        break;
    case 1: // square
        painter.drawRect(cell.adjusted(1, 1, -1, -1));
        break;
    case 2: // triangle
        painter.drawPolygon(QPolygonF({QPointF(centre.x(), cell.top()), cell.bottomRight(), cell.bottomLeft()}));
        break;
    case 3: // diamond
        painter.drawPolygon(QPolygonF({QPointF(centre.x(), cell.top()), QPointF(cell.right(), centre.y()),
                                       QPointF(centre.x(), cell.bottom()), QPointF(cell.left(), centre.y())}));
        break;
    case 4: // star
        painter.drawPolygon(Star(centre, cell.width() / 2, cell.width() / 4));
        break;
    default: { // cross
        QPainterPath cross;
        cross.moveTo(cell.topLeft() + QPointF(1, 1));
        cross.lineTo(cell.bottomRight() - QPointF(1, 1));
        cross.moveTo(cell.topRight() + QPointF(-1, 1));
        cross.lineTo(cell.bottomLeft() + QPointF(1, -1));
        painter.strokePath(cross, QPen(color, 2.5, Qt::SolidLine, Qt::RoundCap));
        break;
    }
    }
    painter.end();
    return image;
}

} // namespace

std::vector<QPixmap> DrawDigitMarkImages()
{
    std::vector<QPixmap> images;
    for (int digit = 0; digit < DigitMarkCount; ++digit)
        images.push_back(QPixmap::fromImage(DigitMark(digit)));
    return images;
}

std::vector<QPixmap> DrawImageMarkImages()
{
    std::vector<QPixmap> images;
    for (int index = 0; index < ImageMarkCount; ++index)
        images.push_back(QPixmap::fromImage(ImageMark(index)));
    return images;
}

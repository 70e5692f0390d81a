#include "ButtonGlyph.h"

namespace {

constexpr QRgb White = 0xFFFFFF;
constexpr QRgb Silver = 0xC0C0C0;
constexpr QRgb Grey = 0x808080;
constexpr int MaxGlyphs = 5;

} // namespace

QImage DisabledGlyph(const QImage& Glyph, QColor Highlight, QColor Shadow, bool OldStyle)
{
    const QImage source = Glyph.convertToFormat(QImage::Format_ARGB32);
    QImage result(source.width() + 1, source.height() + 1, QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    if (source.isNull())
        return result;
    const QRgb transparent = source.pixel(0, source.height() - 1) & RGB_MASK;
    const auto inShape = [&](int X, int Y) {
        const QRgb pixel = source.pixel(X, Y);
        if (qAlpha(pixel) < 128)
            return false;
        const QRgb rgb = pixel & RGB_MASK;
        if (OldStyle)
            return rgb == 0;
        return rgb != transparent && rgb != White && rgb != Silver;
    };
    for (const auto& [colour, offset] : {std::pair{Highlight.rgb(), 1}, std::pair{Shadow.rgb(), 0}})
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                if (inShape(x, y))
                    result.setPixel(x + offset, y + offset, colour);
    return result;
}

QPixmap DitherPattern(QColor Face, QColor Highlight)
{
    QImage tile(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, (x % 2 == y % 2 ? Highlight : Face).rgb());
    return QPixmap::fromImage(tile);
}

QImage GlyphOfStrip(const QImage& Strip, int NumGlyphs, int Index)
{
    if (Strip.isNull() || NumGlyphs < 1)
        return {};
    const int width = Strip.width() / NumGlyphs;
    QImage glyph = Strip.copy((Index < NumGlyphs ? Index : 0) * width, 0, width, Strip.height())
                       .convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = Strip.pixel(0, Strip.height() - 1) & RGB_MASK;
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x)
            if ((glyph.pixel(x, y) & RGB_MASK) == transparent)
                glyph.setPixel(x, y, 0);
    return glyph;
}

QImage RecolouredDisabledGlyph(const QImage& Glyph, QColor Highlight, QColor Shadow)
{
    QImage result = Glyph.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x) {
            const QRgb pixel = result.pixel(x, y);
            if (qAlpha(pixel) == 0)
                continue;
            if ((pixel & RGB_MASK) == White)
                result.setPixel(x, y, Highlight.rgb());
            else if ((pixel & RGB_MASK) == Grey)
                result.setPixel(x, y, Shadow.rgb());
        }
    return result;
}

int GlyphCountOfStrip(QSize Strip)
{
    if (Strip.height() <= 0 || Strip.width() % Strip.height() != 0)
        return 1;
    const int count = Strip.width() / Strip.height();
    return count >= 1 && count <= MaxGlyphs ? count : 1;
}

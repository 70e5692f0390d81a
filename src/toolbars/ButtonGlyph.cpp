#include "ButtonGlyph.h"

#include "GlyphCache.h"
#include "ToolImageList.h"

#include <algorithm>

namespace {

constexpr QRgb White = 0xFFFFFF;
constexpr QRgb Silver = 0xC0C0C0;
constexpr QRgb Grey = 0x808080;
constexpr int MaxGlyphs = 5;
constexpr int DisabledState = 1;

} // namespace

QImage DisabledGlyph(const QImage& Glyph, QColor Highlight, QColor Shadow, bool OldStyle)
{
    const QImage source = Glyph.convertToFormat(QImage::Format_ARGB32);
    QImage result(source.width() + 1, source.height() + 1, QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    if (source.isNull())
        return result;
    // A picture already transparent at its bottom-left has no colour of
    // its own standing for transparency (black would otherwise drop out).
    const QRgb corner = source.pixel(0, source.height() - 1);
    const bool colourKeyed = qAlpha(corner) >= 128;
    const auto inShape = [&](int X, int Y) {
        const QRgb pixel = source.pixel(X, Y);
        if (qAlpha(pixel) < 128)
            return false;
        const QRgb rgb = pixel & RGB_MASK;
        if (OldStyle)
            return rgb == 0;
        return !(colourKeyed && rgb == (corner & RGB_MASK)) && rgb != White && rgb != Silver;
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

QImage GlyphOfStrip(const QImage& Strip, int NumGlyphs, int Index, const QImage& Mask)
{
    if (Strip.isNull() || NumGlyphs < 1)
        return {};
    const int width = Strip.width() / NumGlyphs;
    const QRect part((Index < NumGlyphs ? Index : 0) * width, 0, width, Strip.height());
    QImage glyph = Strip.copy(part).convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = Strip.pixel(0, Strip.height() - 1) & RGB_MASK;
    const QImage mask = Mask.isNull() ? QImage() : Mask.copy(part).convertToFormat(QImage::Format_RGB32);
    // A mask smaller than the strip is padded with black: nothing past it
    // is masked out.
    const auto outside = [&](int X, int Y) {
        return mask.isNull() ? (glyph.pixel(X, Y) & RGB_MASK) == transparent : qGray(mask.pixel(X, Y)) >= 128;
    };
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x)
            if (outside(x, y))
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

TButtonGlyph::TButtonGlyph()
{
    Index_.fill(-1);
    TGlyphCache::Acquire();
}

TButtonGlyph::~TButtonGlyph()
{
    Invalidate();
    TGlyphCache::Release();
}

void TButtonGlyph::SetGlyph(const QPixmap& Glyph)
{
    Glyph_ = Glyph;
    NumGlyphs_ = GlyphCountOfStrip(Glyph.size());
    Invalidate();
}

void TButtonGlyph::SetGlyphMask(const QPixmap& GlyphMask)
{
    GlyphMask_ = GlyphMask;
    Invalidate();
}

void TButtonGlyph::SetImages(TToolImageList* Images)
{
    Images_ = Images;
    NumGlyphs_ = Images ? 1 : GlyphCountOfStrip(Glyph_.size());
    Invalidate();
}

void TButtonGlyph::SetImageIndex(int ImageIndex)
{
    ImageIndex_ = ImageIndex;
    if (Images_)
        Invalidate();
}

void TButtonGlyph::SetNumGlyphs(int NumGlyphs)
{
    NumGlyphs_ = std::clamp(NumGlyphs, 1, MaxGlyphs);
    Invalidate();
}

void TButtonGlyph::SetOldDisabledStyle(bool OldDisabledStyle)
{
    OldDisabledStyle_ = OldDisabledStyle;
    Invalidate();
}

void TButtonGlyph::Invalidate()
{
    for (size_t state = 0; state < Index_.size(); ++state)
        if (Index_[state] >= 0) {
            (state == DisabledState ? DisabledList_ : List_)->Delete(Index_[state]);
            Index_[state] = -1;
        }
    TGlyphCache& cache = *TGlyphCache::Shared();
    cache.ReturnList(std::exchange(List_, nullptr));
    cache.ReturnList(std::exchange(DisabledList_, nullptr));
}

QImage TButtonGlyph::MakePicture(int State, QColor Highlight, QColor Shadow) const
{
    const QImage glyph = Images_ ? Images_->Image(ImageIndex_).toImage().convertToFormat(QImage::Format_ARGB32)
                                 : GlyphOfStrip(Glyph_.toImage(), NumGlyphs_, State, GlyphMask_.toImage());
    if (glyph.isNull() || State != DisabledState)
        return glyph;
    if (NumGlyphs_ >= 2)
        // A pixel larger like every disabled picture; the copy pads it.
        return RecolouredDisabledGlyph(glyph, Highlight, Shadow).copy(0, 0, glyph.width() + 1, glyph.height() + 1);
    return DisabledGlyph(glyph, Highlight, Shadow, OldDisabledStyle_);
}

QImage TButtonGlyph::Picture(int State, QColor Highlight, QColor Shadow)
{
    const auto state = static_cast<size_t>(State);
    TGlyphList*& list = State == DisabledState ? DisabledList_ : List_;
    if (Index_[state] < 0) {
        const QImage picture = MakePicture(State, Highlight, Shadow);
        if (picture.isNull())
            return {};
        if (list && list->Size() != picture.size()) {
            // A list of another size: the source changed under it.
            Invalidate();
        }
        if (!list)
            list = TGlyphCache::Shared()->GetList(picture.size());
        Index_[state] = list->Add(picture);
    }
    return list->Image(Index_[state]);
}

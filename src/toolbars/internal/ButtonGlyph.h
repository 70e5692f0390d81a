// The pictures a toolbar button draws: its glyph for each state (the glyph
// of a disabled button embossed from the glyph's shape), and the checkered
// fill of a button held down.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <array>

class TGlyphList;
class TToolImageList;

// The disabled look of Glyph, one pixel wider and higher: its shape in
// Highlight one pixel right and down, then in Shadow in place, the rest
// transparent. The shape is every pixel but the transparent colour (the
// bottom-left pixel), transparent pixels, white and silver; with OldStyle
// only the black pixels.
QImage DisabledGlyph(const QImage& Glyph, QColor Highlight, QColor Shadow, bool OldStyle);

// A glyph strip's picture for a button state: Index of the NumGlyphs
// pictures side by side (the first when Index is not below NumGlyphs), its
// transparent colour (the strip's bottom-left pixel) made transparent.
// With a Mask strip, the pixels white in the mask are the transparent ones.
QImage GlyphOfStrip(const QImage& Strip, int NumGlyphs, int Index, const QImage& Mask = {});

// The disabled picture of a strip that has one: white in Highlight and
// mid-grey in Shadow.
QImage RecolouredDisabledGlyph(const QImage& Glyph, QColor Highlight, QColor Shadow);

// How many pictures a strip holds: its width over its height when that is
// whole and at most 5, else 1.
int GlyphCountOfStrip(QSize Strip);

// An 8 x 8 tile of Face with the pixels whose x and y have the same parity
// in Highlight.
QPixmap DitherPattern(QColor Face, QColor Highlight);

// A button's pictures for its five states (up, disabled, down, held down,
// hot), from a glyph strip or an image list, each made on first use and
// kept in the program's shared lists until the source or the colours
// change.
class TButtonGlyph {
public:
    TButtonGlyph();
    ~TButtonGlyph();
    TButtonGlyph(const TButtonGlyph&) = delete;
    TButtonGlyph& operator=(const TButtonGlyph&) = delete;

    const QPixmap& Glyph() const { return Glyph_; }
    // Counts the pictures of the strip into NumGlyphs.
    void SetGlyph(const QPixmap& Glyph);
    // Black where the glyph is, white where it is not; none: the glyph's
    // bottom-left colour is its transparent one.
    const QPixmap& GlyphMask() const { return GlyphMask_; }
    void SetGlyphMask(const QPixmap& GlyphMask);
    TToolImageList* Images() const { return Images_; }
    // With an image list the glyph strip is not drawn and NumGlyphs is 1.
    void SetImages(TToolImageList* Images);
    int ImageIndex() const { return ImageIndex_; }
    void SetImageIndex(int ImageIndex);
    int NumGlyphs() const { return NumGlyphs_; }
    // 1 to 5.
    void SetNumGlyphs(int NumGlyphs);
    // A disabled glyph made from the black pixels only.
    bool OldDisabledStyle() const { return OldDisabledStyle_; }
    void SetOldDisabledStyle(bool OldDisabledStyle);

    // The picture of State (0 to 4), drawn in Highlight and Shadow when
    // disabled; null when there is nothing to draw.
    QImage Picture(int State, QColor Highlight, QColor Shadow);
    // Drops the pictures made: the source or the colours changed.
    void Invalidate();

private:
    QImage MakePicture(int State, QColor Highlight, QColor Shadow) const;

    QPixmap Glyph_;
    QPixmap GlyphMask_;
    TToolImageList* Images_ = nullptr;
    int ImageIndex_ = -1;
    int NumGlyphs_ = 1;
    bool OldDisabledStyle_ = false;
    // The disabled picture, a pixel larger, is kept in a list of its own.
    TGlyphList* List_ = nullptr;
    TGlyphList* DisabledList_ = nullptr;
    std::array<int, 5> Index_;
};

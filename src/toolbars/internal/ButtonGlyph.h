// The pictures a toolbar button draws besides its glyph: the glyph of a
// disabled button, embossed from the glyph's shape, and the checkered fill
// of a button held down.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>

// The disabled look of Glyph, one pixel wider and higher: its shape in
// Highlight one pixel right and down, then in Shadow in place, the rest
// transparent. The shape is every pixel but the transparent colour (the
// bottom-left pixel), transparent pixels, white and silver; with OldStyle
// only the black pixels.
QImage DisabledGlyph(const QImage& Glyph, QColor Highlight, QColor Shadow, bool OldStyle);

// A glyph strip's picture for a button state: Index of the NumGlyphs
// pictures side by side (the first when Index is not below NumGlyphs), its
// transparent colour (the strip's bottom-left pixel) made transparent.
QImage GlyphOfStrip(const QImage& Strip, int NumGlyphs, int Index);

// The disabled picture of a strip that has one: white in Highlight and
// mid-grey in Shadow.
QImage RecolouredDisabledGlyph(const QImage& Glyph, QColor Highlight, QColor Shadow);

// How many pictures a strip holds: its width over its height when that is
// whole and at most 5, else 1.
int GlyphCountOfStrip(QSize Strip);

// An 8 x 8 tile of Face with the pixels whose x and y have the same parity
// in Highlight.
QPixmap DitherPattern(QColor Face, QColor Highlight);

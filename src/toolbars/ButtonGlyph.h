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

// An 8 x 8 tile of Face with the pixels whose x and y have the same parity
// in Highlight.
QPixmap DitherPattern(QColor Face, QColor Highlight);

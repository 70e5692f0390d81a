// Our colours on Qt's terms. System colours (0x80000000 | index) are
// resolved here, and only here, through the palette's roles.
#pragma once

#include "Graphics.h"

#include <QColor>
#include <QPalette>

// The colour to paint with for Color.
// - A plain colour is 0x00BBGGRR; the high byte is ignored.
// - A system colour takes the colour of its palette role; an index the
//   system does not know gives black, as the system does.
// - clNone and clDefault carry no colour of their own: they stand for a
//   default that only the caller knows (a control's Color behind text, its
//   Font.Color for text). They give Default, resolved the same way; when
//   Default is none too, the result is transparent.
QColor ColorToQColor(TColor Color, TColor Default, const QPalette& Palette);
// The same with the application's palette.
QColor ColorToQColor(TColor Color, TColor Default = clNone);

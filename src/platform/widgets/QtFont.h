// Our fonts on Qt's terms.
#pragma once

#include "Graphics.h"

#include <QFont>

// The Qt font for Font.
// - The family is the name as the program stores it (Shift-JIS, like every
//   setting value). The Windows faces the program names ("FixedSys",
//   "ＭＳ ゴシック", ...) are not on Linux; Qt substitutes the installed
//   Japanese faces for them, IPAGothic last of all.
// - The size comes from Height: a negative Height is the character height
//   in pixels, a positive one the cell height (character plus internal
//   leading); 0 keeps the default size.
// - The colour is not part of a QFont: paint with ColorToQColor.
QFont FontToQFont(const TFont& Font);

// The bold, italic, underline and strike-out of a Qt font as styles, and
// back.
TFontStyles QFontStyles(const QFont& Font);
void SetQFontStyles(QFont& Font, TFontStyles Styles);

// The drawing the docks and tool windows do in their frames: raised edges
// in the system's button colours, the close glyph of a small caption, and a
// caption with its text cut to fit.
#pragma once

#include "Graphics.h"

#include <QColor>
#include <QRect>
#include <QString>

class QFontMetrics;
class QPainter;
class QPalette;

// A colour of the palette, a system colour (clBtnFace...) included.
QColor SysColor(TColor Color, const QPalette& Palette);

// Raised edges: the inner one a pixel of highlight on the top and left
// and of shadow on the bottom and right; the full one an outer pixel of 3-D
// light and dark shadow around that; the sunken one shadow on the top and
// left and highlight on the bottom and right, the full sunken one a dark
// shadow and 3-D light ring inside that. FillMiddle fills the inside with
// the button face.
enum class TEdge { RaisedInner, Raised, SunkenOuter, Sunken };
enum class TEdgeFill { EdgeOnly, FillMiddle };
void DrawEdge(QPainter& Painter, const QRect& Rect, TEdge Edge, TEdgeFill Fill, const QPalette& Palette);

// The close button of a caption: a raised face (sunken when Pushed) with
// an X.
void DrawCloseButton(QPainter& Painter, const QRect& Rect, bool Pushed, const QPalette& Palette);

// Text cut, when wider than Width, by removing characters before an
// appended "..." until it fits or is shorter than 5 characters.
QString ElideCaptionText(const QString& Text, const QFontMetrics& Metrics, int Width);

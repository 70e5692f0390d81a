// Draws a row's paint plan on a canvas: the cells' backgrounds first, then
// the text on the cell grid in each run's colour and style, so that an
// italic glyph overhanging its cells is never covered by the next run.
#pragma once

#include "edPaintPlan.h"

#include <QRect>
#include <string_view>

class TCanvas;

struct TRowGeometry {
    int X = 0;      // the x of column 0 of the display text
    int Y = 0;      // the row's top
    int Height = 0; // the height of the row's cells
    int ColWidth = 1;
    QRect Clip;                  // nothing is drawn outside it
    TColor Background = clWhite; // the row's fill, behind transparent runs
    // The clip shows Background already: runs in it need no fill.
    bool BackgroundFilled = false;
};

void DrawRowPlan(TCanvas& Canvas, const TRowPlan& Plan, std::string_view Text, const TRowGeometry& Geometry);

// Draws Text on the cell grid from (X, Y) in the canvas's font with Style
// and Color, inside Clip. An underline is dotted (Color over BkColor) along
// the cells' last pixel row.
void DrawCellText(TCanvas& Canvas, int X, int Y, std::string_view Text, int ColWidth, TColor Color, TColor BkColor,
                  TFontStyles Style, const QRect& Clip);

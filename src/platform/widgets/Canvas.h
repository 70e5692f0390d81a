// A drawing surface in the program's terms: colours are TColor values and
// coordinates are device pixels of the QPainter's target.
#pragma once

#include "Graphics.h"

#include <QPalette>

class QImage;
class QPainter;
class QRect;

class TCanvas {
public:
    // Draws through Painter, which must outlive the canvas. System colours
    // are resolved with Palette (the widget's own, when painting a widget).
    explicit TCanvas(QPainter& Painter);
    TCanvas(QPainter& Painter, const QPalette& Palette);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    QPainter& Painter() const { return Painter_; }
    const QPalette& Palette() const { return Palette_; }

    // The colour of lines; clNone draws nothing.
    TColor PenColor() const { return PenColor_; }
    void SetPenColor(TColor Value);
    // The colour of fills; clNone fills nothing.
    TColor BrushColor() const { return BrushColor_; }
    void SetBrushColor(TColor Value);

    // Fills Rect with the brush colour.
    void FillRect(const QRect& Rect);
    // Copies the Source part of Image with its top left corner at (X, Y),
    // one image pixel to one target pixel.
    void Draw(int X, int Y, const QImage& Image, const QRect& Source);

private:
    QPainter& Painter_;
    QPalette Palette_;
    TColor PenColor_ = clBlack;
    TColor BrushColor_ = clWhite;
};

#include "Canvas.h"

#include "QtColor.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cstdint>

TCanvas::TCanvas(QPainter& Painter) : TCanvas(Painter, QGuiApplication::palette()) {}

TCanvas::TCanvas(QPainter& Painter, const QPalette& Palette) : Painter_(Painter), Palette_(Palette)
{
    SetPenColor(PenColor_);
}

void TCanvas::SetPenColor(TColor Value)
{
    PenColor_ = Value;
    Painter_.setPen(ColorToQColor(Value, clNone, Palette_));
}

void TCanvas::SetBrushColor(TColor Value) { BrushColor_ = Value; }

void TCanvas::FillRect(const QRect& Rect) { Painter_.fillRect(Rect, ColorToQColor(BrushColor_, clNone, Palette_)); }

void TCanvas::Draw(int X, int Y, const QImage& Image, const QRect& Source)
{
    // Only the part whose target lies within the coordinate range can
    // show; keeping to it keeps the target rectangle's arithmetic exact.
    const auto fits = [](int Origin, int Length) {
        return static_cast<int>(std::min<int64_t>(Length, int64_t{INT_MAX} - Origin));
    };
    const int width = fits(X, Source.width());
    const int height = fits(Y, Source.height());
    if (width <= 0 || height <= 0)
        return;
    Painter_.drawImage(QRect(X, Y, width, height), Image, QRect(Source.topLeft(), QSize(width, height)));
}

// Dotted horizontal lines for painting (the dotted underline of a row).
// Each colour pair's line is drawn once into a one-pixel-high image as wide
// as the whole desktop, and each use copies the part it needs.
#pragma once

#include "Collection.h"
#include "Graphics.h"

#include <QImage>

class TCanvas;

class TDotLineItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    TColor Color() const { return Color_; }
    TColor BkColor() const { return BkColor_; }
    const QImage& Bitmap() const { return Bitmap_; }

    // Draws the line Width pixels long: BkColor throughout, and every
    // other pixel Color, starting with the first.
    void DrawLine(TColor Color, TColor BkColor, int Width);

    // From another TDotLineItem: its line and both colours.
    void Assign(const TPersistent* Source) override;

private:
    TColor Color_ = clNone;
    TColor BkColor_ = clNone;
    QImage Bitmap_;
};

class TDotLineCollection : public TCollection {
public:
    TDotLineCollection();

    TDotLineItem* Items(int Index) const { return ItemsAs<TDotLineItem>(Index); }

    // The line for (Color, BkColor): the first item in index order with
    // both colours equal, else a new item drawn as wide as the desktop.
    const QImage& DotLine(TColor Color, TColor BkColor);
};

// Draws a dotted line one pixel high at Y from X1 to X2 inclusive: the
// first X2 - X1 + 1 pixels of the cached line for (Color, BkColor), no more
// than the cached line holds.
void DrawDotLine(TCanvas& Canvas, int X1, int Y, TColor BkColor, TColor Color, int X2);

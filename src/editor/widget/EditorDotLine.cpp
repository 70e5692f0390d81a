#include "EditorDotLine.h"

#include "Canvas.h"
#include "EditorLibrary.h"
#include "QtColor.h"
#include "Screen.h"

#include <algorithm>
#include <cstdint>

void TDotLineItem::DrawLine(TColor Color, TColor BkColor, int Width)
{
    Color_ = Color;
    BkColor_ = BkColor;
    Bitmap_ = QImage(std::max(Width, 0), 1, QImage::Format_ARGB32_Premultiplied);
    if (Bitmap_.isNull())
        return;
    const QRgb dot = qPremultiply(ColorToQColor(Color).rgba());
    const QRgb background = qPremultiply(ColorToQColor(BkColor).rgba());
    auto* pixels = reinterpret_cast<QRgb*>(Bitmap_.scanLine(0));
    for (int x = 0; x < Bitmap_.width(); ++x)
        pixels[x] = x % 2 == 0 ? dot : background;
}

void TDotLineItem::Assign(const TPersistent* Source)
{
    if (auto item = dynamic_cast<const TDotLineItem*>(Source)) {
        Color_ = item->Color_;
        BkColor_ = item->BkColor_;
        Bitmap_ = item->Bitmap_;
        return;
    }
    TCollectionItem::Assign(Source);
}

TDotLineCollection::TDotLineCollection() : TCollection(ItemClassOf<TDotLineItem>()) {}

const QImage& TDotLineCollection::DotLine(TColor Color, TColor BkColor)
{
    for (int i = 0; i < Count(); ++i) {
        const TDotLineItem* item = Items(i);
        if (item->Color() == Color && item->BkColor() == BkColor)
            return item->Bitmap();
    }
    auto* item = static_cast<TDotLineItem*>(Add());
    item->DrawLine(Color, BkColor, Screen().DesktopWidth());
    return item->Bitmap();
}

void DrawDotLine(TCanvas& Canvas, int X1, int Y, TColor BkColor, TColor Color, int X2)
{
    const QImage& line = DotLineCollection().DotLine(Color, BkColor);
    const int64_t span = static_cast<int64_t>(X2) - X1 + 1;
    const int count = static_cast<int>(std::min<int64_t>(span, line.width()));
    if (count <= 0)
        return;
    Canvas.Draw(X1, Y, line, QRect(0, 0, count, 1));
}

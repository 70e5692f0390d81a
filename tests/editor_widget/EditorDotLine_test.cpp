// The editor library's dotted lines: drawn, cut, and their items.
#include "Canvas.h"
#include "EditorDotLine.h"
#include "EditorLibrary.h"
#include "QtColor.h"
#include "SysUtils.h"

#include <QImage>
#include <QPainter>
#include <climits>
#include <gtest/gtest.h>

namespace {

const QColor Paper(0x11, 0x22, 0x33);

QImage Paint(int Width, int Height, const std::function<void(TCanvas&)>& Draw)
{
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Paper);
    QPainter painter(&image);
    TCanvas canvas(painter);
    Draw(canvas);
    return image;
}

TEST(DrawDotLine, AlternatesFromX1ToX2InclusiveAndAReversedSpanDrawsNothing)
{
    const QImage image = Paint(32, 3, [](TCanvas& canvas) {
        DrawDotLine(canvas, 5, 1, clYellow, clNavy, 14);
        DrawDotLine(canvas, 20, 1, clWhite, clRed, 20);
        DrawDotLine(canvas, 26, 1, clWhite, clRed, 25);
    });
    for (int x = 0; x < 32; ++x) {
        QColor expected = Paper;
        if (x >= 5 && x <= 14)
            expected = (x - 5) % 2 == 0 ? QColor(0, 0, 0x80) : QColor(255, 255, 0);
        if (x == 20)
            expected = QColor(255, 0, 0);
        EXPECT_EQ(image.pixelColor(x, 1), expected) << x;
        EXPECT_EQ(image.pixelColor(x, 0), Paper);
        EXPECT_EQ(image.pixelColor(x, 2), Paper);
    }
    // System colours are resolved with the application palette.
    const QImage system = Paint(4, 1, [](TCanvas& canvas) { DrawDotLine(canvas, 0, 0, clWindow, clWindowText, 1); });
    EXPECT_EQ(system.pixelColor(0, 0), ColorToQColor(clWindowText));
    EXPECT_EQ(system.pixelColor(1, 0), ColorToQColor(clWindow));
}

TEST(DrawDotLine, SpansBeyondTheCachedLineOrAtExtremeCoordinatesAreCut)
{
    const int cached = DotLineCollection().DotLine(clPurple, clAqua).width();
    const QImage wide =
        Paint(cached + 50, 1, [&](TCanvas& canvas) { DrawDotLine(canvas, 0, 0, clAqua, clPurple, cached + 40); });
    EXPECT_NE(wide.pixelColor(cached - 1, 0), Paper);
    for (int x = cached; x < cached + 50; ++x)
        EXPECT_EQ(wide.pixelColor(x, 0), Paper) << x;

    const QImage image = Paint(8, 2, [](TCanvas& canvas) {
        DrawDotLine(canvas, INT_MIN, 0, clWhite, clBlack, INT_MAX);
        DrawDotLine(canvas, INT_MAX, 0, clWhite, clBlack, INT_MIN);
        DrawDotLine(canvas, -3, 1, clWhite, clBlack, 2);
        DrawDotLine(canvas, 6, 1, clWhite, clBlack, 100);
    });
    // Off the left edge the pattern keeps its phase: -3 is a dot, so 1 is.
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(2, 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(6, 1), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(7, 1), QColor(Qt::white));
}

TEST(DotLineItem, AssignCopiesOnlyAnotherLineAndNoColourIsTransparent)
{
    TDotLineCollection collection;
    auto* source = static_cast<TDotLineItem*>(collection.Add());
    source->DrawLine(clRed, clNone, 9);
    EXPECT_EQ(source->Bitmap().pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(qAlpha(source->Bitmap().pixel(1, 0)), 0);
    auto* copy = static_cast<TDotLineItem*>(collection.Add());
    copy->Assign(source);
    EXPECT_EQ(copy->Bitmap(), source->Bitmap());
    TDotLineCollection other;
    EXPECT_THROW(copy->Assign(&other), EConvertError);
}

} // namespace

// Dotted lines: the pattern, the span, the cache and its bounds.
#include "Canvas.h"
#include "QtColor.h"
#include "Screen.h"
#include "SysUtils.h"
#include "edDotLine.h"
#include "edLibrary.h"

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

TEST(DrawDotLine, AlternatesFromX1ToX2Inclusive)
{
    const QImage image = Paint(32, 3, [](TCanvas& canvas) { DrawDotLine(canvas, 5, 1, clYellow, clNavy, 14); });
    for (int x = 5; x <= 14; ++x)
        EXPECT_EQ(image.pixelColor(x, 1), (x - 5) % 2 == 0 ? QColor(0, 0, 0x80) : QColor(255, 255, 0)) << x;
    EXPECT_EQ(image.pixelColor(4, 1), Paper);
    EXPECT_EQ(image.pixelColor(15, 1), Paper);
    for (int x = 0; x < 32; ++x) {
        EXPECT_EQ(image.pixelColor(x, 0), Paper);
        EXPECT_EQ(image.pixelColor(x, 2), Paper);
    }
}

TEST(DrawDotLine, AOnePixelSpanIsOneDotAndAReversedSpanNothing)
{
    const QImage image = Paint(8, 1, [](TCanvas& canvas) {
        DrawDotLine(canvas, 3, 0, clWhite, clRed, 3);
        DrawDotLine(canvas, 6, 0, clWhite, clRed, 5);
    });
    EXPECT_EQ(image.pixelColor(3, 0), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(4, 0), Paper);
    EXPECT_EQ(image.pixelColor(5, 0), Paper);
    EXPECT_EQ(image.pixelColor(6, 0), Paper);
}

TEST(DrawDotLine, SystemColoursAreResolvedWithTheApplicationPalette)
{
    const QImage image = Paint(4, 1, [](TCanvas& canvas) { DrawDotLine(canvas, 0, 0, clWindow, clWindowText, 1); });
    EXPECT_EQ(image.pixelColor(0, 0), ColorToQColor(clWindowText));
    EXPECT_EQ(image.pixelColor(1, 0), ColorToQColor(clWindow));
}

TEST(TDotLineCollection, OneItemPerColourPair)
{
    TDotLineCollection& cache = DotLineCollection();
    const auto draw = [](TColor Bk, TColor Color) {
        Paint(16, 1, [&](TCanvas& canvas) { DrawDotLine(canvas, 0, 0, Bk, Color, 15); });
    };
    draw(clSilver, clMaroon);
    const int count = cache.Count();
    draw(clSilver, clMaroon);
    EXPECT_EQ(cache.Count(), count);
    // The pair is ordered: swapped colours are another line.
    draw(clMaroon, clSilver);
    EXPECT_EQ(cache.Count(), count + 1);
    draw(clSilver, clTeal);
    EXPECT_EQ(cache.Count(), count + 2);
    draw(clMaroon, clSilver);
    EXPECT_EQ(cache.Count(), count + 2);

    int matches = 0;
    for (int i = 0; i < cache.Count(); ++i)
        matches += cache.Items(i)->Color() == clMaroon && cache.Items(i)->BkColor() == clSilver;
    EXPECT_EQ(matches, 1);
}

TEST(TDotLineCollection, LinesSpanTheWholeDesktop)
{
    const QImage& line = DotLineCollection().DotLine(clGreen, clOlive);
    EXPECT_EQ(line.height(), 1);
    EXPECT_EQ(line.width(), Screen().DesktopWidth());
}

TEST(DrawDotLine, ASpanWiderThanTheCachedLineIsCut)
{
    const int cached = DotLineCollection().DotLine(clPurple, clAqua).width();
    ASSERT_GT(cached, 0);
    const QImage image = Paint(cached + 50, 1, [&](TCanvas& canvas) {
        DrawDotLine(canvas, 0, 0, clAqua, clPurple, cached + 40);
    });
    EXPECT_NE(image.pixelColor(cached - 1, 0), Paper);
    for (int x = cached; x < cached + 50; ++x)
        EXPECT_EQ(image.pixelColor(x, 0), Paper) << x;
}

TEST(DrawDotLine, ExtremeCoordinatesAreHarmless)
{
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

TEST(TDotLineItem, AssignCopiesTheLineAndBothColours)
{
    TDotLineCollection collection;
    auto* source = static_cast<TDotLineItem*>(collection.Add());
    source->DrawLine(clRed, clBlue, 9);
    auto* copy = static_cast<TDotLineItem*>(collection.Add());
    copy->Assign(source);
    EXPECT_EQ(copy->Color(), clRed);
    EXPECT_EQ(copy->BkColor(), clBlue);
    EXPECT_EQ(copy->Bitmap(), source->Bitmap());
    EXPECT_EQ(copy->Bitmap().width(), 9);

    TDotLineCollection other;
    EXPECT_THROW(copy->Assign(&other), EConvertError);
}

TEST(TDotLineItem, NoColourLeavesThosePixelsTransparent)
{
    TDotLineCollection collection;
    auto* item = static_cast<TDotLineItem*>(collection.Add());
    item->DrawLine(clRed, clNone, 4);
    EXPECT_EQ(item->Bitmap().pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(qAlpha(item->Bitmap().pixel(1, 0)), 0);
}

} // namespace

// Colours, fonts and the canvas on Qt's terms.
#include "Canvas.h"
#include "QtColor.h"
#include "QtFont.h"
#include "SjisLiteral.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(ColorToQColor, PlainColoursAreBlueGreenRedFromTheHighByteDown)
{
    EXPECT_EQ(ColorToQColor(RGB(0x12, 0x34, 0x56)), QColor(0x12, 0x34, 0x56));
    // The high byte of a plain colour carries no colour.
    EXPECT_EQ(ColorToQColor(0x02563412), QColor(0x12, 0x34, 0x56));
}

QFont Converted(const char* NameUtf8, int Height, TFontStyles Style = {})
{
    TFont font;
    font.SetName(Sjis(NameUtf8));
    font.SetHeight(Height);
    font.SetStyle(Style);
    return FontToQFont(font);
}

TEST(FontToQFont, KeepsTheStoredNameAndMapsWindowsFacesToIpaGothic)
{
    for (const char* face : {"FixedSys", "fixedsys", "ＭＳ ゴシック", "MS Gothic"}) {
        const QFont font = Converted(face, -12);
        EXPECT_EQ(font.family(), QString::fromUtf8(face));
        EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAGothic")) << face;
    }
    EXPECT_EQ(QFontInfo(Converted("ＭＳ Ｐゴシック", -13)).family(), QStringLiteral("IPAPGothic"));
    const QString mincho = QFontInfo(Converted("ＭＳ 明朝", -13)).family();
    EXPECT_TRUE(mincho == QStringLiteral("IPAMincho") || mincho == QStringLiteral("IPAGothic")) << mincho.toStdString();
}

TEST(FontToQFont, SizeComesFromTheHeightAndStylesCarryOver)
{
    EXPECT_EQ(Converted("FixedSys", -12).pixelSize(), 12);
    TFont points;
    points.SetSize(12);
    EXPECT_EQ(FontToQFont(points).pixelSize(), 16);
    // A positive height is the whole cell.
    const QFont cell = Converted("FixedSys", 20);
    EXPECT_NEAR(QFontMetrics(cell).height(), 20, 1);
    EXPECT_LT(cell.pixelSize(), 20);
    // No height keeps the default size.
    EXPECT_EQ(Converted("FixedSys", 0).pixelSize(), QFont().pixelSize());
    const QFont styled = Converted("FixedSys", -12, {TFontStyle::fsItalic, TFontStyle::fsStrikeOut});
    EXPECT_TRUE(styled.italic() && styled.strikeOut() && !styled.bold() && !styled.underline());
}

QImage FilledImage(int Width, int Height, QColor Fill)
{
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Fill);
    return image;
}

TEST(TCanvas, DrawCopiesThePartOfAnImagePixelForPixelAndFarCoordinatesAreHarmless)
{
    QImage source = FilledImage(6, 1, Qt::black);
    for (int x = 0; x < 6; ++x)
        source.setPixelColor(x, 0, QColor(x * 40, 0, 0));
    QImage target = FilledImage(10, 3, Qt::white);
    {
        QPainter painter(&target);
        TCanvas canvas(painter);
        canvas.Draw(3, 1, source, QRect(1, 0, 4, 1));
        canvas.Draw(-3, 2, source, source.rect()); // half off the left
        for (const QPoint far : {QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, INT_MAX), QPoint(INT_MAX - 2, 0)})
            canvas.Draw(far.x(), far.y(), source, source.rect());
    }
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(target.pixelColor(3 + x, 1), QColor((x + 1) * 40, 0, 0)) << x;
    EXPECT_EQ(target.pixelColor(0, 2), QColor(120, 0, 0));
    for (const QPoint outside : {QPoint(2, 1), QPoint(7, 1), QPoint(3, 0), QPoint(0, 0), QPoint(3, 2)})
        EXPECT_EQ(target.pixelColor(outside), QColor(Qt::white)) << outside.x() << ',' << outside.y();
}

} // namespace

// Fonts as Qt shows them: the stored face name with its Windows faces
// mapped, the size from the height, and the styles.
#include "QtFont.h"
#include "SjisLiteral.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

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

} // namespace

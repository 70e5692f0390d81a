#include "QtFont.h"

#include "Cp932.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

struct TFaceSubstitution {
    const char* Face; // UTF-8
    QStringList Substitutes;
};

// Registers, once per process, the installed faces that stand in for the
// Windows faces the program's settings and forms name. Every list ends in
// IPAGothic, the Japanese face the program is installed with.
void InstallFaceSubstitutions()
{
    static const bool installed = [] {
        const QString gothic = QStringLiteral("IPAGothic");
        const QString pgothic = QStringLiteral("IPAPGothic");
        const QString mincho = QStringLiteral("IPAMincho");
        const QString pmincho = QStringLiteral("IPAPMincho");
        const TFaceSubstitution substitutions[] = {
            {"FixedSys", {gothic}},
            {"ＭＳ ゴシック", {gothic}},
            {"MS Gothic", {gothic}},
            {"ＭＳ Ｐゴシック", {pgothic, gothic}},
            {"MS PGothic", {pgothic, gothic}},
            {"MS UI Gothic", {pgothic, gothic}},
            {"ＭＳ 明朝", {mincho, gothic}},
            {"MS Mincho", {mincho, gothic}},
            {"ＭＳ Ｐ明朝", {pmincho, mincho, gothic}},
            {"MS PMincho", {pmincho, mincho, gothic}},
        };
        for (const TFaceSubstitution& s : substitutions)
            QFont::insertSubstitutions(QString::fromUtf8(s.Face), s.Substitutes);
        return true;
    }();
    (void)installed;
}

// The pixel size whose cell height (ascent + descent) comes nearest to
// CellHeight in Font's face.
int PixelSizeForCellHeight(QFont Font, int CellHeight)
{
    Font.setPixelSize(CellHeight);
    const int measured = QFontMetrics(Font).height();
    if (measured <= 0)
        return CellHeight;
    const long long scaled = std::llround(static_cast<double>(CellHeight) * CellHeight / measured);
    return static_cast<int>(std::max(1LL, scaled));
}

} // namespace

QFont FontToQFont(const TFont& Font)
{
    InstallFaceSubstitutions();
    QFont font;
    if (!Font.Name().empty())
        font.setFamily(QString::fromStdU16String(SjisToUtf16(Font.Name())));
    SetQFontStyles(font, Font.Style());
    const int height = Font.Height();
    if (height < 0)
        font.setPixelSize(std::abs(height));
    else if (height > 0)
        font.setPixelSize(PixelSizeForCellHeight(font, height));
    return font;
}

TFontStyles QFontStyles(const QFont& Font)
{
    TFontStyles styles;
    if (Font.bold())
        styles.Include(TFontStyle::fsBold);
    if (Font.italic())
        styles.Include(TFontStyle::fsItalic);
    if (Font.underline())
        styles.Include(TFontStyle::fsUnderline);
    if (Font.strikeOut())
        styles.Include(TFontStyle::fsStrikeOut);
    return styles;
}

void SetQFontStyles(QFont& Font, TFontStyles Styles)
{
    Font.setBold(Styles.Contains(TFontStyle::fsBold));
    Font.setItalic(Styles.Contains(TFontStyle::fsItalic));
    Font.setUnderline(Styles.Contains(TFontStyle::fsUnderline));
    Font.setStrikeOut(Styles.Contains(TFontStyle::fsStrikeOut));
}

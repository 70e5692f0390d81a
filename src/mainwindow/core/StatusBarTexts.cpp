#include "StatusBarTexts.h"

#include "SysUtils.h"

#include <QLocale>
#include <QString>

std::string PagePositionText(int AbsoluteIndex, int Count)
{
    return Format(" [%d/%d]", AbsoluteIndex < 0 ? 0 : AbsoluteIndex + 1, Count);
}

namespace {

bool IsBlank(QChar C) { return C.isSpace() || C == QChar(0x00A0) || C == QChar(0x202F); }

} // namespace

std::string FormatSizeText(double Value, const QLocale& Locale)
{
    // The locale decides where the sign goes and what stands between sign
    // and number; a placeholder sign that no locale uses marks the spot.
    const QChar mark(0xE000);
    QString text = Locale.toCurrencyString(Value, QString(mark));
    const qsizetype at = text.indexOf(mark);
    if (at >= 0) {
        qsizetype from = at;
        qsizetype to = at + 1;
        while (from > 0 && IsBlank(text[from - 1]))
            --from;
        while (to < text.size() && IsBlank(text[to]))
            ++to;
        text.remove(from, to - from);
    }
    return text.trimmed().toStdString();
}

std::string FormatSizeText(double Value) { return FormatSizeText(Value, QLocale::system()); }

std::string SizePanelText(int64_t Length) { return "Size = " + FormatSizeText(static_cast<double>(Length)); }

std::string InsertModeText(bool OverWrite) { return OverWrite ? "上 書" : "挿 入"; }

std::string CaretPanelText(int Col, int Row, bool OneBased)
{
    const int base = OneBased ? 1 : 0;
    return Format("%3d : %d", Col + base, Row + base);
}

std::string BoxSelectionText(bool BoxMode) { return BoxMode ? "［矩形選択］" : ""; }

std::string WidestPanelText(int Panel)
{
    constexpr int eightDigits = 99999999;
    switch (Panel) {
    case 0: return PagePositionText(eightDigits - 1, eightDigits);
    case 2: return SizePanelText(999999999);
    case 3: return InsertModeText(false);
    case 4: return CaretPanelText(9999, eightDigits, false);
    case 5: return BoxSelectionText(true);
    default: return {};
    }
}

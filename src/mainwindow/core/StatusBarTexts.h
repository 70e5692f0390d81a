// The texts and widths of the status bar's six panels: page position, page
// title, text size, insert or overwrite, caret position, box selection.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class QLocale;

// The panels' widths at the least; wider where their texts need it.
inline constexpr std::array<int, 6> StatusPanelWidths{90, 350, 120, 40, 80, 100};

// Panel 0: " [3/10]" for the third of ten items (AbsoluteIndex 2); " [0/10]"
// when no node is selected (AbsoluteIndex < 0).
std::string PagePositionText(int AbsoluteIndex, int Count);

// Value with the locale's thousands separators and currency decimals but
// without its currency sign, wherever the locale puts the sign and whatever
// its length, and without the blank that parts sign and number.
// "1,234,567" for 1234567 under ja_JP. UTF-8.
std::string FormatSizeText(double Value, const QLocale& Locale);
// The same under the system's locale.
std::string FormatSizeText(double Value);

// Panel 2: "Size = " + FormatSizeText(Length) under the system's locale.
std::string SizePanelText(int64_t Length);

// Panel 3: "挿 入" or "上 書". UTF-8.
std::string InsertModeText(bool OverWrite);

// Panel 4: the column as "%3d", " : ", the row. Col and Row count from 0;
// OneBased ([Col_Row] Mode) shows both counted from 1.
std::string CaretPanelText(int Col, int Row, bool OneBased);

// Panel 5: "［矩形選択］" in box-selection mode, else empty. UTF-8.
std::string BoxSelectionText(bool BoxMode);

// The longest text a panel shows, which its width must hold: page counts
// and caret rows of 8 digits, sizes of 9. Empty for the title (panel 1),
// whose width follows the bar's.
std::string WidestPanelText(int Panel);

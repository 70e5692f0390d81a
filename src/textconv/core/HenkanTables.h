// The constant tables of the character conversions. Each is built once, at
// its first use, from the UTF-8 literals below.
#pragma once

#include "ByteSet.h"
#include "SjisChar.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace textconv {

// The Japanese texts of the tables as written in the source (UTF-8). Each
// is converted to Shift-JIS once, when its table is built.
namespace literals {
// The full-width forms of the bytes 0x20-0x7E, in byte order. The single
// bytes read as JIS X 0201 Roman: 0x22 and 0x27 are the right quotation
// marks, 0x5C the yen sign, 0x7E the overline.
inline constexpr std::string_view FullWidthAscii = "　！”＃＄％＆’（）＊＋，－．／０１２３４５６７８９：；＜＝＞？"
                                                   "＠ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ［￥］＾＿"
                                                   "｀ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ｛｜｝￣";
// The full-width forms of the half-width bytes 0xA1-0xDF, in byte order.
inline constexpr std::string_view FullWidthHalfKana =
    "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソ"
    "タチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
// The symbol pairs, full-width and half-width in the same order.
inline constexpr std::string_view SymbolsFull =
    "　！”＃＄％＆’（）＝‘｜－＾￥￣｛＠［＋＊｝；：］＜＞？＿、。・，．／ー「」";
inline constexpr std::string_view SymbolsHalf = " !\"#$%&'()=`|-^\\~{@[+*};:]<>?_､｡･,./ｰ｢｣";
// The punctuation AsciiToFullWidthChar converts, half-width and full-width.
inline constexpr std::string_view AsciiPunctuation = " !',.:;?";
inline constexpr std::string_view FullWidthPunctuation = "　！’，．：；？";
// Kana with no half-width form of their own, and the half-width kana (with
// their marks) written for them.
inline constexpr std::string_view IrregularKana = "ヮヰヱヴヵヶ";
inline constexpr std::string_view IrregularKanaHalf = "ﾜｲｴｳﾞｶｹ";
inline constexpr std::string_view KatakanaVu = "ヴ";
inline constexpr std::string_view KanjiDigits = "一二三四五六七八九";
inline constexpr std::string_view KanjiUnits = "十百千万億";

inline constexpr std::array All = {FullWidthAscii,   FullWidthHalfKana,    SymbolsFull,   SymbolsHalf,
                                   AsciiPunctuation, FullWidthPunctuation, IrregularKana, IrregularKanaHalf,
                                   KatakanaVu,       KanjiDigits,          KanjiUnits};
} // namespace literals

// Shift-JIS of a UTF-8 table literal.
std::string TableText(std::string_view Utf8);

constexpr unsigned char kVoicedMark = 0xDE, kSemiVoicedMark = 0xDF;
// ﾊﾋﾌﾍﾎ, the kana that also take the semi-voiced mark.
constexpr bool IsHaRowKana(unsigned char Byte) { return Byte >= 0xCA && Byte <= 0xCE; }

// Per byte value, its full-width form: the byte itself for 0x00-0x1F,
// 0x7F-0xA0 and 0xE0-0xFF.
const std::array<SjisChar, 256>& HalfToFullTable();

// Per half-width kana byte (0xA6-0xAF, 0xB1-0xDD), the column of its
// katakana in JIS row 0x25 in the low 7 bits, and kVoiceable for the kana
// that take a voiced mark (ｶ-ﾄ, ﾊ-ﾎ): column + 1 is the voiced kana and, in
// the ﾊ row, column + 2 the semi-voiced one. 0 for every other byte.
constexpr uint8_t kVoiceable = 0x80;
const std::array<uint8_t, 256>& HalfKanaToJisTable();

// Per JIS column 0x21-0x76 of the kana rows 0x24 and 0x25 (index column -
// 0x21), a value v: the half-width katakana is 0xA6 + v % 56 and v / 56 the
// mark after it (0 none, 1 ﾞ, 2 ﾟ).
constexpr uint8_t kFirstKanaColumn = 0x21, kLastKanaColumn = 0x76;
const std::array<uint8_t, kLastKanaColumn - kFirstKanaColumn + 1>& FullKanaToHalfTable();

// The 39 full-width symbols (two bytes each) and their half-width bytes, at
// the same positions.
constexpr size_t kSymbolPairCount = 39;
struct SymbolPairTable {
    std::string Full;
    std::string Half;
};
const SymbolPairTable& SymbolPairs();

// The width-mode sets over the ASCII range.
inline constexpr ByteSet kDigits = ByteSet::Range('0', '9');
inline constexpr ByteSet kLetters = ByteSet::Range('A', 'Z') + ByteSet::Range('a', 'z');
inline constexpr ByteSet WidthSetLettersPunctuation = kLetters + ByteSet("!',.:;?");
inline constexpr ByteSet WidthSetLettersPunctuationSpace = WidthSetLettersPunctuation + ByteSet(" ");
inline constexpr ByteSet WidthSetAll = WidthSetLettersPunctuationSpace + kDigits;

} // namespace textconv

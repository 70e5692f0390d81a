// The character conversions of Shift-JIS text: half-width and full-width
// forms, katakana and hiragana, ASCII and its full-width forms, blanks.
// Every routine takes a text and returns a new one; characters without a
// counterpart, line breaks and malformed bytes are copied unchanged, except
// that a lone lead byte becomes "?" where what is written after it could
// pair with it (LoneLead.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace textconv {

// Half-width to full-width, whole text: ASCII, the half-width kana (a kana
// with a following ﾞ or ﾟ becomes one voiced or semi-voiced kana where one
// exists) and the half-width symbols.
std::string HalfToFullWidth(std::string_view Text);
// Full-width to half-width, whole text: symbols, kana (hiragana too become
// half-width katakana, voiced kana a kana and ﾞ), digits and letters.
std::string FullToHalfWidth(std::string_view Text);
// The two above, line by line. Neither conversion reaches across a line
// break, so these give the same as converting the whole text.
std::string HalfToFullWidthLines(std::string_view Text);
std::string FullToHalfWidthLines(std::string_view Text);

// One kana as a character code: ァ..ン to ぁ..ん and back; every other code
// (ヴ, ヵ, ヶ among them) comes back unchanged.
uint16_t KatakanaToHiraganaChar(uint16_t Code);
uint16_t HiraganaToKatakanaChar(uint16_t Code);
std::string KatakanaToHiragana(std::string_view Text);
std::string HiraganaToKatakana(std::string_view Text);

// The kana conversions of the chooser: mode 3 katakana to hiragana, mode 4
// hiragana to katakana; any other mode leaves the text unchanged.
constexpr int kToHiragana = 3, kToKatakana = 4;
std::string ConvertKanaRuns(std::string_view Text, int Mode);
// Runs of half-width kana (ｦ and the small kana, ｱ-ﾝ, ﾞ, ﾟ; not ｰ and not
// ｡｢｣､･) to full-width katakana, or to hiragana in mode kToHiragana.
std::string HalfKanaToFullKana(std::string_view Text, int Mode);
// Runs of full-width kana, hiragana included, to half-width katakana; a
// run may also start with ゛ or ゜. The full-width ー stays.
std::string FullKanaToHalfKana(std::string_view Text);

// The width pair of one alphanumeric or punctuation character (space ! ' ,
// . : ; ? digits letters) as character codes; 0 for any other character.
uint16_t AsciiToFullWidthChar(uint16_t Code);
uint16_t FullWidthToAsciiChar(uint16_t Code);
// Alphanumerics and punctuation by mode: 0 letters, digits, punctuation and
// the space; 1 letters and punctuation (a run of them takes in the spaces
// inside it); 2 digits with "," "." ":" (FullWidthToAscii: digits, and "．"
// or "：" before them). Any other mode leaves the text unchanged.
std::string AsciiToFullWidth(std::string_view Text, int Mode);
std::string FullWidthToAscii(std::string_view Text, int Mode);

// Each pair of adjacent half-width spaces to "　", from the left; a space
// left over from an odd run stays.
std::string SpacePairsToFullWidthSpace(std::string_view Text);
// Each "　" to two half-width spaces.
std::string FullWidthSpaceToSpacePairs(std::string_view Text);

} // namespace textconv

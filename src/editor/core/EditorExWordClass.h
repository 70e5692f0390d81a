// The word classes of the extended editor's whole-word find: a hit is a
// whole word when the class changes at both of its ends.
#pragma once

#include <string>
#include <string_view>

// The class of the character at Index (1-based; a trail byte counts as its
// character) of Text:
//   '0' a delimiter, NUL, another byte of 0x80 and above, another
//       double-byte character, or an Index outside the text;
//   '1' another single byte below 0x80 (the hyphen "-" among them);
//   '2' a half-width katakana 0xA1-0xDF other than "､｡･";
//   '3' a full-width digit or letter (0x824F-0x829A);
//   '4' a katakana (0x8340-0x8396);
//   '5' a hiragana (0x829F-0x82F1);
//   '6' a kanji (0x889F and above).
char WordCharClass(std::string_view Text, int Index);

// The double-byte characters that are delimiters ("　、。" and the other
// full-width signs), in Shift-JIS.
const std::string& DoubleByteWordDelimiters();

// Full-width digits to kanji numerals.
#pragma once

#include <string>
#include <string_view>

namespace textconv {

// The kanji digit of one full-width digit "１".."９"; "０" and anything else
// give an empty string.
std::string DigitToKanji(std::string_view Digit);

// A string of full-width digits as a kanji numeral: "１２３" gives 百二十三,
// "１００００" 一万, "１００００１" 十万一. Leading zeros are dropped; a string
// of only "０", or one that is not all full-width digits, comes back
// unchanged. Digits above the ninth place (the 億) stay full-width digits
// in front of it and count 億 with it: "１２３４５６７８９０" gives
// １二億三千四百五十六万七千八百九十, "１０００００００００" gives １０億.
std::string NumberToKanji(std::string_view Digits);

// Every run of full-width digits in a text as a kanji numeral.
std::string NumbersToKanji(std::string_view Text);

} // namespace textconv

// How unlikely a reading of some bytes is as text, in bits: the sum over
// its characters of -log2 of the chance that text holds that character
// there. Both readings of the same bytes are weighed by one model of text
// (what Japanese, Chinese, Korean, Western and other writers put in files,
// and where), so the reading that is the likelier text costs less. Every
// character costs something, so a reading that cuts the bytes into more
// characters pays for each: the UTF-8 of two kanji read as Shift-JIS is
// three characters, one of them split across sequences, which real
// Shift-JIS text seldom is.
#pragma once

#include <cstdint>
#include <string_view>

// Bytes must be well-formed UTF-8.
int64_t Utf8ReadingCost(std::string_view Bytes);
// Bytes read as Shift-JIS, character by character as sjis::CharCursor cuts
// them; a byte or pair with no Unicode form costs the most. Stops counting
// once the cost passes Enough, returning a cost above it.
int64_t SjisReadingCost(std::string_view Bytes, int64_t Enough);

// Characters of patterns and replacements: every character is a 16-bit
// code, a single byte keeping its value and a double-byte Shift-JIS
// character being lead * 256 + trail. Indexes are 0-based byte offsets;
// the positions in errors are 1-based.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace re {

// A range of character codes, both ends included.
struct TCodeRange {
    uint16_t Low;
    uint16_t High;
    friend bool operator==(const TCodeRange&, const TCodeRange&) = default;
};

// The code of the character at Index (which must be below S.size()), and
// Index moved past it. A lead byte that is the last byte of S raises
// ERegExpParser at its own position; a lead byte followed by a byte that
// cannot be a trail byte is a single-byte character, as in page text.
uint16_t GetREChar(std::string_view S, size_t& Index);

// Reads the escape whose backslash stands just before Index and moves
// Index past it: "b" 8, "t" 9, "n" 10, "r" 13, "x" with 1-4 hex digits,
// 1-6 octal digits (at most 65535), any other character itself. Raises
// ERegExpParser on a backslash at the end, "x" without a digit and an
// octal value above 65535.
uint16_t ReadEscape(std::string_view S, size_t& Index);

// The bytes of a code: two when its high byte is a lead byte, else one.
std::string RECharToStr(uint16_t Code);

// S with a backslash before each of the metacharacters ^ ( | ) + * ? . [ ] $ \,
// compared as character codes so that no double-byte character is split.
std::string QuoteMetaChar(std::string_view S);

} // namespace re

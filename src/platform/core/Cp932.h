// Conversion between Shift-JIS (code page 932) and Unicode, used only at
// the edges of the program: painting, Qt captions, clipboard text and file
// names handed to the system. Page text is never round-tripped through it.
#pragma once

#include "Utf8.h"

#include <cstdint>
#include <string>
#include <string_view>

// Decoding never fails: a byte or pair with no Unicode form (a lone lead
// byte, an unassigned pair, the bytes 0x80, 0xA0, 0xFD-0xFF) becomes U+FFFD
// and the rest of the text goes on. Characters are cut as sjis::CharLen does.
std::u16string SjisToUtf16(std::string_view Sjis);
std::string SjisToUtf8(std::string_view Sjis);

// The Unicode character of one character code (sjis::CharCode): U+FFFD when
// the code has none.
char16_t SjisCharToUtf16(uint16_t Code);
// The character code (sjis::CharCode) Shift-JIS writes C as, as encoding
// does; 0 when it has none (and for NUL).
uint16_t SjisCodeOf(char32_t C);

// Encoding gives every character the bytes the C library's CP932 converter
// gives it, one-way mappings included (so where CP932 has two codes for one
// character, the one Windows writes wins); a character with none becomes "?"
// and clears *Lossless. Tag characters (U+E0000-E007F) are dropped, as the
// C library drops them.
std::string Utf16ToSjis(std::u16string_view Text, bool* Lossless = nullptr);
// The same, counting in Unmapped the characters that became "?" (an
// unpaired surrogate is one).
std::string Utf16ToSjis(std::u16string_view Text, int& Unmapped);
std::string Utf8ToSjis(std::string_view Text, bool* Lossless = nullptr);
std::string Utf8ToSjis(std::string_view Text, int& Unmapped);

// Conversion between Shift-JIS (code page 932) and Unicode, used only at
// the edges of the program: painting, Qt captions, clipboard text and file
// names handed to the system. Page text is never round-tripped through it.
#pragma once

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

// Encoding: a character with no CP932 form becomes "?" and clears *Lossless.
// Where CP932 has two codes for one character, the one Windows writes wins.
std::string Utf16ToSjis(std::u16string_view Text, bool* Lossless = nullptr);
std::string Utf8ToSjis(std::string_view Text, bool* Lossless = nullptr);

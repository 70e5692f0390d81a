// Western text in the 8-bit encoding of Windows (Windows-1252, which
// extends Latin-1): letters with accents, curly quotes and dashes among
// ASCII. Shift-JIS reads its bytes as kanji, half-width katakana and lead
// bytes with no trail byte after them.
#pragma once

#include <string>
#include <string_view>

// Bytes look like Western text: every byte is a character of Windows-1252,
// no more than three bytes above 0x7F stand together (Japanese stands in
// long runs of them), and one of them is a small accented letter of
// everyday words or a curly quotation mark beside an ASCII letter ("café",
// "über", "It’s").
bool LooksWestern(std::string_view Bytes);

// Bytes read as Windows-1252, written in UTF-8.
std::string Utf8OfWindows1252(std::string_view Bytes);

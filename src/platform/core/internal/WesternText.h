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
// everyday words or a curly quotation mark that ends a word: after an ASCII
// letter or sign of punctuation, before a byte that is no trail byte
// ("café ", "está.", "Hello,” she").
// Shift-JIS reads such a byte as a lead byte with no trail byte after it,
// which no well-formed Shift-JIS holds.
bool LooksWestern(std::string_view Bytes);

// Bytes read as Windows-1252, written in UTF-8.
std::string Utf8OfWindows1252(std::string_view Bytes);

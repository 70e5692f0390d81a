// EUC-JP and ISO-2022-JP (JIS code): the encodings older programs of this
// system and mail wrote Japanese in. Both hold the characters of JIS X 0208
// as Shift-JIS does, by other arithmetic; EUC-JP with the high bit set,
// ISO-2022-JP in 7 bits between escape sequences.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Bytes are well-formed EUC-JP and hold two kana or more (JIS X 0208 rows
// 4 and 5), which Japanese text is never long without. Other characters
// alone, or one kana, are too easily the half-width katakana of Shift-JIS,
// byte for byte (EUC-JP reads "･ﾃ" as "テ").
bool IsEucJpWithKana(std::string_view Bytes);

// EUC-JP as Shift-JIS, character by character as the C library's "EUC-JP-MS"
// reads it (the one that reads the most of what Shift-JIS holds: NEC and
// IBM characters too); a character Shift-JIS cannot hold, or a code no
// character has, is written "?" and counted in Unmapped.
std::string SjisOfEucJp(std::string_view Bytes, int& Unmapped);

// ISO-2022-JP as EUC-JP: the same characters, in the same order. Nothing
// when Bytes are not ISO-2022-JP: 7-bit text that holds an escape to JIS X
// 0208 (ESC $ B or ESC $ @), whose escapes are all of it (also to JIS X
// 0212, to half-width katakana, back to ASCII and JIS X 0201 Roman), with
// pairs of 0x21-0x7E between escapes to two-byte sets. A line end returns
// to ASCII, as mail readers take it.
std::optional<std::string> EucJpOfIso2022Jp(std::string_view Bytes);

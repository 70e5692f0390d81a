// Which encoding a text file is in. The program writes its text files in
// Shift-JIS; the other programs of this system mostly write UTF-8. Every
// text file the program reads (a text file as a page, hierarchical text,
// the external editor's transfer file) is judged by this one rule, so a
// file the program wrote reads back byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class TTextEncoding { ShiftJis, Utf8 };

// The encoding of Bytes; nothing when they are neither well-formed UTF-8
// nor Shift-JIS whose every character has a Unicode form.
//
// Many bytes read well both ways: Shift-JIS half-width katakana are the
// bytes A1-DF, and a pair of them can be a two-byte UTF-8 character ("ﾃｽ"
// C3 BD reads as "ý"). Such bytes are weighed by what the UTF-8 reading
// yields, in this order:
// - a character of three or four bytes (kana, kanji, punctuation such as
//   "…"): UTF-8;
// - more accented Latin letters standing in words of ASCII letters
//   ("café") than other two-byte characters: UTF-8;
// - a character Shift-JIS has no code for ("ýĶ"): Shift-JIS;
// - anything else ("αβ", "±" read as UTF-8, "ﾎｱ", "ﾂｱ" as Shift-JIS) is
//   Likely: the encoding the file was written in, when the caller knows it.
std::optional<TTextEncoding> TextFileEncoding(std::string_view Bytes, TTextEncoding Likely = TTextEncoding::ShiftJis);

// Bytes in Encoding as Shift-JIS: UTF-8, its byte-order mark dropped, is
// converted with each character Shift-JIS cannot hold written "?" and
// counted in Unmapped; Shift-JIS is kept as it is.
std::string SjisOfText(std::string_view Bytes, TTextEncoding Encoding, int& Unmapped);
// A text file's bytes as Shift-JIS, in the encoding TextFileEncoding finds;
// bytes in neither encoding are kept as they are.
std::string SjisOfTextFile(std::string_view Bytes, int& Unmapped);

// Shift-JIS text written in Encoding.
std::string TextInEncoding(std::string_view Sjis, TTextEncoding Encoding);

// The encoding the programs of this system read and write text in, from
// the character set of the locale (nl_langinfo(CODESET)): Shift-JIS under
// a Shift-JIS locale, UTF-8 under any other. The C locale ("ANSI_X3.4-1968")
// and an unset one count as UTF-8, which is what an editor here writes
// then too; so does a locale in another Japanese encoding (EUC-JP), since
// a file comes back readable only in one of the two.
TTextEncoding EncodingOfCodeset(std::string_view Codeset);
TTextEncoding LocaleTextEncoding();

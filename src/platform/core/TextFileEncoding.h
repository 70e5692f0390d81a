// Which encoding a text file is in. The program writes its text files in
// Shift-JIS; the other programs of this system mostly write UTF-8. Every
// text file the program reads (a text file as a page, hierarchical text,
// the external editor's transfer file) is judged by this one rule, so a
// file the program wrote reads back byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-16 comes only with its byte-order mark, as Windows writes it.
enum class TTextEncoding { ShiftJis, Utf8, Utf16Le, Utf16Be };

// The encoding of Bytes; nothing when they are text in no encoding: they
// hold a NUL outside UTF-16, or are neither well-formed UTF-8 nor
// Shift-JIS whose every character has a Unicode form.
//
// Much text reads well both ways: Shift-JIS half-width katakana are the
// bytes A1-DF, and a pair of them can be a two-byte UTF-8 character ("ﾃｽ"
// C3 BD reads as "ý"); "莉子" in Shift-JIS (E4 BB 8E 71) reads as UTF-8
// "从q". Such bytes are read both ways and weighed by what each reading
// yields: real text is made of the characters its writers use (kana and
// common kanji, Latin letters inside Latin words, the usual signs), so the
// reading with the fewer rare or misplaced characters wins. When the two
// weigh the same ("ý" read as UTF-8, "ﾃｽ" as Shift-JIS), the file is in
// Likely: the encoding it was written in, when the caller knows it.
std::optional<TTextEncoding> TextFileEncoding(std::string_view Bytes, TTextEncoding Likely = TTextEncoding::ShiftJis);

// Bytes in Encoding as Shift-JIS: UTF-8 and UTF-16, the byte-order mark
// dropped, are converted with each character Shift-JIS cannot hold
// written "?" and counted in Unmapped; Shift-JIS is kept as it is.
std::string SjisOfText(std::string_view Bytes, TTextEncoding Encoding, int& Unmapped);
// A text file's contents as Shift-JIS, in the encoding TextFileEncoding
// finds. Raises EFOpenError, naming the file, when it cannot be read or
// holds text in no encoding.
std::string ReadTextFile(const std::string& FileName, int& Unmapped);

// Shift-JIS text written in Encoding (UTF-16 after its byte-order mark).
std::string TextInEncoding(std::string_view Sjis, TTextEncoding Encoding);

// The encoding the programs of this system read and write text in, from
// the character set of the locale (nl_langinfo(CODESET)): Shift-JIS under
// a Shift-JIS locale, UTF-8 under any other. The C locale ("ANSI_X3.4-1968")
// and an unset one count as UTF-8, which is what an editor here writes
// then too; so does a locale in another Japanese encoding (EUC-JP), since
// a file comes back readable only in one of the two.
TTextEncoding EncodingOfCodeset(std::string_view Codeset);
TTextEncoding LocaleTextEncoding();

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

// What a caller knows of a file's encoding: the one it is likely in, or the
// one the program itself wrote it in (another program may have saved over
// it since).
enum class TEncodingKnown { Likely, Written };

// The encoding of Bytes; nothing when they are no text: a known binary
// format (an image, an archive, an executable), or bytes of which many
// are NULs or other control codes. Fewer than 16 NULs and 64 control
// bytes are text, whatever their share.
//
// Bytes that are not well-formed UTF-8 are Shift-JIS, byte for byte: a
// byte or pair with no Unicode form (0x80, 0xA0, 0xFD-0xFF, an unassigned
// pair, a lone lead byte) stays as it is, as the program wrote it.
//
// Much text is well-formed both ways: Shift-JIS half-width katakana are
// the bytes A1-DF, and a pair of them can be a two-byte UTF-8 character
// ("ﾃｽ" C3 BD reads as "ý"); "莉子" in Shift-JIS (E4 BB 8E 71) reads as
// UTF-8 "从q", and UTF-8 "煎茶" as Shift-JIS "辣手幻". Such bytes are read
// both ways, and the reading that is the likelier text wins (ReadingCost.h):
// real text is made of the characters its writers use, in the places they
// use them, and a reading that cuts the bytes into more characters is the
// less likely for each one. Expected is worth a little in that weighing,
// and wins a tie. When Known is Written, the bytes are read in Expected
// whenever they are well-formed in it (Shift-JIS: every character has a
// Unicode form).
std::optional<TTextEncoding> TextFileEncoding(std::string_view Bytes, TTextEncoding Expected = TTextEncoding::ShiftJis,
                                              TEncodingKnown Known = TEncodingKnown::Likely);

// Bytes in Encoding as Shift-JIS: UTF-8 and UTF-16, the byte-order mark
// dropped, are converted with each character Shift-JIS cannot hold
// written "?" and counted in Unmapped; Shift-JIS is kept as it is.
std::string SjisOfText(std::string_view Bytes, TTextEncoding Encoding, int& Unmapped);
// A text file's contents as Shift-JIS, in the encoding TextFileEncoding
// finds. Raises EFOpenError, naming the file, when it cannot be read or
// is no text.
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

// Which encoding a text file is in. The program writes its text files in
// Shift-JIS; the other programs of this system mostly write UTF-8. Every
// text file the program reads (a text file as a page, hierarchical text,
// the external editor's transfer file) is judged by this one rule, so a
// file the program wrote reads back byte for byte.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// UTF-16 comes with its byte-order mark, as Windows writes it, or without
// it when its line ends tell it. EUC-JP and ISO-2022-JP (JIS code) are the
// encodings older programs and mail wrote Japanese in here; the program
// reads them, and writes only the first four.
enum class TTextEncoding { ShiftJis, Utf8, Utf16Le, Utf16Be, EucJp, Iso2022Jp };

// What a caller knows of a file's encoding: the one it is likely in, or the
// one the program itself wrote it in (another program may have saved over
// it since).
enum class TEncodingKnown { Likely, Written };

// What the rule found beyond the encoding: what the user must learn before
// the text is used.
enum class TTextFinding {
    Plain,
    // UTF-8 of which a few bytes are not (a file cut inside its last
    // character, a stray byte of another encoding): read as UTF-8.
    UnreadableBytes,
    // UTF-16 without its byte-order mark.
    NoByteOrderMark,
    // Text in neither encoding, which Shift-JIS holds only byte for byte
    // and as other characters: Western text (Windows-1252, Latin-1), or
    // Shift-JIS lines and UTF-8 lines in one file.
    Western,
    MixedLines,
    // No text: a binary format, or a UTF-16 byte-order mark before bytes
    // that are no UTF-16.
    Binary,
    BrokenUtf16,
};

struct TTextJudgement {
    // The encoding the bytes are read in; nothing when they are no text.
    std::optional<TTextEncoding> Encoding{};
    TTextFinding Finding = TTextFinding::Plain;
    // Binary: what the file is ("GIF 画像"), in UTF-8.
    std::string_view What{};
    // UnreadableBytes: how many bytes could not be read.
    size_t Unreadable = 0;
    // UnreadableBytes, MixedLines: the line (from 1) of the first byte that
    // could not be read, of the first UTF-8 line.
    size_t Line = 0;
};

// What Bytes are, as every text file is judged.
//
// No text: a known binary format (an image, an archive, an executable),
// told by the mark it starts with and a NUL or control code that text does
// not hold after it ("GIF89a の仕様メモ" is text); or bytes of which many
// are NULs or other control codes. Fewer than 16 NULs and 64 control bytes
// are text, whatever their share.
//
// Bytes that are not well-formed UTF-8 are Shift-JIS, byte for byte: a
// byte or pair with no Unicode form (0x80, 0xA0, 0xFD-0xFF, an unassigned
// pair, a lone lead byte) stays as it is, as the program wrote it. Unless
// the evidence says otherwise: well-formed UTF-8 with many multi-byte
// characters but for a few bytes, far likelier as UTF-8; well-formed EUC-JP
// likelier as EUC-JP; 7-bit text switched into JIS X 0208 by escapes
// (ISO-2022-JP); Western text in Windows-1252 or Latin-1, likelier so; or
// lines of UTF-8 far likelier as such among lines of Shift-JIS.
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
TTextJudgement JudgeTextFile(std::string_view Bytes, TTextEncoding Expected = TTextEncoding::ShiftJis,
                             TEncodingKnown Known = TEncodingKnown::Likely);
// The encoding JudgeTextFile finds; nothing when the bytes are no text.
std::optional<TTextEncoding> TextFileEncoding(std::string_view Bytes, TTextEncoding Expected = TTextEncoding::ShiftJis,
                                              TEncodingKnown Known = TEncodingKnown::Likely);

// Bytes in Encoding as Shift-JIS: UTF-8 and UTF-16, the byte-order mark
// dropped, have their marks written apart joined to their letters (か and
// U+3099 are が, as Macs write it) and are converted with each character
// Shift-JIS cannot hold written "?" and counted in Unmapped, each byte that
// is no UTF-8 written "〓"; EUC-JP and ISO-2022-JP are converted by the C
// library's tables; Shift-JIS is kept as it is.
std::string SjisOfText(std::string_view Bytes, TTextEncoding Encoding, int& Unmapped);

// Shift-JIS text written in Encoding (UTF-16 after its byte-order mark).
// Encoding is one the program writes: Shift-JIS, UTF-8 or UTF-16.
std::string TextInEncoding(std::string_view Sjis, TTextEncoding Encoding);

// The encoding the programs of this system read and write text in, from
// the character set of the locale (nl_langinfo(CODESET)): Shift-JIS under
// a Shift-JIS locale, UTF-8 under any other. The C locale ("ANSI_X3.4-1968")
// and an unset one count as UTF-8, which is what an editor here writes
// then too; so does a locale in another Japanese encoding (EUC-JP), whose
// files still come back (JudgeTextFile tells EUC-JP).
TTextEncoding EncodingOfCodeset(std::string_view Codeset);
TTextEncoding LocaleTextEncoding();

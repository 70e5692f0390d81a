// The one rule that tells a text file's encoding, over the files it meets:
// Shift-JIS that the program wrote, UTF-8 and UTF-16 that other programs
// wrote, bytes that read well both ways, and bytes that are no text.
#include "TextFileEncoding.h"

#include "Cp932.h"
#include "Files.h"
#include "SjisLiteral.h"
#include "SysUtils.h"
#include "TempDir.h"
#include "TextReading.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

constexpr auto ShiftJis = TTextEncoding::ShiftJis;
constexpr auto Utf8 = TTextEncoding::Utf8;
constexpr auto Utf16Le = TTextEncoding::Utf16Le;
constexpr auto Utf16Be = TTextEncoding::Utf16Be;

// Bytes as the program takes them in, in the encoding the rule finds.
std::string ReadBack(const std::string& Bytes, int& Unmapped)
{
    return SjisOfText(Bytes, TextFileEncoding(Bytes).value(), Unmapped);
}

TEST(TextFileEncoding, ShiftJisStaysAndUtf8IsConverted)
{
    const struct {
        const char* Name;
        std::string In;
        std::optional<TTextEncoding> Encoding;
        std::string Out;
        int Unmapped;
    } cases[] = {
        // Half-width katakana whose bytes are also well-formed UTF-8
        // ("ﾃｽﾄｶ" is C3 BD C4 B6, "ýĶ" in UTF-8).
        {"half-width kana alone", Sjis("ﾃｽﾄｶ"), ShiftJis, Sjis("ﾃｽﾄｶ"), 0},
        {"a short title", Sjis("ﾃｽ"), ShiftJis, Sjis("ﾃｽ"), 0},
        {"kana among ASCII", Sjis("ﾃｽﾄｶ 1\r\nabc ﾃｽ\r\n"), ShiftJis, Sjis("ﾃｽﾄｶ 1\r\nabc ﾃｽ\r\n"), 0},
        {"kana right after ASCII letters", Sjis("ABCﾃｽﾄｶ"), ShiftJis, Sjis("ABCﾃｽﾄｶ"), 0},
        {"kana with kanji", Sjis("ﾃｽﾄｶ 漢字"), ShiftJis, Sjis("ﾃｽﾄｶ 漢字"), 0},
        {"trail bytes 5C", Sjis("ソ表示\\"), ShiftJis, Sjis("ソ表示\\"), 0},
        {"a ruled tree", Sjis("┌ﾃｽ\r\n└ﾃｽ"), ShiftJis, Sjis("┌ﾃｽ\r\n└ﾃｽ"), 0},
        {"plain ASCII", "abc\r\n", ShiftJis, "abc\r\n", 0},
        {"UTF-8 cut in the middle is a kanji", "\xE3\x81", ShiftJis, "\xE3\x81", 0},
        {"Shift-JIS that reads as UTF-8 too", Sjis("莉子"), ShiftJis, "\xE4\xBB\x8E\x71", 0},
        // UTF-8, the usual text files here.
        {"UTF-8 kana and kanji", "あ漢\n", Utf8, Sjis("あ漢\n"), 0},
        {"UTF-8 kana that is Shift-JIS too", "あい", Utf8, Sjis("あい"), 0},
        {"UTF-8 half-width kana", "ﾃｽﾄｶ", Utf8, Sjis("ﾃｽﾄｶ"), 0},
        {"UTF-8 Latin", "café", Utf8, "caf?", 1},
        {"UTF-8 Latin words", "Größe naïve", Utf8, "Gr??e na?ve", 3},
        {"UTF-8 punctuation", "x…", Utf8, Sjis("x…"), 0},
        {"characters Shift-JIS lacks", "a😀éb", Utf8, "a??b", 2},
        {"byte-order mark", "\xEF\xBB\xBF" + std::string("ﾃｽﾄｶ"), Utf8, Sjis("ﾃｽﾄｶ"), 0},
        {"byte-order mark, ASCII after it", "\xEF\xBB\xBF" + std::string("abc"), Utf8, "abc", 0},
        {"byte-order mark alone", "\xEF\xBB\xBF", Utf8, "", 0},
        // UTF-16 as Windows writes it, with its byte-order mark.
        {"UTF-16 little-endian", std::string("\xFF\xFE\x42\x30\x22\x6F\x0D\x00\x0A\x00", 10), Utf16Le, Sjis("あ漢\r\n"),
         0},
        {"UTF-16 big-endian", std::string("\xFE\xFF\x00\x61\x00\xE9\xD8\x3D\xDE\x00", 10), Utf16Be, "a??", 2},
        {"UTF-16 mark alone", "\xFF\xFE", Utf16Le, "", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextFileEncoding(c.In), c.Encoding) << c.Name;
        int unmapped = -1;
        EXPECT_EQ(ReadBack(c.In, unmapped), c.Out) << c.Name;
        EXPECT_EQ(unmapped, c.Unmapped) << c.Name;
    }
}

// Files that are no text are refused, whatever the caller expects, so that
// no page fills with garbage: what binary formats start with, and bytes of
// which many are NULs or control codes.
TEST(TextFileEncoding, FilesThatAreNoTextAreRefused)
{
    std::mt19937 random(69);
    std::string noise(4096, '\0');
    for (char& byte : noise)
        byte = static_cast<char>(random());
    std::string utf16WithoutMark;
    for (const char c : std::string_view("A line of UTF-16 text, with no mark before it."))
        utf16WithoutMark += std::string{c, '\0'};
    const std::pair<const char*, std::string> cases[] = {
        {"UTF-16 without its mark", utf16WithoutMark},
        {"UTF-16 of an odd length", std::string("\xFF\xFE\x61\x00\x62", 5)},
        {"UTF-16 with an unpaired surrogate", std::string("\xFF\xFE\x3D\xD8\x61\x00", 6)},
        {"UTF-16 holding a NUL", std::string("\xFE\xFF\x00\x00", 4)},
        {"random bytes", noise},
        {"an image", std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16)},
        {"an executable", std::string("\x7F"
                                      "ELF\x02\x01\x01\0\0",
                                      9)},
        {"a compressed file", std::string("\x1F\x8B\x08\x08\0\0\0\0\0\x03", 10)},
        {"an archive", "PK\x03\x04\x14"},
        {"text among many control codes", "ab" + std::string(64, '\x01') + "cd"},
    };
    for (const auto& [name, bytes] : cases)
        for (const TTextEncoding likely : {ShiftJis, Utf8})
            EXPECT_EQ(TextFileEncoding(bytes, likely), std::nullopt) << name;
}

// The binary files of this system, as they are.
TEST(TextFileEncoding, RealBinaryFilesAreRefused)
{
    std::vector<std::string> files = {"/bin/ls", "/usr/share/pixmaps/debian-logo.png"};
    for (const auto& entry : std::filesystem::directory_iterator("/usr/share/doc/dpkg"))
        if (entry.path().extension() == ".gz")
            files.push_back(entry.path());
    for (const std::string& file : files) {
        if (!FileExists(file))
            continue;
        EXPECT_THROW(ReadTextFile(file), EFOpenError) << file;
    }
}

// Bytes that are not UTF-8 are Shift-JIS as they stand, and a byte or pair
// with no Unicode form stays as it is: pages hold them (from earlier
// writers, or Shift-JIS files of old Macs: 0xFD ©, 0xFE ™, 0xFF …, 0xA0 a
// no-break space, 0x80 a backslash), and what the program wrote of them
// reads back.
TEST(TextFileEncoding, ShiftJisWithoutUnicodeFormsReadsByteForByte)
{
    const std::pair<const char*, std::string> pages[] = {
        {"0x80", Sjis("年") + "\x80" + Sjis("円")},
        {"0xA0", "a\xA0"
                 "b"},
        {"0xFD 0xFE 0xFF", "\xFD 2024 Velk\xFE\xFF"},
        {"an unassigned pair", Sjis("表") + "\x85\x40"},
        {"a lone lead byte at a line end", "ab\x81\r\ncd"},
        {"a NUL", std::string("a\0b", 3)},
        {"a stray continuation byte", "\xE3\x81\x82\x80"},
        {"an encoded surrogate", "\xED\xA0\x80"},
        {"an overlong form", "\xC0\x80"},
        {"a byte-order mark before a byte that is no UTF-8", "\xEF\xBB\xBF\xFF"},
    };
    TempDir dir;
    for (const auto& [name, page] : pages) {
        for (const TTextEncoding likely : {ShiftJis, Utf8})
            EXPECT_EQ(TextFileEncoding(page, likely), ShiftJis) << name;
        const std::string tree = "." + page + "\r\n";
        WriteFileAtomic(dir.File("tree.txt"), tree);
        const TTextReading reading = ReadTextFile(dir.File("tree.txt"));
        EXPECT_EQ(reading.Text, tree) << name;
        EXPECT_EQ(reading.Unmapped, 0) << name;
        EXPECT_EQ(JudgementNotice(reading.Judgement, "f"), "") << name;
    }
}

// Bytes that are well-formed both ways are read as the likelier text,
// whatever the caller expects: kana, common kanji, Latin letters in Latin
// words and the usual signs, in as few characters as the bytes allow, for
// UTF-8; rare kanji and scripts, and half-width kana no word is spelt with,
// for Shift-JIS.
TEST(TextFileEncoding, WhatEachReadingYieldsDecides)
{
    const std::pair<std::string, TTextEncoding> cases[] = {
        {"Copyright © 2024", Utf8},
        {"±5% 20°C", Utf8},
        {"café", Utf8},
        {"αβγ", Utf8},
        {"Шрифт", Utf8},
        {"x ± 1", Utf8},
        {"§ 2", Utf8},
        {"日本語のテキスト", Utf8},
        // Met in manual pages and copyright files.
        {"Écrit par Bruno Haible.", Utf8},
        {"quotes\\ »).", Utf8},
        {"Mateusz Łukasik", Utf8},
        {"Ngọc", Utf8},
        {"Mətin Əmirov", Utf8},
        {"dubbi è inteso", Utf8},
        {"наб", Utf8},
        {"nº 466037", Utf8},
        // A letter of everyday Western words, alone.
        {"ñ", Utf8},
        // Short UTF-8 that reads as Shift-JIS too, as more characters:
        // 煎茶 as 辣手幻, 齊藤 as 鮨願陸, 值 as 蛟ｼ, ❤ as 笶､.
        {"煎茶", Utf8},
        {"齊藤", Utf8},
        {"值", Utf8},
        {"텍스트", Utf8},
        {"翔🌡", Utf8},
        {"斎藤 煌🍦", Utf8},
        {"❤", Utf8},
        {"逢k", Utf8},
        // 莉 E4 BB, 子 8E 71: as UTF-8 "从q", a Chinese character
        // beside a letter; 罠１ and 苺１ give a character of extension A.
        {Sjis("莉子"), ShiftJis},
        {Sjis("罠１"), ShiftJis},
        {Sjis("苺１"), ShiftJis},
        {Sjis("ﾃｽﾄｶ ﾃｽ"), ShiftJis},
        {Sjis("ﾃｽﾄｶ ﾅｲﾃｽ"), ShiftJis},
        {Sjis("ﾃｽﾄｶ"), ShiftJis},
        // As UTF-8 a modifier letter "ʲ" and an Arabic vowel sign with no
        // letter before them.
        {Sjis("ﾊｲ"), ShiftJis},
        {Sjis("ﾙｰ"), ShiftJis},
    };
    for (const auto& [bytes, encoding] : cases)
        for (const TTextEncoding likely : {ShiftJis, Utf8})
            EXPECT_EQ(TextFileEncoding(bytes, likely), encoding) << bytes << " expecting " << static_cast<int>(likely);
}

// A hierarchical text the program wrote reads back byte for byte, though
// the whole of it is well-formed UTF-8 as well.
TEST(TextFileEncoding, AHierarchicalTextTheProgramWroteReadsBack)
{
    TempDir dir;
    // As UTF-8 ".ḂP", ".係P", ".粂`", ".ỂO" and ".。O": what the lines
    // end with tells them apart.
    for (const char* text :
         {".莉子\r\n..罠１\r\n苺１\r\n", ".盧１\r\n", ".菫１\r\n", ".邊Ａ\r\n", ".盻０\r\n", ".縲Ｚ\r\n"}) {
        const std::string tree = Sjis(text);
        ASSERT_TRUE(IsUtf8(tree));
        WriteFileAtomic(dir.File("tree.txt"), tree);
        const TTextReading reading = ReadTextFile(dir.File("tree.txt"));
        EXPECT_EQ(reading.Text, tree) << text;
        EXPECT_EQ(reading.Unmapped, 0);
        EXPECT_EQ(JudgementNotice(reading.Judgement, "f"), "") << text;
    }
}

TEST(TextFileEncoding, ReadingAFileThatIsNoTextSaysWhichFile)
{
    TempDir dir;
    const std::string file = dir.File(Sjis("バイナリ.dat"));
    WriteFileAtomic(file, std::string("\x7F\x45\x4C\x46\x02\x01\x01\0\0", 9));
    try {
        ReadTextFile(file);
        ADD_FAILURE() << "read";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.Message(),
                  "ファイル \"" + OsPath(file) + "\" は実行ファイルで、テキストではないため読み込めません。");
    }
}

// A file the program wrote in UTF-8 comes back UTF-8 even when its
// characters alone would not tell (Greek read as Shift-JIS is katakana),
// and one an editor turned into Shift-JIS comes back Shift-JIS.
TEST(TextFileEncoding, TheEncodingWrittenDecidesWhatTheCharactersLeaveOpen)
{
    // "ﾒｰ" and "ﾏｯ", words of two beats, are "Ұ" and "ϯ" in UTF-8.
    for (const std::string page : {"αβγ", "x ± 1", "ﾃｽﾄｶ", "Шрифт", "§ 2", "ﾒｰ", "ﾏｯ"}) {
        const std::string written = TextInEncoding(Sjis(page), Utf8);
        EXPECT_EQ(TextFileEncoding(written, Utf8), Utf8) << page;
        EXPECT_EQ(TextFileEncoding(Sjis(page), ShiftJis), ShiftJis) << page;
    }
    // Written in UTF-8, come back in Shift-JIS: read as UTF-8 they would be
    // accented letters of several languages with no Latin word around them
    // ("ýĶ Ųý").
    EXPECT_EQ(TextFileEncoding(Sjis("ﾃｽﾄｶ ﾅｲﾃｽ"), Utf8), ShiftJis);
}

// A file the program wrote itself in a known encoding is read in it
// whenever its bytes are well-formed in it, though the weighing alone would
// take them for the other; bytes it cannot hold are weighed.
TEST(TextFileEncoding, AFileWrittenInAnEncodingIsReadInIt)
{
    const struct {
        std::string Bytes;
        TTextEncoding Written, Read;
    } cases[] = {
        {Sjis("ﾃｽﾄｶ ﾅｲﾃｽ"), Utf8, Utf8},                  // "ýĶ Ųý" typed in the editor
        {"\xE7\x85\x8E\xE8\x8C\xB6", ShiftJis, ShiftJis}, // "辣手幻" kept in Shift-JIS
        {"\xE7\x85\x8E\xE8\x8C\xB6", Utf8, Utf8},         // "煎茶"
        {"\xEF\xBD\xB1", ShiftJis, Utf8},                 // "ｱ" in UTF-8: EF BD has no Unicode form
        {"ab\xFF", Utf8, ShiftJis},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextFileEncoding(c.Bytes, c.Written, TEncodingKnown::Written), c.Read) << c.Bytes;
}

TEST(TextFileEncoding, TheLocaleWritesUtf8UnlessItsCharacterSetIsShiftJis)
{
    for (const char* codeset : {"SHIFT_JIS", "Shift-JIS", "SJIS", "CP932", "WINDOWS-31J"})
        EXPECT_EQ(EncodingOfCodeset(codeset), ShiftJis) << codeset;
    for (const char* codeset : {"UTF-8", "utf8", "ANSI_X3.4-1968", "", "EUC-JP", "ISO-8859-1"})
        EXPECT_EQ(EncodingOfCodeset(codeset), Utf8) << codeset;
    EXPECT_EQ(TextInEncoding(Sjis("ﾃｽﾄ漢"), Utf8), "ﾃｽﾄ漢");
    EXPECT_EQ(TextInEncoding(Sjis("ﾃｽﾄ漢"), ShiftJis), Sjis("ﾃｽﾄ漢"));
}

} // namespace

// The one rule that tells a text file's encoding, over the files it meets:
// Shift-JIS that the program wrote, UTF-8 that other programs wrote, and
// bytes that read well both ways.
#include "TextFileEncoding.h"

#include "Cp932.h"
#include "SjisLiteral.h"

#include <gtest/gtest.h>

namespace {

constexpr auto ShiftJis = TTextEncoding::ShiftJis;
constexpr auto Utf8 = TTextEncoding::Utf8;

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
        // Neither: the bytes are kept as they are.
        {"a stray byte", "\xE3\x81\x82\x80", std::nullopt, "\xE3\x81\x82\x80", 0},
        {"an encoded surrogate", "\xED\xA0\x80", std::nullopt, "\xED\xA0\x80", 0},
        {"an overlong form", "\xC0\x80", std::nullopt, "\xC0\x80", 0},
        {"a byte-order mark before broken UTF-8", "\xEF\xBB\xBF\xFF", std::nullopt, "\xEF\xBB\xBF\xFF", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextFileEncoding(c.In), c.Encoding) << c.Name;
        int unmapped = -1;
        EXPECT_EQ(SjisOfTextFile(c.In, unmapped), c.Out) << c.Name;
        EXPECT_EQ(unmapped, c.Unmapped) << c.Name;
    }
}

// A file the program wrote in UTF-8 comes back UTF-8 even when its
// characters alone would not tell (Greek read as Shift-JIS is katakana),
// and one an editor turned into Shift-JIS comes back Shift-JIS.
TEST(TextFileEncoding, TheEncodingWrittenDecidesWhatTheCharactersLeaveOpen)
{
    for (const std::string page : {"αβγ", "x ± 1", "ﾃｽﾄｶ", "Шрифт", "§ 2"}) {
        const std::string written = TextInEncoding(Sjis(page), Utf8);
        EXPECT_EQ(TextFileEncoding(written, Utf8), Utf8) << page;
        EXPECT_EQ(TextFileEncoding(Sjis(page), ShiftJis), ShiftJis) << page;
    }
    EXPECT_EQ(TextFileEncoding("αβγ", ShiftJis), ShiftJis) << "the bytes are half-width katakana as well";
    // Written in UTF-8, come back in Shift-JIS: "ýĶ" has no Shift-JIS code.
    EXPECT_EQ(TextFileEncoding(Sjis("ﾃｽﾄｶ ﾅｲﾃｽ"), Utf8), ShiftJis);
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

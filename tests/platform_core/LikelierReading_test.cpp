// Which reading of bytes well-formed both as UTF-8 and as Shift-JIS the
// encoding rule takes: the program's own hierarchical texts of a word,
// runs of accented letters, other alphabets, sources that name characters,
// and long texts whose start decides nothing.
#include "TextFileEncoding.h"

#include "Cp932.h"
#include "SjisLiteral.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr auto ShiftJisText = TTextEncoding::ShiftJis;
constexpr auto Utf8Text = TTextEncoding::Utf8;

struct TReadingCase {
    const char* Name;
    std::string Bytes;
    TTextEncoding Expected, Read;
};

void ExpectReadings(const std::vector<TReadingCase>& Cases)
{
    for (const TReadingCase& c : Cases) {
        EXPECT_TRUE(IsUtf8(c.Bytes)) << c.Name; // else it is Shift-JIS, unweighed
        EXPECT_EQ(TextFileEncoding(c.Bytes, c.Expected), c.Read) << c.Name;
    }
}

// A one-page hierarchical text as the program writes it, read back
// expecting Shift-JIS.
std::string OnePageText(const char* Title) { return "." + Sjis(Title) + "\r\n"; }

TEST(LikelierReading, TheProgramsHierarchicalTextOfAWordReadsBack)
{
    ExpectReadings({
        // As UTF-8 ".慎h", ".聖[", ".г", ".γ", ".б", ".÷", ".²Խ".
        {"諷刺", OnePageText("諷刺"), ShiftJisText, ShiftJisText},
        {"閨房", OnePageText("閨房"), ShiftJisText, ShiftJisText},
        {"ﾐｳ", OnePageText("ﾐｳ"), ShiftJisText, ShiftJisText},
        {"ﾎｳ", OnePageText("ﾎｳ"), ShiftJisText, ShiftJisText},
        {"ﾐｱ", OnePageText("ﾐｱ"), ShiftJisText, ShiftJisText},
        {"ﾃｷ", OnePageText("ﾃｷ"), ShiftJisText, ShiftJisText},
        {"ﾂｲﾔｽ", OnePageText("ﾂｲﾔｽ"), ShiftJisText, ShiftJisText},
    });
}

TEST(LikelierReading, OtherScriptsInUtf8ReadAsUtf8)
{
    ExpectReadings({
        // Latin-1's letters listed one after another, a capital after its
        // own small letter.
        {"áéíóú", "áéíóú", ShiftJisText, Utf8Text},
        {"ñÑ", "ñÑ", ShiftJisText, Utf8Text},
        {"a Python source naming its letters",
         "class Lexer:\n"
         "    def __init__(self):\n"
         "        self.wordchars = ('abcdfeghijklmnopqrstuvwxyz'\n"
         "                          'ßàáâãäåæçèéêëìíîïðñòóôõöøùúûüýþÿ'\n"
         "                          'ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ')\n",
         ShiftJisText, Utf8Text},
        {"a letter quoted alone", "    (0x222, 'M', 'ȣ'),\n", ShiftJisText, Utf8Text},
        {"a Hebrew point quoted alone", "        35: 0,  # 'ֹ'\n", ShiftJisText, Utf8Text},
        // An accent written apart, as a Mac writes it: "sesión".
        {"a decomposed accent", "Desactivar salir de la sesio\xCC\x81n", ShiftJisText, Utf8Text},
        {"a Hebrew word", "דחוף", ShiftJisText, Utf8Text},
        {"a Hebrew line", "גוואדלופ", Utf8Text, Utf8Text},
        {"an Amharic word", "ፋይሎች", Utf8Text, Utf8Text},
        // A letter carrying two vowel signs: shadda, then kasra.
        {"an Arabic word with its marks", "_حدِّث", ShiftJisText, Utf8Text},
        // As Shift-JIS "阮㌢": a square of a unit follows a number.
        {"a kanji beside an ASCII letter", "薇a", Utf8Text, Utf8Text},
        // A letter named beside ASCII, as character tables list them.
        {"a letter in a table", "D0\tи\tCYRILLIC SMALL LETTER I", ShiftJisText, Utf8Text},
    });
}

// The readings differ only around the bytes that are not ASCII, wherever
// they stand in a long text.
TEST(LikelierReading, ALongTextIsReadAsItsBytesOtherThanAsciiTell)
{
    const std::string english = [] {
        std::string text;
        while (text.size() < 70 * 1000)
            text += "The quick brown fox jumps over the lazy dog.\n";
        return text;
    }();
    std::string japanese;
    while (japanese.size() < 200 * 1000)
        japanese += "吾輩は猫である。名前はまだ無い。\n";
    ExpectReadings({
        {"Japanese after English", english + japanese, ShiftJisText, Utf8Text},
        {"an accented word last", english + english + "café\n", ShiftJisText, Utf8Text},
        {"half-width kana last", english + english + Sjis("ﾃｽﾄｶ ﾅｲﾃｽ\r\n"), Utf8Text, ShiftJisText},
    });
}

} // namespace

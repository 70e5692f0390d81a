// Line extraction: the selected lines that hold every word, under the
// header; and the history of the word lists in the settings file.
#include "LineExtract.h"

#include "IniFiles.h"
#include "SjisLiteral.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

TEST(LineExtract, KeepsTheLinesHoldingEveryWordAfterTheSelection)
{
    const std::string header = Sjis("{***** 検索文字列［");
    const std::string footer = Sjis("］のある行を発見！*****}");
    struct TCase {
        std::string Text, Words, Lines; // Lines empty: nothing extracted
    };
    const TCase cases[] = {
        {"a b\r\nb only\r\nb and a", "a b", "a b\r\nb and a\r\n"},
        {"x\r\nab", "b", "ab\r\n"},                                   // the last line needs no line break
        {"x  y\r\nx", "x  y", "x  y\r\n"},                            // two blanks make no empty word
        {"ABC\r\nabc", "a", "abc\r\n"},                               // byte for byte: case counts
        {Sjis("ア\r\nA"), "A", "A\r\n"},                              // "A" is not the trail byte of ア (83 41)
        {Sjis("表\r\n\\"), "\\", "\\\r\n"},                           // nor "\" that of 表 (95 5C)
        {Sjis("日本語\r\n本"), Sjis("本"), Sjis("日本語\r\n本\r\n")}, // whole characters do match
        {"a\r\nb", "c", ""},
        {"a\r\nb", "  ", ""},
        {"", "a", ""},
    };
    for (const TCase& c : cases) {
        const std::string expected =
            c.Lines.empty() ? "" : c.Text + "\r\n" + header + c.Words + footer + "\r\n" + c.Lines;
        EXPECT_EQ(ExtractLines(c.Text, c.Words), expected) << c.Text << " / " << c.Words;
    }
}

class LineHistory : public testing::Test {
protected:
    TempDir folder;
    const std::string path = folder.Path() + "velk2000.ini";
};

TEST_F(LineHistory, KeepsTenEntriesMostRecentFirst)
{
    std::vector<std::string> history;
    for (int i = 0; i < 12; ++i)
        EnterLineHistory(history, "w" + std::to_string(i));
    EnterLineHistory(history, "w5");
    {
        TIniFile file(path);
        WriteLineHistory(file, history);
    }
    // An entry entered again moves to the top; w0 and w1 were the oldest.
    EXPECT_EQ(ReadLineHistory(TIniFile(path)),
              (std::vector<std::string>{"w5", "w11", "w10", "w9", "w8", "w7", "w6", "w4", "w3", "w2"}));
    EXPECT_EQ(TIniFile(path).ReadInteger("SearchLine", "Count", -1), 10);
}

TEST_F(LineHistory, ADamagedCountIsClamped)
{
    for (const char* count : {"-5", "99999999"}) {
        std::ofstream(path) << "[SearchLine]\r\nCount=" << count << "\r\n0=a\r\n";
        const size_t expected = count[0] == '-' ? 0 : 10;
        EXPECT_EQ(ReadLineHistory(TIniFile(path)).size(), expected) << count;
    }
}

} // namespace

// The manuscript-paper count.
#include "Genkou.h"
#include "SjisLiteral.h"

#include <gtest/gtest.h>

namespace {

using textconv::CountSheetLines;

TEST(Genkou, SheetsAndLinesOnTheLastSheet)
{
    const struct {
        std::string Text;
        int Chars, Lines;
        int Sheets, Last;
    } cases[] = {
        {Sjis("あ"), 20, 20, 1, 1},
        {"a\r\nb\r\nc\r\n", 20, 2, 2, 1},
        {"a\r\n\r\n\r\nb", 20, 4, 1, 4},      // lines of a line break alone count
        {std::string(84, 'x'), 20, 20, 1, 3}, // a line takes 41 bytes of ASCII
        // Whole double-byte characters: 亜 (88 9F) has a trail byte with a
        // lead byte's value, so 20 of them fill exactly one line.
        {Sjis("亜亜亜亜亜亜亜亜亜亜亜亜亜亜亜亜亜亜亜亜") + "\r\n", 20, 20, 1, 1},
        // A zero format from the settings counts as one: no hang, no division by zero.
        {"abcd\r\nef\r\n", 0, 0, 3, 1},
    };
    for (const auto& c : cases) {
        const textconv::TSheetCount count = CountSheetLines(c.Text, c.Chars, c.Lines);
        EXPECT_EQ(count.Sheets, c.Sheets) << c.Text;
        EXPECT_EQ(count.LastLines, c.Last) << c.Text;
    }
}

TEST(Genkou, TheSevenLinesOfTheWindow)
{
    const auto texts = textconv::GenkouTexts("a\r\nb\r\n", std::nullopt, "a\r\nb\r\nc\r\n", 40, 2);
    EXPECT_EQ(texts[0], "このページは　　　　　　　      1枚です。最後の１枚は  2行です。");
    EXPECT_EQ(texts[1], "");
    EXPECT_EQ(texts[5], "ファイル全体では　　　　　      2頁です。最後の１頁は  1行です。");
    EXPECT_EQ(texts[6], "本・全角 40文字 × 2行　　数値は ［設定－その他］ で変更できます。");
}

} // namespace

// Full-width digits to kanji numerals where they differ from plain spell-out
// (which the ICU oracle test covers).
#include "KanjiNumber.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace textconv;

TEST(DigitToKanji, GivesTheKanjiOfOneToNineOnly)
{
    ExpectConverted({{DigitToKanji, "１", "一"}, {DigitToKanji, "９", "九"}, {DigitToKanji, "０", ""},
                     {DigitToKanji, "1", ""}, {DigitToKanji, "あ", ""}});
}

TEST(NumberToKanji, DropsLeadingZerosKeepsZeroRunsAndDigitsAboveTheOku)
{
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"０１２", "十二"}, {"０", "０"}, {"０００", "０００"},
        {"１２３４５６７８９０", "１二億三千四百五十六万七千八百九十"},
        // A zero in the 億 place still writes the 億 the digits above it
        // count: written literally it would read "１万", ten thousand.
        {"１０００００００００", "１０億"}, {"１００００００００００", "１００億"},
        {"１２００００００００５", "１２０億五"},
        // Other text is left alone.
        {"12", "12"}, {"１あ", "１あ"}, {"", ""},
    };
    for (const auto& [digits, kanji] : cases)
        EXPECT_EQ(U(NumberToKanji(S(digits))), kanji) << digits;
}

TEST(NumbersToKanji, ConvertsEveryDigitRun)
{
    EXPECT_EQ(U(NumbersToKanji(S("第１２回は３０００円、12個"))), "第十二回は三千円、12個");
    EXPECT_EQ(U(NumbersToKanji(S("０時\r\n１０分"))), "０時\r\n十分");
}

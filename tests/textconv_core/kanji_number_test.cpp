// Full-width digits to kanji numerals.
#include "KanjiNumber.h"
#include "TestText.h"

#include <gtest/gtest.h>

using namespace textconv;

namespace {

std::string Kanji(const char* Digits) { return U(NumberToKanji(S(Digits))); }

} // namespace

TEST(DigitToKanji, GivesTheKanjiOfOneToNine)
{
    EXPECT_EQ(U(DigitToKanji(S("１"))), "一");
    EXPECT_EQ(U(DigitToKanji(S("９"))), "九");
    EXPECT_EQ(DigitToKanji(S("０")), "");
    EXPECT_EQ(DigitToKanji("1"), "");
    EXPECT_EQ(DigitToKanji(S("あ")), "");
}

TEST(NumberToKanji, WritesPlacesAndGroups)
{
    EXPECT_EQ(Kanji("１"), "一");
    EXPECT_EQ(Kanji("１０"), "十");
    EXPECT_EQ(Kanji("１２３"), "百二十三");
    EXPECT_EQ(Kanji("１１１１"), "千百十一");
    EXPECT_EQ(Kanji("２０２４"), "二千二十四");
    EXPECT_EQ(Kanji("１００００"), "一万");
    EXPECT_EQ(Kanji("１００００１"), "十万一");
    EXPECT_EQ(Kanji("１０００００００"), "千万");
    EXPECT_EQ(Kanji("１００００００００"), "一億");
    EXPECT_EQ(Kanji("１２００００００１"), "一億二千万一");
    EXPECT_EQ(Kanji("９８７６５４３２１"), "九億八千七百六十五万四千三百二十一");
}

TEST(NumberToKanji, DropsLeadingZerosAndKeepsZeros)
{
    EXPECT_EQ(Kanji("０１２"), "十二");
    EXPECT_EQ(Kanji("０"), "０");
    EXPECT_EQ(Kanji("０００"), "０００");
}

TEST(NumberToKanji, KeepsDigitsAboveTheOkuInFront)
{
    EXPECT_EQ(Kanji("１２３４５６７８９０"), "１二億三千四百五十六万七千八百九十");
    // A zero in the 億 place still writes the 億 the digits above it count:
    // written literally it would read "１万", ten thousand.
    EXPECT_EQ(Kanji("１０００００００００"), "１０億");
    EXPECT_EQ(Kanji("１００００００００００"), "１００億");
    EXPECT_EQ(Kanji("１２００００００００５"), "１２０億五");
}

TEST(NumberToKanji, LeavesOtherTextAlone)
{
    EXPECT_EQ(NumberToKanji("12"), "12");
    EXPECT_EQ(U(NumberToKanji(S("１あ"))), "１あ");
    EXPECT_EQ(NumberToKanji(""), "");
}

TEST(NumbersToKanji, ConvertsEveryDigitRun)
{
    EXPECT_EQ(U(NumbersToKanji(S("第１２回は３０００円、12個"))), "第十二回は三千円、12個");
    EXPECT_EQ(U(NumbersToKanji(S("０時\r\n１０分"))), "０時\r\n十分");
}

// Kanji numerals: against ICU's Japanese spell-out rules over numbers of up
// to nine digits written without leading zeros, and where they differ from
// plain spell-out on purpose.
#include "KanjiNumber.h"
#include "OracleText.h"
#include "TestText.h"

#include <unicode/rbnf.h>

#include <gtest/gtest.h>

#include <random>

using namespace textconv;

namespace {

std::string FullWidthDigits(int64_t Value)
{
    std::string digits;
    for (char c : std::to_string(Value)) {
        digits += '\x82';
        digits += static_cast<char>(0x4F + (c - '0')); // "０".."９"
    }
    return digits;
}

} // namespace

// Every number up to 100,000, random ones of up to nine digits, and round
// ones (a digit and zeros, plus one) in every place.
TEST(KanjiNumber, AgreesWithIcuSpellOut)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::RuleBasedNumberFormat spellOut(icu::URBNF_SPELLOUT, icu::Locale("ja"), status);
    ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    const auto expectSpelledOut = [&spellOut](int64_t Value) {
        icu::UnicodeString expected;
        spellOut.format(Value, expected);
        EXPECT_EQ(Utf8(Uni(NumberToKanji(FullWidthDigits(Value)))), Utf8(expected)) << Value;
    };
    for (int64_t value = 1; value <= 100000; ++value)
        expectSpelledOut(value);
    std::mt19937_64 random(20240101);
    std::uniform_int_distribution<int64_t> values(1, 999999999);
    for (int i = 0; i < 100000; ++i)
        expectSpelledOut(values(random));
    for (int64_t power = 1; power <= 100000000; power *= 10)
        for (int64_t digit = 1; digit <= 9; ++digit)
            for (int64_t rest : {int64_t{0}, int64_t{1}})
                expectSpelledOut(digit * power + rest);
}

TEST(KanjiNumber, DropsLeadingZerosKeepsZeroRunsAndDigitsAboveTheOku)
{
    // clang-format off
    ExpectConverted(NumberToKanji, {
        {"０１２", "十二"}, {"０", "０"}, {"０００", "０００"},
        {"１２３４５６７８９０", "１二億三千四百五十六万七千八百九十"},
        // A zero in the 億 place still writes the 億 the digits above it
        // count: written literally it would read "１万", ten thousand.
        {"１０００００００００", "１０億"}, {"１００００００００００", "１００億"},
        {"１２００００００００５", "１２０億五"},
        // Other text is left alone.
        {"12", "12"}, {"１あ", "１あ"}, {"", ""},
    });
    // clang-format on
}

TEST(KanjiNumber, ConvertsEveryDigitRunAndSingleDigitsOneToNineOnly)
{
    // clang-format off
    ExpectConverted({
        {NumbersToKanji, "第１２回は３０００円、12個", "第十二回は三千円、12個"},
        {NumbersToKanji, "０時\r\n１０分", "０時\r\n十分"}, {DigitToKanji, "１", "一"}, {DigitToKanji, "９", "九"},
        {DigitToKanji, "０", ""}, {DigitToKanji, "1", ""}, {DigitToKanji, "あ", ""},
    });
    // clang-format on
}

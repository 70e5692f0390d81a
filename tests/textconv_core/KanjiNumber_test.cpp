// Kanji numerals against ICU's Japanese spell-out rules, over numbers of up
// to nine digits written without leading zeros. (By design, and outside this
// range, the conversion differs: leading zeros are dropped, a run of only
// zeros stays as it is, and digits above the 億 stay digits.)
#include "KanjiNumber.h"
#include "OracleText.h"

#include <unicode/rbnf.h>

#include <gtest/gtest.h>

#include <memory>
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

class KanjiNumberOracle : public testing::Test {
protected:
    void SetUp() override
    {
        UErrorCode status = U_ZERO_ERROR;
        SpellOut_ = std::make_unique<icu::RuleBasedNumberFormat>(icu::URBNF_SPELLOUT, icu::Locale("ja"), status);
        ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    }

    void ExpectSpelledOut(int64_t Value)
    {
        icu::UnicodeString expected;
        SpellOut_->format(Value, expected);
        EXPECT_EQ(Utf8(Uni(NumberToKanji(FullWidthDigits(Value)))), Utf8(expected)) << Value;
    }

    std::unique_ptr<icu::RuleBasedNumberFormat> SpellOut_;
};

} // namespace

// Every number up to 100,000, random ones of up to nine digits, and round
// ones (a digit and zeros, plus one) in every place.
TEST_F(KanjiNumberOracle, AgreesWithIcu)
{
    for (int64_t value = 1; value <= 100000; ++value)
        ExpectSpelledOut(value);
    std::mt19937_64 random(20240101);
    std::uniform_int_distribution<int64_t> values(1, 999999999);
    for (int i = 0; i < 100000; ++i)
        ExpectSpelledOut(values(random));
    for (int64_t power = 1; power <= 100000000; power *= 10)
        for (int64_t digit = 1; digit <= 9; ++digit)
            for (int64_t rest : {int64_t{0}, int64_t{1}})
                ExpectSpelledOut(digit * power + rest);
}

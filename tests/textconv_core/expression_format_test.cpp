// The expression command's number formatting.
#include "CalcFormat.h"

#include <gtest/gtest.h>

using namespace textconv;

TEST(FormatCalcValue, RoundsTheExactValueHalfAwayFromZero)
{
    EXPECT_EQ(FormatCalcValue(mpq_class(1, 16)), "0.063");
    EXPECT_EQ(FormatCalcValue(mpq_class(-1, 16)), "-0.063");
    EXPECT_EQ(FormatCalcValue(mpq_class(2, 3)), "0.667");
    EXPECT_EQ(FormatCalcValue(mpq_class(19999, 20)), "999.950");
    EXPECT_EQ(FormatCalcValue(mpq_class(19999999, 20000)), "1000.000");
    // One rounding only: 0.00049999999999999999 is not first made 0.0005.
    EXPECT_EQ(FormatCalcValue(mpq_class("49999999999999999/100000000000000000000")), "0.000");
}

TEST(FormatCalcValue, NeverWritesMinusZero)
{
    EXPECT_EQ(FormatCalcValue(mpq_class(0)), "0.000");
    EXPECT_EQ(FormatCalcValue(mpq_class(-4, 10000)), "0.000");
}

TEST(FormatCalcValue, KeepsEighteenSignificantDigitsInFixedNotation)
{
    EXPECT_EQ(FormatCalcValue(mpq_class("1234567890123456789/100")), "12345678901234567.900");
    EXPECT_EQ(FormatCalcValue(mpq_class("-1234567890123456785/1000")), "-1234567890123456.790");
    EXPECT_EQ(FormatCalcValue(mpq_class("1180591620717411303424")), "1180591620717411300000.000");
    EXPECT_EQ(FormatCalcValue(mpq_class("9999999999999999995")), "10000000000000000000.000");
}

TEST(IsWritableCalcValue, AllowsIntegerPartsOfUpTo309Digits)
{
    const mpz_class widest = mpz_class(std::string(309, '9'));
    EXPECT_TRUE(IsWritableCalcValue(mpq_class(widest)));
    EXPECT_TRUE(IsWritableCalcValue(mpq_class(-widest)));
    EXPECT_FALSE(IsWritableCalcValue(mpq_class(widest + 1)));
    EXPECT_FALSE(IsWritableCalcValue(mpq_class(-widest - 1)));
}

TEST(TrimZeroFraction, DropsOnlyAnAllZeroFraction)
{
    EXPECT_EQ(TrimZeroFraction("14.000"), "14");
    EXPECT_EQ(TrimZeroFraction("2.500"), "2.500");
    EXPECT_EQ(TrimZeroFraction("3.000\r\n"), "3\r\n");
    EXPECT_EQ(TrimZeroFraction("12"), "12");
}

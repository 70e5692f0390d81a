// The expression command's number formatting.
#include "CalcFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace textconv;

TEST(FormatCalcValue, RoundsHalfAwayFromZeroOnTheDecimalDigits)
{
    EXPECT_EQ(FormatCalcValue(1.0 / 16), "0.063");
    EXPECT_EQ(FormatCalcValue(-1.0 / 16), "-0.063");
    EXPECT_EQ(FormatCalcValue(5.0 / 16), "0.313");
    EXPECT_EQ(FormatCalcValue(1.0 / 3), "0.333");
    EXPECT_EQ(FormatCalcValue(2.0 / 3), "0.667");
    EXPECT_EQ(FormatCalcValue(0.0005), "0.001");
    EXPECT_EQ(FormatCalcValue(999.9995), "1000.000");
    EXPECT_EQ(FormatCalcValue(2.5), "2.500");
}

TEST(FormatCalcValue, NeverWritesMinusZero)
{
    EXPECT_EQ(FormatCalcValue(0.0), "0.000");
    EXPECT_EQ(FormatCalcValue(-0.0), "0.000");
    EXPECT_EQ(FormatCalcValue(-0.0004), "0.000");
    EXPECT_EQ(FormatCalcValue(1e-300), "0.000");
}

TEST(FormatCalcValue, KeepsFixedNotationForLargeValues)
{
    EXPECT_EQ(FormatCalcValue(123456789012345678.0), "123456789012345680.000");
    EXPECT_EQ(FormatCalcValue(1e20), "100000000000000000000.000");
    EXPECT_EQ(FormatCalcValue(std::ldexp(1.0, 70)), "1180591620717411300000.000");
    const std::string max = FormatCalcValue(std::numeric_limits<double>::max());
    EXPECT_EQ(max.size(), 309u + 4);
    EXPECT_EQ(max.substr(0, 18), "179769313486231571");
    EXPECT_EQ(FormatCalcValue(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(FormatCalcValue(std::nan("")), "");
}

TEST(TrimZeroFraction, DropsOnlyAnAllZeroFraction)
{
    EXPECT_EQ(TrimZeroFraction("14.000"), "14");
    EXPECT_EQ(TrimZeroFraction("2.500"), "2.500");
    EXPECT_EQ(TrimZeroFraction("3.000\r\n"), "3\r\n");
    EXPECT_EQ(TrimZeroFraction("12"), "12");
}

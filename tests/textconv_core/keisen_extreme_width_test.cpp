// The ruled box takes any width, however extreme, without overflowing: very
// small ones leave the text as it is, very large ones act as the largest.
#include "Seikei.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using textconv::KeisenFormat;

TEST(KeisenExtremeWidths, SmallMeanNothingLargeMeanTheLargest)
{
    EXPECT_FALSE(KeisenFormat("abc", {.WrapByteCache = INT_MIN}));
    EXPECT_FALSE(KeisenFormat("abc", {.Width = "-2147483648"}));
    EXPECT_FALSE(KeisenFormat("abc", {.Width = "-99999999999", .WrapByteCache = INT_MIN}));
    const auto largest = KeisenFormat("abc", {.Width = "8192", .WrapByteCache = 8193});
    ASSERT_TRUE(largest);
    EXPECT_EQ(KeisenFormat("abc", {.Width = "99999999999", .WrapByteCache = INT_MAX}), largest);
}

} // namespace

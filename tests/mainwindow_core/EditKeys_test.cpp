#include "EditKeys.h"
#include "SjisLiteral.h"

#include <gtest/gtest.h>

TEST(EditKeys, AutoIndentTakesTheBlanksBeforeTheCaret)
{
    const std::string line = Sjis("　\t abc");
    EXPECT_EQ(AutoIndentOf(line, 10), Sjis("　\t "));
    EXPECT_EQ(AutoIndentOf(line, 3), Sjis("　\t"));
    EXPECT_EQ(AutoIndentOf(line, 1), ""); // never half a full-width blank
    EXPECT_EQ(AutoIndentOf("abc", 2), "");
    EXPECT_EQ(AutoIndentOf(Sjis("　"), 2), Sjis("　"));
}

#include "DateTimeFormats.h"
#include "SjisLiteral.h"

#include <gtest/gtest.h>

TEST(DateTimeFormats, QuoteTheLiterals)
{
    TSettingsVars::TIME ime{"yyyy", Sjis("年"), "mm", Sjis("月"), "dd", Sjis("日"), "hh", ":", "nn", "", "ss", ""};
    EXPECT_EQ(DateFormatText(ime), Sjis("yyyy\"年\"mm\"月\"dd\"日\""));
    EXPECT_EQ(TimeFormatText(ime), "hh\":\"nn\"\"ss\"\"");
}

#include "SymbolList.h"

#include "SjisLiteral.h"

#include <gtest/gtest.h>

TEST(SymbolList, FileRoundTripsByteForByte)
{
    // A user-defined character (F0 40) and a half-width katakana kept as bytes.
    const std::string bytes = Sjis("★") + "\r\n\xF0\x40\r\n\xB1\r\n//\r\n";
    EXPECT_EQ(SymbolListBytes(ParseSymbolList(bytes)), bytes);
    EXPECT_EQ(ParseSymbolList("a\nb\rc"), (TSymbolList{"a", "b", "c"}));
    EXPECT_EQ(ParseSymbolList("a\r\n\r\nb"), (TSymbolList{"a", "", "b"}));
    EXPECT_TRUE(ParseSymbolList("").empty());
}

TEST(SymbolList, AChosenSymbolGoesToTheTop)
{
    TSymbolList list{"a", "b", "c", "b"};
    PromoteSymbol(list, "b");
    EXPECT_EQ(list, (TSymbolList{"b", "a", "c", "b"}));
    PromoteSymbol(list, "new");
    EXPECT_EQ(list, (TSymbolList{"new", "b", "a", "c", "b"}));
}

// The Japanese literals of the conversion tables.
#include "Cp932.h"
#include "HenkanTables.h"

#include <gtest/gtest.h>

using namespace textconv;

TEST(Literals, EveryTableLiteralConvertsToShiftJis)
{
    for (std::string_view literal : literals::All) {
        bool lossless = false;
        const std::string sjis = Utf8ToSjis(literal, &lossless);
        EXPECT_TRUE(lossless) << literal;
        EXPECT_EQ(SjisToUtf8(sjis), literal);
    }
}

TEST(Literals, TablesHaveTheirSizes)
{
    const auto& table = HalfToFullTable();
    for (unsigned byte = 0; byte < 256; ++byte) {
        const bool converts = (byte >= 0x20 && byte <= 0x7E) || (byte >= 0xA1 && byte <= 0xDF);
        EXPECT_EQ(table[byte].Len, converts ? 2 : 1) << byte;
    }
    EXPECT_EQ(SymbolPairs().Half.size(), kSymbolPairCount);
}

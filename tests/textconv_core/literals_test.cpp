// The Japanese literals of the conversion and line-layout tables.
#include "Cp932.h"
#include "HenkanTables.h"
#include "Kinsoku.h"
#include "LayoutLiterals.h"
#include "Sjis.h"

#include <gtest/gtest.h>

#include <span>

using namespace textconv;

TEST(Literals, EveryTableLiteralConvertsToShiftJis)
{
    for (const auto& all : {std::span<const std::string_view>(literals::All),
                            std::span<const std::string_view>(layout_literals::All)})
        for (std::string_view literal : all) {
            bool lossless = false;
            const std::string sjis = Utf8ToSjis(literal, &lossless);
            EXPECT_TRUE(lossless) << literal;
            EXPECT_EQ(SjisToUtf8(sjis), literal);
        }
}

TEST(Literals, LineBreakingSetsAreTheFullWidthPunctuationRow)
{
    for (std::string_view set : {layout_literals::NotAtLineEnd, layout_literals::MayHang}) {
        const std::string sjis = Utf8ToSjis(set);
        for (sjis::CharCursor c(sjis); !c.AtEnd(); c.Next())
            EXPECT_EQ(c.Code() >> 8, 0x81) << SjisToUtf8(c.Char());
    }
    const LineBreakRules& rules = LineBreaking();
    for (uint16_t c : {0x8142, 0xA1, 0x29}) // 。｡)
        EXPECT_TRUE(rules.Hangs(c)) << c;
    for (uint16_t c : {0x8175, 0x61}) // 「a
        EXPECT_FALSE(rules.Hangs(c)) << c;
    EXPECT_TRUE(rules.NotAtLineEnd.Contains(0x8175));
    EXPECT_TRUE(rules.Openers.Contains(0xA2)); // ｢
}

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
    for (const auto& all :
         {std::span<const std::string_view>(literals::All), std::span<const std::string_view>(layout_literals::All)})
        for (std::string_view literal : all) {
            bool lossless = false;
            const std::string sjis = Utf8ToSjis(literal, &lossless);
            EXPECT_TRUE(lossless) << literal;
            EXPECT_EQ(SjisToUtf8(sjis), literal);
        }
}

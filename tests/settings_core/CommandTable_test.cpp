#include "CommandTable.h"

#include "Sjis.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(CommandTable, HoldsTheRebindableCommandsWithUniqueKeysAndItems)
{
    std::set<std::string> keys;
    std::set<std::string_view> items;
    for (const TCommandRow& row : CommandRegistry()) {
        if (row.IsHeader())
            continue;
        if (row.IsKeyed()) {
            EXPECT_TRUE(keys.insert(sjis::UpperAscii(row.Key)).second) << "key " << row.Key;
        }
        EXPECT_TRUE(items.insert(row.ItemName).second) << "item " << row.ItemName;
        if (!row.Twin.empty()) {
            EXPECT_TRUE(items.insert(row.Twin).second) << "twin " << row.Twin;
        }
        EXPECT_NE(row.Menu, TCommandMenu::None) << row.ItemName;
        EXPECT_FALSE(row.Caption.empty()) << row.ItemName;
    }
    EXPECT_EQ(keys.size(), 152u);
}

} // namespace

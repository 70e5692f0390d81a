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
        EXPECT_TRUE(items.insert(row.Item->Name()).second) << "item " << row.Item->Name();
        if (row.Twin) {
            EXPECT_TRUE(items.insert(row.Twin->Name()).second) << "twin " << row.Twin->Name();
        }
        EXPECT_TRUE(row.Menu) << row.Item->Name();
        EXPECT_FALSE(row.Caption.empty()) << row.Item->Name();
    }
    EXPECT_EQ(keys.size(), 152u);
}

} // namespace

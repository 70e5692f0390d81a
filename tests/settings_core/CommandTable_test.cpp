#include "CommandTable.h"

#include "Sjis.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

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

TEST(CommandTable, KeyDialogRowsPutTheGroupHeadersWhereTheDialogNumbersThem)
{
    const auto& rows = KeyDialogRows();
    ASSERT_EQ(rows.size(), 160u);
    std::vector<size_t> headers;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i]->IsHeader())
            headers.push_back(i);
    EXPECT_EQ(headers, (std::vector<size_t>{0, 11, 46, 76, 87, 96, 102, 105}));
    // The dialog swaps two pairs against the menus' order.
    EXPECT_EQ(rows[69]->Key, "EditLinkSel");
    EXPECT_EQ(rows[70]->ItemName, "EdLinkExecute");
    EXPECT_EQ(rows[151]->ItemName, "pEdSingleeQutn");
    EXPECT_EQ(rows[159]->Key, "SpEdAozoraBouten");
}

} // namespace

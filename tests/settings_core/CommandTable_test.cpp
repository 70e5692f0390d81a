#include "CommandTable.h"

#include "ShortCutText.h"
#include "Sjis.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

TEST(CommandTable, HoldsTheRebindableCommandsWithUniqueKeysAndItems)
{
    std::set<std::string> keys;
    std::set<std::string_view> items;
    std::map<std::string_view, std::string> defaults, menuShortCuts;
    std::map<std::string_view, std::string> twins;
    for (const TCommandRow& row : CommandRegistry()) {
        if (row.IsHeader())
            continue;
        if (row.IsKeyed()) {
            EXPECT_TRUE(keys.insert(sjis::UpperAscii(row.Key)).second) << "key " << row.Key;
            if (row.Default != 0)
                defaults[row.Key] = ShortCutToText(row.Default);
        }
        EXPECT_TRUE(items.insert(row.ItemName).second) << "item " << row.ItemName;
        if (!row.Twin.empty()) {
            EXPECT_TRUE(items.insert(row.Twin).second) << "twin " << row.Twin;
            twins[row.ItemName] = std::string(row.Twin);
        }
        if (row.MenuShortCut != 0)
            menuShortCuts[row.ItemName] = ShortCutToText(row.MenuShortCut);
        EXPECT_NE(row.Menu, TCommandMenu::None) << row.ItemName;
        EXPECT_FALSE(row.Caption.empty()) << row.ItemName;
    }
    EXPECT_EQ(keys.size(), 152u);
    EXPECT_EQ(defaults, (std::map<std::string_view, std::string>{
                            {"FileNew", "Ctrl+N"}, {"FileOpen", "Ctrl+O"}, {"FileSave", "Ctrl+S"},
                            {"MTreeIns", "Ctrl+I"}, {"MTreeAdd", "Ctrl+K"}, {"MTreeDel", "Ctrl+Del"},
                            {"MTreeAddChild", "Ctrl+L"}, {"EditCopy", "Ctrl+C"}, {"EditCut", "Ctrl+X"},
                            {"EditPaste", "Ctrl+V"}, {"EditAllSel", "Ctrl+A"}, {"EditUndo", "Ctrl+Z"},
                            {"Find", "Ctrl+F"}, {"FindForward", "F3"}, {"FindBack", "Shift+F3"},
                            {"Replace", "Ctrl+R"}, {"OptionBoxSel", "Ctrl+B"}, {"EdZenSpcToHankSpc", "Ctrl+."},
                            {"EdHankSpcToZenSpc", "Ctrl+,"}}));
    // Only these items have a shortcut in the menu definition itself.
    EXPECT_EQ(menuShortCuts, (std::map<std::string_view, std::string>{{"FdGoFind", "Ctrl+F"},
                                                                       {"FdForwardFind", "F3"},
                                                                       {"FdBackFind", "Shift+F3"},
                                                                       {"FdReplace", "Ctrl+R"},
                                                                       {"OpBoxSel", "Ctrl+B"}}));
    std::map<std::string_view, std::string> expectedTwins{{"TreeUnify", "pTreeNodeUnify"}};
    for (std::string_view item : {"EdCopy", "EdAddCopy", "EdCut", "EdPaste", "EdAllSel", "EdUndo", "EdRedo",
                                  "EdImeReconv", "EdPageDevide", "EdDel", "TreeIns", "TreeAdd", "TreeDel",
                                  "TreeAddChild", "TreeNodeCopy", "TreeNodeCut", "TreeNodePaste", "TreeNodeUp",
                                  "TreeNodeDown"})
        expectedTwins[item] = "p" + std::string(item);
    EXPECT_EQ(twins, expectedTwins);
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

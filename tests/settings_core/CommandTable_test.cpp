#include "CommandTable.h"

#include "ShortCutText.h"
#include "Sjis.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<const TCommandRow*> Keyed()
{
    std::vector<const TCommandRow*> rows;
    for (const TCommandRow& row : CommandRegistry())
        if (row.IsKeyed())
            rows.push_back(&row);
    return rows;
}

TEST(CommandTable, HoldsTheRebindableCommandsWithUniqueKeysAndItems)
{
    const auto keyed = Keyed();
    EXPECT_EQ(keyed.size(), 152u);
    std::set<std::string> keys;
    for (const TCommandRow* row : keyed)
        EXPECT_TRUE(keys.insert(sjis::UpperAscii(row->Key)).second) << "key " << row->Key;

    std::set<std::string_view> items;
    for (const TCommandRow& row : CommandRegistry()) {
        if (row.IsHeader())
            continue;
        EXPECT_TRUE(items.insert(row.ItemName).second) << "item " << row.ItemName;
        if (!row.Twin.empty()) {
            EXPECT_TRUE(items.insert(row.Twin).second) << "twin " << row.Twin;
        }
        EXPECT_NE(row.Menu, TCommandMenu::None) << row.ItemName;
        EXPECT_FALSE(row.Caption.empty()) << row.ItemName;
    }
}

TEST(CommandTable, HasTheNineteenBuiltInDefaults)
{
    std::map<std::string_view, std::string> defaults;
    for (const TCommandRow* row : Keyed())
        if (row->Default != 0)
            defaults[row->Key] = ShortCutToText(row->Default);
    const std::map<std::string_view, std::string> expected = {
        {"FileNew", "Ctrl+N"},     {"FileOpen", "Ctrl+O"},  {"FileSave", "Ctrl+S"},
        {"MTreeIns", "Ctrl+I"},    {"MTreeAdd", "Ctrl+K"},  {"MTreeDel", "Ctrl+Del"},
        {"MTreeAddChild", "Ctrl+L"}, {"EditCopy", "Ctrl+C"}, {"EditCut", "Ctrl+X"},
        {"EditPaste", "Ctrl+V"},   {"EditAllSel", "Ctrl+A"}, {"EditUndo", "Ctrl+Z"},
        {"Find", "Ctrl+F"},        {"FindForward", "F3"},   {"FindBack", "Shift+F3"},
        {"Replace", "Ctrl+R"},     {"OptionBoxSel", "Ctrl+B"}, {"EdZenSpcToHankSpc", "Ctrl+."},
        {"EdHankSpcToZenSpc", "Ctrl+,"},
    };
    EXPECT_EQ(defaults, expected);
}

TEST(CommandTable, OnlyFiveItemsHaveAShortcutInTheMenuDefinition)
{
    std::map<std::string_view, std::string> menuShortCuts;
    for (const TCommandRow& row : CommandRegistry())
        if (row.MenuShortCut != 0)
            menuShortCuts[row.ItemName] = ShortCutToText(row.MenuShortCut);
    const std::map<std::string_view, std::string> expected = {
        {"FdGoFind", "Ctrl+F"}, {"FdForwardFind", "F3"}, {"FdBackFind", "Shift+F3"},
        {"FdReplace", "Ctrl+R"}, {"OpBoxSel", "Ctrl+B"},
    };
    EXPECT_EQ(menuShortCuts, expected);
}

TEST(CommandTable, PairsTwentyPopupTwinsWithTheirMainItems)
{
    std::map<std::string_view, std::string_view> twins;
    for (const TCommandRow& row : CommandRegistry())
        if (!row.Twin.empty())
            twins[row.ItemName] = row.Twin;
    const std::map<std::string_view, std::string_view> expected = {
        {"EdCopy", "pEdCopy"},           {"EdAddCopy", "pEdAddCopy"},       {"EdCut", "pEdCut"},
        {"EdPaste", "pEdPaste"},         {"EdAllSel", "pEdAllSel"},         {"EdUndo", "pEdUndo"},
        {"EdRedo", "pEdRedo"},           {"EdImeReconv", "pEdImeReconv"},   {"EdPageDevide", "pEdPageDevide"},
        {"EdDel", "pEdDel"},             {"TreeIns", "pTreeIns"},           {"TreeAdd", "pTreeAdd"},
        {"TreeDel", "pTreeDel"},         {"TreeAddChild", "pTreeAddChild"}, {"TreeNodeCopy", "pTreeNodeCopy"},
        {"TreeNodeCut", "pTreeNodeCut"}, {"TreeNodePaste", "pTreeNodePaste"}, {"TreeNodeUp", "pTreeNodeUp"},
        {"TreeNodeDown", "pTreeNodeDown"}, {"TreeUnify", "pTreeNodeUnify"},
    };
    EXPECT_EQ(twins, expected);
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
    EXPECT_EQ(rows[1]->Key, "FileNew");
    EXPECT_EQ(rows[38]->Caption, "現在のページを畳む,");
    EXPECT_EQ(rows[69]->Key, "EditLinkSel");
    EXPECT_EQ(rows[70]->Key, "EditDouble");
    EXPECT_EQ(rows[70]->ItemName, "EdLinkExecute");
    EXPECT_EQ(rows[151]->Key, "SpEdColon");
    EXPECT_EQ(rows[151]->ItemName, "pEdSingleeQutn");
    EXPECT_EQ(rows[159]->Key, "SpEdAozoraBouten");
}

} // namespace

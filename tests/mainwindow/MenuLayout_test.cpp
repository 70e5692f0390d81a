// The menus built from the command table: every command and popup twin is
// an item, in the table's order, under the menu the table names, with the
// shortcuts of the menu definition and, after the key file, its defaults.
#include "CommandTable.h"
#include "MainMenus.h"
#include "MenuLayout.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

std::string_view MenuName(TCommandMenu Menu)
{
    constexpr std::string_view names[] = {"",          "FileTop",   "TreeTop",       "EditTop",      "FindTop",
                                          "OptionTop", "HelpTop",   "EditPopupMenu", "TreePopupMenu"};
    return names[static_cast<int>(Menu)];
}

// The menu or popup that an entry ends up in, through its submenus.
std::string_view OwningMenu(std::string_view Parent)
{
    std::map<std::string_view, std::string_view> parents;
    for (const TMenuEntry& entry : MenuLayout())
        parents[entry.Name] = entry.Parent;
    while (!parents[Parent].empty())
        Parent = parents[Parent];
    return Parent;
}

TEST(MenuLayout, EveryCommandAndTwinIsAnItemInTableOrderUnderItsMenu)
{
    TVelkMenus menus;
    std::vector<std::string_view> layoutOrder;
    for (const TMenuEntry& entry : MenuLayout())
        if (entry.Kind == TMenuEntryKind::Command)
            layoutOrder.push_back(entry.Name);

    std::vector<std::string_view> registryOrder;
    int keyed = 0;
    int twins = 0;
    for (const TCommandRow& row : CommandRegistry()) {
        if (row.IsHeader())
            continue;
        registryOrder.push_back(row.ItemName);
        keyed += row.IsKeyed();
        ASSERT_NE(menus.Item(row.ItemName), nullptr) << row.ItemName;
        if (!row.Twin.empty()) {
            ++twins;
            EXPECT_NE(menus.Item(row.Twin), nullptr) << row.Twin;
        }
        for (const TMenuEntry& entry : MenuLayout()) {
            if (entry.Name == row.ItemName) {
                EXPECT_EQ(OwningMenu(entry.Parent), MenuName(row.Menu)) << row.ItemName;
            }
        }
    }
    EXPECT_EQ(keyed, 152);
    EXPECT_EQ(twins, 20);
    EXPECT_EQ(layoutOrder, registryOrder);
}

TEST(MenuLayout, AcceleratorsAreUniqueWithinEachMenu)
{
    std::map<std::string_view, std::set<char>> used;
    for (const TMenuEntry& entry : MenuLayout()) {
        if (entry.Accelerator != 0) {
            EXPECT_TRUE(used[entry.Parent].insert(entry.Accelerator).second)
                << entry.Name << " repeats '" << entry.Accelerator << "' in " << entry.Parent;
        }
    }
    TVelkMenus menus;
    EXPECT_EQ(menus.Item("FlNew")->Caption(), QStringLiteral("新規作成(&N)"));
    EXPECT_EQ(menus.Item("pEdCopy")->Caption(), menus.Item("EdCopy")->Caption());
}

TEST(MenuLayout, TheMenuDefinitionGivesFiveShortcutsAndTheKeyFileTheDefaults)
{
    TVelkMenus menus;
    std::map<std::string_view, TShortCut> before;
    for (const TMenuEntry& entry : MenuLayout())
        if ((entry.Kind == TMenuEntryKind::Command || entry.Kind == TMenuEntryKind::Twin) &&
            menus.ShortCut(entry.Name) != 0)
            before[entry.Name] = menus.ShortCut(entry.Name);
    const std::map<std::string_view, TShortCut> definition = {{"FdGoFind", scCtrl | 'F'},
                                                              {"FdForwardFind", VK_F3},
                                                              {"FdBackFind", scShift | VK_F3},
                                                              {"FdReplace", scCtrl | 'R'},
                                                              {"OpBoxSel", scCtrl | 'B'}};
    EXPECT_EQ(before, definition);

    const TempDir folder;
    LoadKeyIni(menus, folder.Path() + "velk2000Key.ini");
    int defaults = 0;
    for (const TCommandRow& row : CommandRegistry()) {
        if (row.IsHeader() || !row.IsKeyed())
            continue;
        EXPECT_EQ(menus.ShortCut(row.ItemName), row.Default) << row.ItemName;
        if (!row.Twin.empty()) {
            EXPECT_EQ(menus.ShortCut(row.Twin), row.Default) << row.Twin;
        }
        defaults += row.Default != 0;
    }
    EXPECT_EQ(defaults, 19);
    EXPECT_EQ(menus.ShortCut("pEdCopy"), scCtrl | 'C');
    EXPECT_EQ(menus.Item("EdCopy")->Caption(), QStringLiteral("コピー(&C)"));
}

} // namespace

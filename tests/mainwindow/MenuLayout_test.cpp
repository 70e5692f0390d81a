// The menus built from the command table: every command and popup twin is
// an item, in the table's order, under the menu the table names, with the
// shortcuts of the menu definition.
#include "CommandTable.h"
#include "MainMenus.h"
#include "MenuLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

std::string_view MenuName(TCommandMenu Menu)
{
    constexpr std::string_view names[] = {"",          "FileTop", "TreeTop",       "EditTop",      "FindTop",
                                          "OptionTop", "HelpTop", "EditPopupMenu", "TreePopupMenu"};
    return names[static_cast<int>(Menu)];
}

TEST(MenuLayout, EveryCommandAndTwinIsAnItemInTableOrderUnderItsMenu)
{
    std::map<std::string_view, std::string_view> parents;
    std::vector<std::string_view> layoutOrder;
    for (const TMenuEntry& entry : MenuLayout()) {
        parents[entry.Name] = entry.Parent;
        if (entry.Kind == TMenuEntryKind::Command)
            layoutOrder.push_back(entry.Name);
    }
    // The menu or popup that an item ends up in, through its submenus.
    const auto owningMenu = [&](std::string_view Name) {
        while (!parents[parents[Name]].empty())
            Name = parents[Name];
        return parents[Name];
    };
    TVelkMenus menus;
    std::vector<std::string_view> registryOrder;
    int twins = 0;
    for (const TCommandRow& row : CommandRegistry()) {
        if (row.IsHeader())
            continue;
        registryOrder.push_back(row.ItemName);
        ASSERT_NE(menus.Item(row.ItemName), nullptr) << row.ItemName;
        EXPECT_EQ(owningMenu(row.ItemName), MenuName(row.Menu)) << row.ItemName;
        EXPECT_EQ(menus.ShortCut(row.ItemName), row.MenuShortCut) << row.ItemName;
        if (!row.Twin.empty()) {
            ++twins;
            EXPECT_NE(menus.Item(row.Twin), nullptr) << row.Twin;
        }
    }
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
}

} // namespace

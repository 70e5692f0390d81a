// The menus built from the command table: every command and popup twin is
// an item, in the table's order, under the menu the table names, with the
// shortcuts of the menu definition.
#include "CommandTable.h"
#include "MainMenus.h"
#include "MenuLayout.h"
#include "ToolButtonIds.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>

namespace {

TEST(MenuLayout, EveryCommandAndTwinIsAnItemInTableOrderUnderItsMenu)
{
    std::map<TCommandId, std::optional<TCommandId>> parents;
    std::vector<TCommandId> layoutOrder;
    for (const TMenuEntry& entry : MenuLayout()) {
        parents.insert_or_assign(entry.Id, entry.Parent);
        if (entry.Kind == TMenuEntryKind::Command)
            layoutOrder.push_back(entry.Id);
    }
    // The menu or popup that an item ends up in, through its submenus.
    const auto owningMenu = [&](TCommandId Id) {
        while (parents.at(*parents.at(Id)))
            Id = *parents.at(Id);
        return parents.at(Id);
    };
    TVelkMenus menus;
    std::vector<TCommandId> registryOrder;
    int twins = 0;
    for (const TCommandRow& row : CommandRegistry()) {
        if (row.IsHeader())
            continue;
        const TCommandId item = *row.Item;
        registryOrder.push_back(item);
        ASSERT_NO_THROW(menus.Item(item)) << item.Name();
        EXPECT_EQ(owningMenu(item), row.Menu) << item.Name();
        EXPECT_EQ(menus.ShortCut(item), row.MenuShortCut) << item.Name();
        if (row.Twin) {
            ++twins;
            EXPECT_NO_THROW(menus.Item(*row.Twin)) << row.Twin->Name();
        }
    }
    // The twenty of the editor's and the tree's popups, and the tree
    // popup's three whole-tree commands.
    EXPECT_EQ(twins, 23);
    EXPECT_TRUE(layoutOrder == registryOrder);
}

TEST(MenuLayout, AcceleratorsAreUniqueWithinEachMenu)
{
    std::map<std::string_view, std::set<char>> used;
    for (const TMenuEntry& entry : MenuLayout()) {
        if (entry.Accelerator != 0) {
            const std::string_view parent = entry.Parent ? entry.Parent->Name() : "the menu bar";
            EXPECT_TRUE(used[parent].insert(entry.Accelerator).second)
                << entry.Id.Name() << " repeats '" << entry.Accelerator << "' in " << parent;
        }
    }
}

// Names that arrive at run time (the settings file's items, the conversion
// handlers' items) must name an item; an id asked of the wrong table is a
// fault of ours. Neither is skipped in silence.
TEST(MenuLayout, AnUnknownCommandNameFailsLoudly)
{
    TVelkMenus menus;
    EXPECT_EQ(menus.ItemNamed("OpSplit"), menus.Item(Cmd::OpSplit));
    EXPECT_EQ(MenuItemId("pEdZenToHank"), Cmd::pEdZenToHank);
    for (const std::string_view name : {"OpSpilt", "opsplit", "OpSplit ", "", "sbSave"}) {
        EXPECT_THROW(menus.ItemNamed(name), std::invalid_argument) << '"' << name << '"';
        EXPECT_THROW(MenuItemId(name), std::invalid_argument) << '"' << name << '"';
    }
    EXPECT_THROW(menus.Item(Cmd::sbSave), std::logic_error) << "a toolbar button is no menu item";
    EXPECT_THROW(menus.Popup(Cmd::FileTop), std::logic_error) << "a menu of the bar is no popup";
    EXPECT_THROW(CommandRow(Cmd::FlHtmlSave), std::logic_error) << "a fixed item is no command of the table";
}

} // namespace

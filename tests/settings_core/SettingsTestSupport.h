// A stand-in for the main window's menu items in the settings tests.
#pragma once

#include "CommandTable.h"
#include "SubKeyIni.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

// The menu items of the command registry and their twins, each holding the
// shortcut the menu definition gives it. Asking for an item the menus do
// not have fails the test.
class TMenuItems final : public IShortCutTarget {
public:
    TMenuItems()
    {
        for (const TCommandRow& row : CommandRegistry()) {
            if (row.IsHeader())
                continue;
            Items_[std::string(row.Item->Name())] = row.MenuShortCut;
            if (row.Twin)
                Items_[std::string(row.Twin->Name())] = 0;
        }
    }
    TShortCut ShortCut(TCommandId Item) const override { return ShortCut(Item.Name()); }
    void SetShortCut(TCommandId Item, TShortCut Value) override { SetShortCut(Item.Name(), Value); }
    // The same by the item's name, as the tests' tables give it.
    TShortCut ShortCut(std::string_view ItemName) const { return *Find(ItemName); }
    void SetShortCut(std::string_view ItemName, TShortCut Value) { *Find(ItemName) = Value; }

    const std::map<std::string, TShortCut, std::less<>>& Items() const { return Items_; }

private:
    TShortCut* Find(std::string_view ItemName) const
    {
        static TShortCut unknown;
        const auto item = Items_.find(ItemName);
        if (item != Items_.end())
            return &item->second;
        ADD_FAILURE() << "no menu item " << ItemName;
        return &(unknown = 0);
    }

    mutable std::map<std::string, TShortCut, std::less<>> Items_;
};

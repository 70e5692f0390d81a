#include "SettingsTestSupport.h"

#include "CommandTable.h"

#include <gtest/gtest.h>

TMenuItems::TMenuItems()
{
    for (const TCommandRow& row : CommandRegistry()) {
        if (row.IsHeader())
            continue;
        Items_[std::string(row.ItemName)] = row.MenuShortCut;
        if (!row.Twin.empty())
            Items_[std::string(row.Twin)] = 0;
    }
}

TShortCut TMenuItems::ShortCut(std::string_view ItemName) const
{
    const auto item = Items_.find(ItemName);
    if (item == Items_.end()) {
        ADD_FAILURE() << "no menu item " << ItemName;
        return 0;
    }
    return item->second;
}

void TMenuItems::SetShortCut(std::string_view ItemName, TShortCut Value)
{
    const auto item = Items_.find(ItemName);
    if (item == Items_.end()) {
        ADD_FAILURE() << "no menu item " << ItemName;
        return;
    }
    item->second = Value;
}

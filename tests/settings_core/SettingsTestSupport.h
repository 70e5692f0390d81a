// A stand-in for the main window's menu items in the settings tests.
#pragma once

#include "SubKeyIni.h"

#include <map>
#include <string>
#include <string_view>

// The menu items of the command registry and their twins, each holding the
// shortcut the menu definition gives it. Asking for an item the menus do
// not have fails the test.
class TMenuItems final : public IShortCutTarget {
public:
    TMenuItems();

    TShortCut ShortCut(std::string_view ItemName) const override;
    void SetShortCut(std::string_view ItemName, TShortCut Value) override;

    const std::map<std::string, TShortCut, std::less<>>& Items() const { return Items_; }

private:
    std::map<std::string, TShortCut, std::less<>> Items_;
};

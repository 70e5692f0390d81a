// Shared pieces of the settings tests: a scratch folder and a stand-in for
// the main window's menu items.
#pragma once

#include "SubKeyIni.h"

#include <map>
#include <string>
#include <string_view>

// A fresh folder, removed with everything in it when the object goes.
class TTempFolder {
public:
    TTempFolder();
    ~TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    // The folder, ending in "/".
    const std::string& Path() const { return Path_; }
    std::string File(std::string_view Name) const { return Path_ + std::string(Name); }

private:
    std::string Path_;
};

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

// The main window's menus built from the menu layout: the menu bar, the
// popup menus and every item by name. The key file reads and writes the
// items' shortcuts through it.
#pragma once

#include "Menus.h"
#include "SubKeyIni.h"

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>

// A menu item's name and what it runs.
using TCommandBinding = std::pair<std::string_view, std::function<void()>>;

class TVelkMenus : public IShortCutTarget {
public:
    // Every item with its caption, "&" accelerator and the shortcut of the
    // menu definition; no handlers yet.
    TVelkMenus();
    ~TVelkMenus();
    TVelkMenus(const TVelkMenus&) = delete;
    TVelkMenus& operator=(const TVelkMenus&) = delete;

    TMainMenu& MainMenu() { return MainMenu_; }
    // A popup menu by name ("EditPopupMenu"); null for an unknown name.
    TPopupMenu* Popup(std::string_view Name) const;
    // An item by name: a menu of the bar, a submenu, a command, a twin or
    // a fixed item; null for an unknown name.
    TMenuItem* Item(std::string_view Name) const;
    // Gives the items their handlers and enables them.
    void Bind(std::span<const TCommandBinding> Items) const;

    TShortCut ShortCut(std::string_view ItemName) const override;
    // Unknown names are ignored: a key file may name commands this version
    // does not have.
    void SetShortCut(std::string_view ItemName, TShortCut Value) override;

private:
    TMenuItem* Add(TMenuItem& Parent, std::string_view Name, const QString& Caption);

    TMainMenu MainMenu_;
    std::map<std::string, std::unique_ptr<TPopupMenu>, std::less<>> Popups_;
    std::map<std::string, TMenuItem*, std::less<>> Items_;
};

// The main window's menus built from the menu layout: the menu bar, the
// popup menus and every item by its id. The key file reads and writes the
// items' shortcuts through it.
#pragma once

#include "MenuItemIds.h"
#include "Menus.h"
#include "SubKeyIni.h"

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>

// A menu item and what it runs.
using TCommandBinding = std::pair<TCommandId, std::function<void()>>;

class TVelkMenus : public IShortCutTarget {
public:
    // Every item with its caption, "&" accelerator and the shortcut of the
    // menu definition; no handlers yet.
    TVelkMenus();
    ~TVelkMenus();
    TVelkMenus(const TVelkMenus&) = delete;
    TVelkMenus& operator=(const TVelkMenus&) = delete;

    TMainMenu& MainMenu() { return MainMenu_; }
    // A popup menu (Cmd::EditPopupMenu); never null.
    TPopupMenu* Popup(TCommandId Id) const;
    // How many sub-icons a page may be given: ImagePopupMenu's items after
    // its "none".
    int SubIconCount() const;
    // An item: a menu of the bar, a submenu, a command, a twin, a fixed item
    // or a separator; never null. An id the menus lack, a toolbar button's,
    // throws std::logic_error.
    TMenuItem* Item(TCommandId Id) const;
    // The item named Name ("OpSplit"), for names read at run time; throws
    // std::invalid_argument for a name no item has.
    TMenuItem* ItemNamed(std::string_view Name) const;
    // Gives the items their handlers and enables them.
    void Bind(std::span<const TCommandBinding> Items) const;

    TShortCut ShortCut(TCommandId Id) const override;
    void SetShortCut(TCommandId Id, TShortCut Value) override;

private:
    TMenuItem* Add(TMenuItem& Parent, TCommandId Id, const QString& Caption);

    TMainMenu MainMenu_;
    std::map<std::string, std::unique_ptr<TPopupMenu>, std::less<>> Popups_;
    std::map<std::string, TMenuItem*, std::less<>> Items_;
};

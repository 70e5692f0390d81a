// Where every menu item of the main window sits: the menu bar's six menus,
// the popup menus, their submenus, separators, the commands of the command
// table with their popup twins, and the fixed items outside that table.
// One table in menu order gives each item its parent and its "&"
// accelerator; the commands keep the command table's order (its groups in
// turn), which the layout test checks.
#pragma once

#include "MenuItemIds.h"
#include "VirtualKeys.h"

#include <optional>
#include <span>
#include <string_view>

enum class TMenuEntryKind {
    Menu,    // a menu of the menu bar
    Popup,   // a context or drop-down menu
    SubMenu, // an item that opens a submenu
    Command, // a command of the command table
    Twin,    // a popup item that runs and shares the shortcut of Source
    Item,    // a fixed item outside the command table
    Line,    // a separator
};

struct TMenuEntry {
    TMenuEntryKind Kind;
    TCommandId Id;
    // The menu, popup or submenu that holds it; none for a menu or popup.
    std::optional<TCommandId> Parent;
    // UTF-8, without the accelerator; for a command or a twin only where
    // its menu caption differs from the key dialog's (see MenuCaption).
    std::string_view Caption;
    // The letter after "&"; 0 for none.
    char Accelerator = 0;
    // A fixed item's own shortcut.
    TShortCut ShortCut = 0;
    // A twin's main-menu item.
    std::optional<TCommandId> Source = std::nullopt;
};

std::span<const TMenuEntry> MenuLayout();

// The caption Entry shows in its menu, without the accelerator: its own;
// for a twin without one, its source's menu caption; for a command without
// one, the caption the key dialog lists it under. Throws std::logic_error
// for a command the command table lacks.
std::string_view MenuCaption(const TMenuEntry& Entry);

// The id of the item named Name ("pEdZenToHank"), for names made at run
// time; throws std::invalid_argument for a name no item has.
TCommandId MenuItemId(std::string_view Name);

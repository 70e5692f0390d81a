// The main window's commands in one declarative table: each command's
// menu item, the menu that holds it, its caption, its key in the key file,
// its shortcuts and its popup twin. The main window builds its menus from
// it in table order (groups in the order of their header rows); the key
// file and the key dialog take their vocabulary from it.
#pragma once

#include "CommandIds.h"
#include "VirtualKeys.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

struct TCommandRow {
    // The menu item (Cmd::FlNew); none on a group-header row.
    std::optional<TCommandId> Item;
    // The menu or popup menu that holds it, through its submenus
    // (Cmd::FileTop); none on a header row.
    std::optional<TCommandId> Menu;
    // UTF-8. The caption the key dialog lists the command under, and its
    // menu caption unless the menu layout gives another; on a header row,
    // the group's title.
    std::string_view Caption;
    // The entry in the key file's [ShortcutKey]; empty for a command the
    // user cannot rebind.
    std::string_view Key;
    // The shortcut the command gets while no key file has been saved.
    TShortCut Default = 0;
    // The shortcut the menu definition gives the item.
    TShortCut MenuShortCut = 0;
    // The popup-menu item that always carries the same shortcut, if any.
    std::optional<TCommandId> Twin;

    bool IsHeader() const { return !Item; }
    bool IsKeyed() const { return !Key.empty(); }
};

// Every row, in menu order: eight group headers, the 152 commands the user
// can rebind and the few commands that only lend their shortcut to a twin.
std::span<const TCommandRow> CommandRegistry();

// The key dialog's 160 rows: the headers and the rebindable commands, in
// registry order. Row numbers index this list.
const std::vector<const TCommandRow*>& KeyDialogRows();

// The command row of Item; throws std::logic_error when the table lacks it.
const TCommandRow& CommandRow(TCommandId Item);

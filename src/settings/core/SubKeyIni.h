// The key file: the user's shortcuts for the rebindable commands, stored
// as [ShortcutKey] <key>=<shortcut text>, with the marker
// [Activation] First=IsFirst once the program has saved it.
#pragma once

#include "CommandId.h"
#include "SubIni.h"
#include "VirtualKeys.h"

#include <string>
#include <string_view>

// The menu items whose shortcuts the key file holds (Cmd::FlNew,
// Cmd::pEdCopy). The main window implements it over its menus.
class IShortCutTarget {
public:
    virtual TShortCut ShortCut(TCommandId Item) const = 0;
    virtual void SetShortCut(TCommandId Item, TShortCut Value) = 0;

protected:
    ~IShortCutTarget() = default;
};

// Sets the shortcuts of the rebindable commands from the key file, then
// gives every popup twin its main item's shortcut. A missing or unreadable
// file reads as empty. An entry's text wins when it names a key (a text
// that names none gives no shortcut). An entry present but empty means no
// shortcut once the file carries the marker; without the marker, empty and
// missing entries take the built-in defaults. A missing entry in a marked
// file keeps the menu definition's shortcut.
void LoadKeyIni(IShortCutTarget& Target, const std::string& FileName = KeyFilePath());

// Writes the marker and one entry per rebindable command (empty for none),
// replacing [ShortcutKey] whole and keeping the file's other sections. The
// file is replaced in one step: on failure it stays as it was and
// EIniFileException is raised.
void SaveKeyIni(const IShortCutTarget& Target, const std::string& FileName = KeyFilePath());

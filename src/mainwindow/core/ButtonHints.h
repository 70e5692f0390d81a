// The toolbar buttons' hints: a label followed by the shortcut of the menu
// item that runs the same command, so a rebound key shows in the hint.
#pragma once

#include "MenuItemIds.h"
#include "ToolButtonIds.h"
#include "VirtualKeys.h"

#include <span>
#include <string>
#include <string_view>

struct TButtonHint {
    TCommandId Button;      // Cmd::sbOpen
    std::string_view Label; // UTF-8, ending in a blank: "ファイルを開く "
    TCommandId MenuItem;    // Cmd::FlOpen
};

std::span<const TButtonHint> ButtonHintTable();

// Label + the shortcut's text ("ファイルを開く Ctrl+O"); the label alone,
// with its blank, when the item has no shortcut. UTF-8.
std::string ButtonHintText(const TButtonHint& Hint, TShortCut ShortCut);

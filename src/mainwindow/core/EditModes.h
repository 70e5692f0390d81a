// The document's edit modes: how each colours the page and which word list
// it reads.
#pragma once

#include "MenuItemIds.h"

#include <string>
#include <string_view>

enum class TStrColour { Unchanged, Ank, Str };

struct TEditModeInfo {
    int Value;                 // stored in the document: 0 Text .. 5 HTML, 6 User
    TCommandId Item;           // its radio item
    std::string_view Label;    // shown on the font toolbar
    std::string_view WordFile; // beside the program; empty: none
    bool ClearsWords;          // Text empties the word list; HTML keeps it
    bool Html;                 // colours with the HTML scheme, leaves the view alone
    TStrColour StrColour;
    std::string_view Quotation; // the string quote character
};

// Every value outside 0..5 is the user mode.
const TEditModeInfo& EditModeInfo(int EditMode);
// The seven modes in menu order.
const TEditModeInfo* EditModes();
inline constexpr int EditModeCount = 7;

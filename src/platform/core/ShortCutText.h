// Shortcuts as the menus, the key dialog and the key file write them:
// the prefixes "Shift+", "Ctrl+" and "Alt+" in this order, then the key's
// name ("Ctrl+N", "Shift+Ctrl+Del", "F3", "Ctrl+."). Key names are letters
// and digits, "F1" to "F12", "BkSp", "Tab", "Esc", "Enter", "Space",
// "PgUp", "PgDn", "End", "Home", "Left", "Up", "Right", "Down", "Ins",
// "Del", and for a punctuation key the character it carries on a Japanese
// keyboard (@ [ ] ; : , . \ / - ^).
#pragma once

#include "VirtualKeys.h"

#include <string>
#include <string_view>

// The empty text for no shortcut, and for a key that has no name.
std::string ShortCutToText(TShortCut ShortCut);

// The shortcut a text names, 0 when it names none ("UnDefined", "",
// "Ctrl+Foo"). Prefixes may come in any order and letter case is ignored,
// so a hand-edited "ctrl+shift+n" is Shift+Ctrl+N.
TShortCut TextToShortCut(std::string_view Text);

// What the key dialog offers and how it draws it, apart from its widgets:
// the seven candidate sets the modifier boxes choose, the colour of a
// candidate, and the keys a Linux desktop or input method usually takes
// before the program sees them.
#pragma once

#include "Graphics.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The key column's text for a command without a shortcut; the first
// candidate of every set, which clears a command's key.
inline constexpr std::string_view UnDefinedKey = "UnDefined";

// The set the boxes choose: none 0, Ctrl 1, Ctrl and Shift 2, Shift 3,
// Ctrl and Alt 4, Alt 5, Shift and Alt 6; -1 for all three, which no key
// combines.
int KeySetIndexOf(bool Ctrl, bool Shift, bool Alt);

// Set Index (0 to 6): "UnDefined", then the set's keys in the program's
// shortcut text ("Shift+Ctrl+A").
const std::vector<std::string>& KeyCandidates(int Index);

// The lines shown, greyed, in place of a set when all three boxes are
// checked (UTF-8).
std::span<const std::string_view> NoCombinationLines();

// How a candidate is drawn. Greyed when the list is disabled or no command
// row is selected; else a key another row has is red (light red when it is
// the selected candidate), and the rest black, or SelText when selected.
TColor CandidateTextColor(bool Greyed, bool Selected, bool Taken, TColor SelText);

// A warning (UTF-8) for a shortcut that input methods or desktops on Linux
// usually keep for themselves, so it may never reach the program; "" for
// any other.
std::string DesktopKeyNote(std::string_view KeyText);

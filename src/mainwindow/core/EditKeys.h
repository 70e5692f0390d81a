// What the page editor's own keys of the main window do to text: the
// indent Enter carries over, the enclosures of the keypad keys, the
// numbering styles, and the key column of the line sort.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The leading run of half-width blanks, TABs and full-width blanks "　" of
// Line, no longer than its first CaretIndex bytes (never half a character).
std::string AutoIndentOf(std::string_view Line, int CaretIndex);

// What Ctrl with a keypad digit puts around the selection.
struct TEnclosure {
    std::string_view Before, After;
};
// Keypad 1 to 5; none for any other key.
std::optional<TEnclosure> KeypadEnclosure(uint16_t Key);

// The numbering style Ctrl with keypad 7 or 8 chooses.
struct TNumberingStyle {
    std::string_view Before, After;
    bool Indent;
};
std::optional<TNumberingStyle> KeypadNumbering(uint16_t Key);

// The editor's plain (not regular-expression) search over Shift-JIS text:
// case folding of ASCII and full-width letters, half-width and full-width
// forms taken as equal, line breaks and blanks passed over inside a match,
// and whole words, forwards or backwards.
//
// Case folding never looks at a byte inside a double-byte character on
// its own: single-byte characters fold by ASCII, double-byte ones only by
// the full-width case pairs (Latin, Greek, Cyrillic, small Roman
// numerals), so "ア" (83 41) never equals "ヂ" (83 61).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The option word of the plain search.
using TEditorSearchOptions = uint16_t;
constexpr TEditorSearchOptions esDown = 0x0001;             // forwards; clear: backwards
constexpr TEditorSearchOptions esMatchCase = 0x0002;        // clear: fold ASCII and full-width letters
constexpr TEditorSearchOptions esWholeWord = 0x0004;        // only at word boundaries
constexpr TEditorSearchOptions esIgnoreWidth = 0x0008;      // half-width and full-width forms equal
constexpr TEditorSearchOptions esIgnoreLineBreaks = 0x0080; // CR and LF of the text skipped inside a match
constexpr TEditorSearchOptions esIgnoreBlanks = 0x0100;     // TAB, space, full-width space skipped inside a match

// A place in a text: byte offset and length.
struct TSearchPos {
    int Start = 0;
    int Length = 0;
};

// Looks for Pattern in Text. Forwards the search starts after Pos (at
// Start + Length); backwards a hit ends at Start at the latest and the
// nearest one is found. On a hit Pos becomes the hit (its Length counts
// the bytes skipped inside it) and the result is true. An empty pattern,
// a negative Start or Length, or a Start past the text finds nothing.
bool SearchText(std::string_view Text, TSearchPos& Pos, std::string_view Pattern, TEditorSearchOptions Options);

// S with its single-byte characters in full-width form: ASCII and the
// half-width katakana, a half-width kana with its voiced or semi-voiced
// mark as one character. Double-byte characters are kept.
std::string ToFullWidth(std::string_view S);

// The column model every column computation of the editor shares: a row's
// bytes become one attribute character per display column, with tabs
// expanded to their tab stops and double-byte characters two columns wide.
// The editor's members (ExpandTabs, ExpandedWidth, LeadingBlankWidth)
// forward here with their tab size, wrap state and delimiter set.
#pragma once

#include <bitset>
#include <string>
#include <string_view>

// One bit per byte value: set for a single-byte word delimiter.
using TDelimiters = std::bitset<256>;

// The editor's default delimiters: 0x00-0x20, ASCII punctuation except "_",
// 0x7F, 0x80, 0xA0-0xA5 and 0xFD-0xFF.
const TDelimiters& DefaultDelimiterSet();

// What a column holds, one character per display column.
namespace ca {
constexpr char End = '0';       // past the end (the cursor's view only)
constexpr char Word = '1';      // a single-byte character that is no delimiter
constexpr char Delimiter = '2'; // a single-byte delimiter, a tab's first column,
                                // or a lead byte with no trail byte after it
constexpr char TabFill = '3';   // the fill of an expanded tab
constexpr char Lead = '4';      // the first byte of a double-byte character
constexpr char Trail = '5';     // its second byte
} // namespace ca

struct TColumnModel {
    int TabSize = 8;
    bool WordWrap = false;
    int WrapByte = 80;
    const TDelimiters* Delimiters = &DefaultDelimiterSet();

    // The columns a tab starting at column Col (0-based) takes, its own
    // first column included: to the next tab stop, and with word wrap on
    // never past the next multiple of WrapByte.
    int TabWidth(int Col) const;
    // ExpandTabs stops once this many columns are made.
    int ColumnLimit() const { return WordWrap ? WrapByte + 3 : 1000; }
};

// The column attributes of S into Attributes (replaced), stopping at the
// model's column limit or the end of S. Hot paths pass a reused buffer.
void ExpandTabs(std::string_view S, const TColumnModel& Model, std::string& Attributes);
std::string ExpandTabs(std::string_view S, const TColumnModel& Model);

// The display width of S by the same tab-stop rule, with no column limit.
int ExpandedWidth(std::string_view S, const TColumnModel& Model);

// The byte index of the character at display column Col (0-based): a
// trail-byte column counts as its character, a tab-fill column as its tab;
// the index is the column less the fill columns before it, at most the
// length of S.
int ColumnToCharIndex(std::string_view S, int Col, const TColumnModel& Model);

// The display width of the blanks that begin S: a full-width space counts
// 2, a space 1, a tab runs to its tab stop; -1 for an empty S. (The byte
// count of leading blanks is edUtils' LeadingBlankWidth.)
int LeadingBlankColumns(std::string_view S, const TColumnModel& Model);

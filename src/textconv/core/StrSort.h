// Sorting the lines of a list by a key column.
#pragma once

#include <string>
#include <string_view>

class TStrings;

namespace textconv {

// Sorts the lines in place by their text from the 1-based byte Column to
// the end, compared byte by byte with the letters of single-byte characters
// upper-cased. Lines with equal keys keep their order. A column before the
// first byte counts as 1; one past a line's end gives it an empty key.
void SortLinesAscending(TStrings& Lines, int Column);
void SortLinesDescending(TStrings& Lines, int Column);

// The lines of Text sorted as above, each ended by CR LF but the last when
// Text's own last line had no line break: sorting never adds one.
std::string SortLinesText(std::string_view Text, int Column, bool Descending);

} // namespace textconv

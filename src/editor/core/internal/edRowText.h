// Bounded access to the rows of the screen-row list, and the small pieces
// the editing commands rebuild rows from. Outside the rows a row is empty,
// as every row accessor of the editor has it.
#pragma once

#include "edScreenStrings.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace edrow {

inline constexpr std::string_view Crlf = "\r\n";

inline bool HasRow(const TEditorScreenStrings& List, int Row) { return Row >= 0 && Row < List.Count(); }

inline std::string_view RowView(const TEditorScreenStrings& List, int Row)
{
    return HasRow(List, Row) ? std::string_view(List.RowText(Row)) : std::string_view();
}

// Count spaces (none for a count below 1).
inline std::string Blanks(int Count) { return std::string(static_cast<size_t>(std::max(Count, 0)), ' '); }

} // namespace edrow

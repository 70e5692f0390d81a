// A page's title is its own first line: cut to 254 bytes without
// splitting a double-byte character, then stripped of leading blanks, TABs
// and dots; "UnTitled" when the page or its first line is empty.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The title of a page that is empty or starts with an empty line.
inline constexpr std::string_view UnTitledTitle = "UnTitled";

// Titles are cut to this many bytes (one more to keep a double-byte
// character whole).
inline constexpr size_t TitleCutBytes = 254;

// S without its leading half-width blanks, TABs and dots.
std::string_view TrimTitle(std::string_view S);

// The first N bytes of S, or N + 1 when byte N starts a double-byte
// character, so that none is split. The text is walked from its start: a
// trail byte that merely has a lead byte's value never extends the cut.
std::string_view CopyLeftDbcs(std::string_view S, size_t N);

// S up to, not including, its first CR; all of S when it has none.
std::string_view FirstLine(std::string_view S);

// The title of a page holding Text.
std::string PageTitle(std::string_view Text);

// The deletions of the deletion commands: line breaks, empty lines, leading
// and trailing blanks, line heads, duplicate lines, ruled-line characters.
// Every routine takes a text and returns a new one. A blank is a half-width
// space or the full-width space "　" taken as a whole character.
#pragma once

#include <string>
#include <string_view>

namespace textconv {

// Every line break removed, however long the text.
std::string DeleteAllLineBreaks(std::string_view Text);
// The line breaks of empty lines removed, so no empty line remains.
std::string DeleteEmptyLines(std::string_view Text);
// Each run of two or more line breaks cut to two (one empty line).
std::string DeleteRepeatedEmptyLines(std::string_view Text);

// Every half-width space removed.
std::string DeleteAllSpaces(std::string_view Text);
// At the start of every line: all half-width spaces, one half-width space,
// all TABs, one TAB, all blanks removed.
std::string DeleteLeadingSpaces(std::string_view Text);
std::string DeleteLeadingSpace(std::string_view Text);
std::string DeleteLeadingTabs(std::string_view Text);
std::string DeleteLeadingTab(std::string_view Text);
std::string DeleteLeadingBlanks(std::string_view Text);
// The blanks before each line break removed; the last line of a text
// without a final line break keeps its trailing blanks.
std::string DeleteTrailingBlanks(std::string_view Text);

// The first Count bytes of one line removed, rounded up to a whole
// character; a Count beyond the line leaves it empty, below 1 unchanged.
std::string DeleteLeadingChars(std::string_view Line, int Count);
// DeleteLeadingChars on every non-empty line; every line of the result ends
// with CR LF. An empty text or a Count below 1 gives the text unchanged.
std::string DeleteLineHeads(std::string_view Text, int Count);
// Every line that equals an earlier one byte for byte removed; every line of
// the result ends with CR LF.
std::string DeleteDuplicateLines(std::string_view Text);

// A CR LF between two double-byte characters removed.
std::string ZenRtnZenDel(std::string_view Text);
// One half-width space between two double-byte characters removed; two
// spaces stay.
std::string ZenSpcZenDel(std::string_view Text);
// The ruled-line characters (lead 0x84, trail 0x9F-0xBE) removed.
std::string ZenKeisenDel(std::string_view Text);

} // namespace textconv

// Tabs and spaces, reversal and word capitals. Columns count bytes from the
// line start (a double-byte character is two columns wide); every routine
// takes a text and returns a new one.
#pragma once

#include <string>
#include <string_view>

namespace textconv {

// Each TAB to the spaces up to the next tab stop. A tab width below 1
// counts as 1.
std::string TabsToSpaces(std::string_view Text, int TabWidth);
// Runs of spaces that reach a tab stop to TABs; a single space right before
// a stop becomes a TAB, spaces short of a stop stay.
std::string SpacesToTabs(std::string_view Text, int TabWidth);
// Each TAB to ",".
std::string TabsToCommas(std::string_view Text);

// The text in reverse character order; a final line break stays at the end.
// A lone lead byte that would pair with the character now after it becomes
// "?" (LoneLead.h).
std::string ReverseText(std::string_view Text);
// Each run of ASCII letters, digits and "." lower-cased with its first
// letter upper-cased; a run that starts with a digit or "." stays all lower
// case.
std::string CapitalizeWords(std::string_view Text);

} // namespace textconv

// Reading the results of the line-layout routines in tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The lines of a Shift-JIS text as UTF-8, split at CR LF. A final CR LF
// ends the last line; a last line without one is marked by a trailing "⏎?"
// entry so that a missing line break shows in the comparison.
std::vector<std::string> UtfLines(std::string_view Sjis);

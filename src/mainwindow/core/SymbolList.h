// The symbols of the font toolbar's chooser, most recently used first, as
// "mark.dat" holds them: one Shift-JIS entry per line, each ending in CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

using TSymbolList = std::vector<std::string>;

// The entries before the user has chosen any.
const TSymbolList& BuiltInSymbols();
// The lines of the file; CR LF, LF or a lone CR end a line, and the end of
// the file ends the last one.
TSymbolList ParseSymbolList(std::string_view Bytes);
std::string SymbolListBytes(const TSymbolList& List);
// The first entry equal to Symbol leaves its place and Symbol goes on top
// (taken by value: it may be one of the entries).
void PromoteSymbol(TSymbolList& List, std::string Symbol);

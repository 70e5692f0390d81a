// The symbols of the font toolbar's chooser, most recently used first, as
// "mark.dat" holds them: one Shift-JIS entry per line, each ending in CR LF.
// The file is read and kept as the settings files are (IniFiles.h): at
// most kIniFileMaxBytes, never replaced when it could not be read or the
// user made it read-only.
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

// Writes List to FileName unless the file holds that list already. Raises
// EFCreateError ("<file> に書き込めません" and why) when the file is there
// but cannot be read, is read-only, would grow past kIniFileMaxBytes, or
// the write fails; the file then stays as it was.
void WriteSymbolFile(const std::string& FileName, const TSymbolList& List);

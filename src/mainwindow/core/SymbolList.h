// The symbols of the font toolbar's chooser, most recently used first, as
// "mark.dat" holds them: one Shift-JIS entry per line, each ending in CR LF.
// The file is read and kept as the settings files are (IniFiles.h): at
// most kIniFileMaxBytes, never replaced when it could not be read or the
// user made it read-only.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The entries in order, kept as one run of bytes and where each ends: a
// file of a million short lines costs a few bytes an entry, not the dozens
// a string apiece would.
class TSymbolList {
public:
    TSymbolList() = default;
    TSymbolList(std::initializer_list<std::string_view> Entries);

    size_t size() const { return Ends_.size(); }
    bool empty() const { return Ends_.empty(); }
    std::string_view operator[](size_t Index) const;
    std::string_view front() const { return (*this)[0]; }
    void push_back(std::string_view Entry);
    // Room for Entries entries of EntryBytes bytes in all.
    void reserve(size_t Entries, size_t EntryBytes);

    friend bool operator==(const TSymbolList&, const TSymbolList&) = default;
    friend void PromoteSymbol(TSymbolList& List, std::string Symbol);

private:
    std::string Bytes_;
    std::vector<uint32_t> Ends_;
};

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

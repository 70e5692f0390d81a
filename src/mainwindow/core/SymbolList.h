// The symbols of the font toolbar's chooser, most recently used first, as
// "mark.dat" holds them: one Shift-JIS entry per line, each ending in CR LF.
// The file is read and kept as the settings files are (IniFiles.h): at
// most kIniFileMaxBytes, never replaced when it could not be read, the
// user made it read-only, or it is not the file the program read.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
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

// The file of the list, as the program reads it and writes it back. The
// list goes back only over the file the program last read or wrote, or
// where there is none: a file made or changed since (the user's own,
// copied in while the program ran; another instance's, written at its
// close) is not the program's to replace, and stays as it is.
class TSymbolFile {
public:
    explicit TSymbolFile(std::string FileName) : FileName_(std::move(FileName)) {}

    const std::string& FileName() const { return FileName_; }
    // The list the file holds, in List: 0; ENOENT, List left as it was; or
    // the errno of why it is there but cannot be read (ReadSettingsFile).
    int Read(TSymbolList& List);
    // Writes List unless the file holds that list already, or is not the
    // one last read or written. Raises EFCreateError ("<file> に書き込めま
    // せん" and why) when the file could not be read at the last read, or
    // is there but cannot be read now, is read-only, would grow past
    // kIniFileMaxBytes, or the write fails; the file then stays as it was.
    void Write(const TSymbolList& List);

private:
    std::string FileName_;
    // A digest of the bytes last read or written; none before the first
    // read, and while the last read found no file.
    std::optional<size_t> Seen_;
    // Why the file, there at the last read, could not be read
    // (KeptUnreadReason); empty when it was read or missing.
    std::string Unread_;
};

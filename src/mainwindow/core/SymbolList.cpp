#include "SymbolList.h"

#include "Cp932.h"
#include "Files.h"
#include "IniFiles.h"

#include <algorithm>
#include <cerrno>
#include <functional>
#include <limits>
#include <stdexcept>

namespace {

// Calls Entry for each line of Bytes.
template <typename F>
void ForEachLine(std::string_view Bytes, F Entry)
{
    size_t start = 0;
    while (start < Bytes.size()) {
        const size_t end = std::min(Bytes.find_first_of("\r\n", start), Bytes.size());
        Entry(Bytes.substr(start, end - start));
        start = end + (Bytes.substr(end, 2) == "\r\n" ? 2 : 1);
    }
}

size_t Digest(std::string_view Bytes) { return std::hash<std::string_view>{}(Bytes); }

} // namespace

TSymbolList::TSymbolList(std::initializer_list<std::string_view> Entries)
{
    for (const std::string_view entry : Entries)
        push_back(entry);
}

std::string_view TSymbolList::operator[](size_t Index) const
{
    const size_t start = Index == 0 ? 0 : Ends_[Index - 1];
    return std::string_view(Bytes_).substr(start, Ends_[Index] - start);
}

void TSymbolList::reserve(size_t Entries, size_t EntryBytes)
{
    Ends_.reserve(Entries);
    Bytes_.reserve(EntryBytes);
}

void TSymbolList::push_back(std::string_view Entry)
{
    if (Entry.size() > std::numeric_limits<uint32_t>::max() - Bytes_.size())
        throw std::length_error("The symbol list is too long");
    Bytes_ += Entry;
    Ends_.push_back(static_cast<uint32_t>(Bytes_.size()));
}

const TSymbolList& BuiltInSymbols()
{
    static const TSymbolList symbols = [] {
        TSymbolList list;
        for (const char* symbol : {"□", "■", "◇", "◆", "▽", "▼", "☆", "★", "○", "●", "△", "▲", "※", "//", "⇒"})
            list.push_back(Utf8ToSjis(symbol));
        return list;
    }();
    return symbols;
}

TSymbolList ParseSymbolList(std::string_view Bytes)
{
    // Counted first, so that the list takes no more room than it holds.
    size_t entries = 0;
    size_t entryBytes = 0;
    ForEachLine(Bytes, [&](std::string_view Line) {
        ++entries;
        entryBytes += Line.size();
    });
    TSymbolList list;
    list.reserve(entries, entryBytes);
    ForEachLine(Bytes, [&](std::string_view Line) { list.push_back(Line); });
    return list;
}

std::string SymbolListBytes(const TSymbolList& List)
{
    std::string bytes;
    for (size_t i = 0; i < List.size(); ++i)
        bytes.append(List[i]).append("\r\n");
    return bytes;
}

void PromoteSymbol(TSymbolList& List, std::string Symbol)
{
    size_t found = 0;
    while (found < List.size() && List[found] != Symbol)
        ++found;
    // The entries before the one found move back by Symbol's length; the
    // ones after it stay where they end.
    const auto length = static_cast<uint32_t>(Symbol.size());
    if (found < List.size()) {
        List.Bytes_.erase(found == 0 ? 0 : List.Ends_[found - 1], length);
        List.Ends_.erase(List.Ends_.begin() + static_cast<ptrdiff_t>(found));
    } else if (Symbol.size() > std::numeric_limits<uint32_t>::max() - List.Bytes_.size()) {
        throw std::length_error("The symbol list is too long");
    }
    for (size_t i = 0; i < found; ++i)
        List.Ends_[i] += length;
    List.Bytes_.insert(0, Symbol);
    List.Ends_.insert(List.Ends_.begin(), length);
}

int TSymbolFile::Read(TSymbolList& List)
{
    std::string bytes;
    const int error = ReadSettingsFile(FileName_, bytes);
    if (error != 0 && error != ENOENT) {
        Unread_ = KeptUnreadReason(error);
        return error;
    }
    Unread_.clear();
    Seen_.reset();
    if (error == 0) {
        Seen_ = Digest(bytes);
        List = ParseSymbolList(bytes);
    }
    return error;
}

void TSymbolFile::Write(const TSymbolList& List)
{
    if (!Unread_.empty())
        throw EFCreateError(CannotWriteMessage(FileName_, Unread_));
    std::string old;
    const int error = ReadSettingsFile(FileName_, old);
    if (error != 0 && error != ENOENT)
        throw EFCreateError(CannotWriteMessage(FileName_, KeptUnreadReason(error)));
    // A file that holds the list already is left alone, read-only or not,
    // and so is one someone else wrote; a file gone holds nothing to lose.
    if (error == 0 && (Digest(old) != Seen_ || ParseSymbolList(old) == List))
        return;
    const std::string bytes = SymbolListBytes(List);
    std::string why;
    if (IsKeptReadOnly(FileName_))
        why = KeptReadOnlyReason();
    else if (bytes.size() > kIniFileMaxBytes)
        why = KeptPastCapReason();
    else
        try {
            WriteFileAtomic(FileName_, bytes);
            Seen_ = Digest(bytes);
            return;
        } catch (const EFWriteError& E) {
            why = E.Reason();
        }
    throw EFCreateError(CannotWriteMessage(FileName_, why));
}

#include "SymbolList.h"

#include "Cp932.h"
#include "Files.h"
#include "IniFiles.h"

#include <algorithm>
#include <cerrno>

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
    TSymbolList list;
    size_t start = 0;
    while (start < Bytes.size()) {
        const size_t end = std::min(Bytes.find_first_of("\r\n", start), Bytes.size());
        list.emplace_back(Bytes.substr(start, end - start));
        start = end + (Bytes.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return list;
}

std::string SymbolListBytes(const TSymbolList& List)
{
    std::string bytes;
    for (const std::string& symbol : List)
        bytes += symbol + "\r\n";
    return bytes;
}

void PromoteSymbol(TSymbolList& List, std::string Symbol)
{
    const auto found = std::find(List.begin(), List.end(), Symbol);
    if (found != List.end())
        List.erase(found);
    List.insert(List.begin(), std::move(Symbol));
}

void WriteSymbolFile(const std::string& FileName, const TSymbolList& List)
{
    std::string old;
    const int error = ReadSettingsFile(FileName, old);
    // Unchanged, the file is left alone, read-only or not.
    if (error == 0 && ParseSymbolList(old) == List)
        return;
    const std::string bytes = SymbolListBytes(List);
    std::string why;
    if (error != 0 && error != ENOENT)
        why = KeptUnreadReason(error);
    else if (IsKeptReadOnly(FileName))
        why = KeptReadOnlyReason();
    else if (bytes.size() > kIniFileMaxBytes)
        why = KeptPastCapReason();
    else
        try {
            WriteFileAtomic(FileName, bytes);
            return;
        } catch (const EFWriteError& E) {
            why = E.Reason();
        }
    throw EFCreateError(CannotWriteMessage(FileName, why));
}

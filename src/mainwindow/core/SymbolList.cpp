#include "SymbolList.h"

#include "Cp932.h"

#include <algorithm>

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

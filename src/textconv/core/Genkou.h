// The manuscript-paper count: how many sheets of Chars characters by Lines
// lines a text fills, a half-width character counting as half a character
// and a line holding only a line break as a line.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace textconv {

struct TSheetCount {
    int Sheets = 0;
    int LastLines = 0; // lines on the last sheet
};

// Chars and Lines below 1 count as 1.
TSheetCount CountSheetLines(std::string_view Text, int Chars, int Lines);

// The seven lines of the count window (UTF-8), in the order LbGPage,
// LbGPageUnder, LbGFile, LbHPage, LbHPageUnder, LbHFile, Label2: the page,
// the page with the pages below it (empty when there are none) and the
// whole file, first on 400-character manuscript paper (20 x 20), then as a
// book of BookMoji characters by BookLine lines, and the book's format.
std::array<std::string, 7> GenkouTexts(std::string_view Page, const std::optional<std::string>& Subtree,
                                       std::string_view File, int BookMoji, int BookLine);

} // namespace textconv

#include "EditorExFold.h"

#include "edCaseFold.h"

#include "RegExpPattern.h"
#include "Sjis.h"

#include <algorithm>
#include <cstdio>

namespace {

// A code as a four-digit hex escape: it stands alone wherever it goes (a
// plain letter could be read as one more digit of a hex escape before it).
void AppendEscaped(uint16_t Code, std::string& Out)
{
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\x%04X", static_cast<unsigned>(Code));
    Out += escape;
}

// The capitals of the small letters in [Low, High], as class items. They go
// after the item they come from: an item is never followed by "-" except in
// "-]", so nothing after them can turn them into a range.
void AppendCapitalImages(uint16_t Low, uint16_t High, std::string& Out)
{
    for (const TCaseFoldRange& range : CaseFoldRanges()) {
        const uint16_t first = std::max(Low, range.Low);
        const uint16_t last = std::min(High, range.High);
        if (first > last)
            continue;
        AppendEscaped(FoldCase(first), Out);
        if (last > first) {
            Out += '-';
            AppendEscaped(FoldCase(last), Out);
        }
    }
}

} // namespace

void FoldTextInto(std::string_view Text, std::string& Folded)
{
    Folded.assign(Text);
    for (size_t pos = 0; pos < Folded.size();) {
        const size_t len = sjis::CharLen(Folded, pos);
        const uint16_t code = sjis::CharCode(Folded, pos);
        const uint16_t folded = FoldCase(code);
        if (folded != code) {
            if (len == 2)
                Folded[pos++] = static_cast<char>(folded >> 8);
            Folded[pos++] = static_cast<char>(folded & 0xFF);
        } else {
            pos += len;
        }
    }
}

std::string FoldRegExpPattern(std::string_view Pattern)
{
    using enum TPatternPiece::TKind;
    std::string out;
    out.reserve(Pattern.size() + 16);
    for (const TPatternPiece& piece : PatternPieces(Pattern)) {
        if (piece.Kind == Literal && FoldCase(piece.Low) != piece.Low) {
            AppendEscaped(FoldCase(piece.Low), out);
            continue;
        }
        out += piece.Text;
        if (piece.Kind == ClassItem)
            AppendCapitalImages(piece.Low, piece.High, out);
    }
    return out;
}

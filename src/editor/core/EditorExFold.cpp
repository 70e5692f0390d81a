#include "EditorExFold.h"

#include "REScanner.h"
#include "Sjis.h"

#include <algorithm>
#include <cstdio>

namespace {

bool IsUpperAscii(uint16_t Code) { return Code >= 'A' && Code <= 'Z'; }

constexpr uint16_t ToLower(uint16_t Code) { return static_cast<uint16_t>(Code + ('a' - 'A')); }

// A code as a four-digit hex escape: it stands alone wherever it goes (a
// plain letter could be read as one more digit of a hex escape before it).
void AppendEscaped(uint16_t Code, std::string& Out)
{
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\x%04X", static_cast<unsigned>(Code));
    Out += escape;
}

// The lower-case letters of the upper-case ones in [Low, High], as a class
// item. It goes after the item it comes from: an item is never followed by
// "-" except in "-]", so nothing after it can turn it into a range.
void AppendLowerImage(uint16_t Low, uint16_t High, std::string& Out)
{
    const uint16_t first = std::max<uint16_t>(Low, 'A');
    const uint16_t last = std::min<uint16_t>(High, 'Z');
    if (first > last)
        return;
    AppendEscaped(ToLower(first), Out);
    if (last > first) {
        Out += '-';
        AppendEscaped(ToLower(last), Out);
    }
}

} // namespace

void FoldTextInto(std::string_view Text, std::string& Folded)
{
    Folded.assign(Text);
    for (size_t pos = 0; pos < Folded.size();) {
        const size_t len = sjis::CharLen(Folded, pos);
        if (len == 1 && IsUpperAscii(static_cast<unsigned char>(Folded[pos])))
            Folded[pos] = static_cast<char>(ToLower(static_cast<unsigned char>(Folded[pos])));
        pos += len;
    }
}

std::string FoldRegExpPattern(std::string_view Pattern)
{
    TREScanner scanner(Pattern);
    std::string out;
    out.reserve(Pattern.size() + 16);
    bool inClass = false;
    for (TTokenKind kind = scanner.GetToken(); kind != tkEnd; kind = scanner.GetToken()) {
        const uint16_t code = scanner.TokenChar();
        if (!inClass && kind == tkChar && IsUpperAscii(code)) {
            AppendEscaped(ToLower(code), out);
            continue;
        }
        out += Pattern.substr(scanner.TokenStart(), scanner.Index() - scanner.TokenStart());
        if (inClass && (kind == tkChar || kind == tkRange))
            AppendLowerImage(code, kind == tkRange ? scanner.TokenHigh() : code, out);
        if (kind == tkLBracket || kind == tkLBracketNeg)
            inClass = true;
        else if (kind == tkRBracket)
            inClass = false;
    }
    return out;
}

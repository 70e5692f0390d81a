#include "RegExpPattern.h"

#include "REParser.h"
#include "REScanner.h"

std::vector<TPatternPiece> PatternPieces(std::string_view Pattern)
{
    using enum TPatternPiece::TKind;
    TREScanner scanner(Pattern);
    std::vector<TPatternPiece> pieces;
    bool inClass = false;
    for (TTokenKind kind = scanner.GetToken(); kind != tkEnd; kind = scanner.GetToken()) {
        const std::string_view text = Pattern.substr(scanner.TokenStart(), scanner.Index() - scanner.TokenStart());
        const uint16_t low = scanner.TokenChar();
        if (kind == tkChar && !inClass)
            pieces.push_back({Literal, low, low, text});
        else if (kind == tkChar || kind == tkRange)
            pieces.push_back({ClassItem, low, kind == tkRange ? scanner.TokenHigh() : low, text});
        else
            pieces.push_back({Other, 0, 0, text});
        if (kind == tkLBracket || kind == tkLBracketNeg)
            inClass = true;
        else if (kind == tkRBracket)
            inClass = false;
    }
    return pieces;
}

void CheckRegExpSyntax(std::string_view Pattern) { TREParser(Pattern).Run(); }

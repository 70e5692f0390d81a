// The recursive-descent parser of patterns. Precedence from low to high:
// alternation, concatenation, one postfix operator, primary.
#pragma once

#include "REParseTree.h"
#include "REScanner.h"

#include <string_view>
#include <vector>

class TREParser {
public:
    explicit TREParser(std::string_view Pattern);

    // Parses the whole pattern into Tree(); raises ERegExpParser on a
    // syntax error, and TooComplex for groups nested beyond any real use.
    void Run();
    const TREParseTree& Tree() const { return Tree_; }

    // The codes "." matches: all but NUL, LF, CR and those above 0xFCFC.
    static std::vector<re::TCodeRange> DotRanges();

private:
    int RegExpr();
    int Term();
    int Factor();
    int Primary();
    int CharClass();
    int NegCharClass();
    int MakeDotNode();
    int UnionOf(const std::vector<re::TCodeRange>& Ranges);
    // The items of a class up to its "]", sorted and merged.
    std::vector<re::TCodeRange> ClassItems();
    [[noreturn]] void Fail(const char* Message) const;

    TREScanner Scanner_;
    TREParseTree Tree_;
    int GroupDepth_ = 0;
};

#include "REScanner.h"

#include "ERegExpParser.h"

TREScanner::TREScanner(std::string_view Pattern) { SetRegExp(Pattern); }

void TREScanner::SetRegExp(std::string_view Pattern)
{
    Pattern_.assign(Pattern);
    Index_ = 0;
    TokenStart_ = 0;
    TokenKind_ = tkEnd;
    InBracket_ = false;
}

TTokenKind TREScanner::GetToken()
{
    TokenStart_ = Index_;
    if (!InBracket_) {
        TokenKind_ = GetTokenStd();
        InBracket_ = TokenKind_ == tkLBracket || TokenKind_ == tkLBracketNeg;
        return TokenKind_;
    }
    try {
        TokenKind_ = GetTokenInBracket();
    } catch (...) {
        InBracket_ = false;
        throw;
    }
    InBracket_ = TokenKind_ != tkRBracket;
    return TokenKind_;
}

TTokenKind TREScanner::GetTokenStd()
{
    if (AtEnd())
        return tkEnd;
    const uint16_t code = re::GetREChar(Pattern_, Index_);
    switch (code) {
    case '$': return tkLineTail;
    case '(': return tkLPar;
    case ')': return tkRPar;
    case '*': return tkStar;
    case '+': return tkPlus;
    case '.': return tkDot;
    case '?': return tkQMark;
    case '|': return tkUnion;
    case ']': return tkRBracket;
    case '^': return tkLineHead;
    case '[': {
        RequireMore();
        const size_t next = Index_;
        if (re::GetREChar(Pattern_, Index_) == '^')
            return tkLBracketNeg;
        Index_ = next;
        return tkLBracket;
    }
    case '\\': TokenChar_ = re::ReadEscape(Pattern_, Index_); return tkChar;
    default: TokenChar_ = code; return tkChar;
    }
}

void TREScanner::RequireMore() const
{
    if (AtEnd())
        throw ERegExpParser(remsg::NeedRightBracket, Position());
}

// A class item's character, its escape read.
uint16_t TREScanner::ReadClassChar()
{
    const uint16_t code = re::GetREChar(Pattern_, Index_);
    return code == '\\' ? re::ReadEscape(Pattern_, Index_) : code;
}

TTokenKind TREScanner::GetTokenInBracket()
{
    RequireMore();
    const size_t first = Index_;
    if (re::GetREChar(Pattern_, Index_) == ']')
        return tkRBracket;
    Index_ = first;
    TokenChar_ = ReadClassChar();
    RequireMore();
    const size_t afterLow = Index_;
    if (re::GetREChar(Pattern_, Index_) != '-') {
        Index_ = afterLow;
        return tkChar;
    }
    RequireMore();
    const size_t afterDash = Index_;
    if (re::GetREChar(Pattern_, Index_) == ']') {
        // "a-]" is "a", "-", then the end of the class.
        Index_ = afterLow;
        return tkChar;
    }
    Index_ = afterDash;
    TokenHigh_ = ReadClassChar();
    if (TokenHigh_ < TokenChar_)
        throw ERegExpParser(remsg::BadCharRange, Position());
    return tkRange;
}

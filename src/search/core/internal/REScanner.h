// The tokeniser of patterns, shared by the parser and by the fuzzy
// preprocessor (which copies tokens by their source spans).
#pragma once

#include "RegExpChars.h"

#include <cstdint>
#include <string>
#include <string_view>

enum TTokenKind : uint8_t {
    tkChar,        // a character or an escape
    tkRange,       // c-d inside a bracket class
    tkUnion,       // |
    tkLPar,        // (
    tkRPar,        // )
    tkStar,        // *
    tkPlus,        // +
    tkQMark,       // ?
    tkLBracket,    // [
    tkLBracketNeg, // [^
    tkRBracket,    // ]
    tkDot,         // .
    tkLineHead,    // ^
    tkLineTail,    // $
    tkEnd,         // end of the pattern
};

class TREScanner {
public:
    explicit TREScanner(std::string_view Pattern = {});

    // Starts over on a new pattern.
    void SetRegExp(std::string_view Pattern);

    // Reads the next token; raises ERegExpParser on a malformed one.
    TTokenKind GetToken();

    TTokenKind TokenKind() const { return TokenKind_; }
    // The character of a tkChar, the low end of a tkRange.
    uint16_t TokenChar() const { return TokenChar_; }
    uint16_t TokenHigh() const { return TokenHigh_; }
    // The token's source text is Pattern()[TokenStart(), Index()).
    size_t TokenStart() const { return TokenStart_; }
    // The 0-based index of the next byte to read.
    size_t Index() const { return Index_; }
    // The 1-based position errors found now are reported at.
    int Position() const { return static_cast<int>(Index_ + 1); }
    const std::string& Pattern() const { return Pattern_; }

private:
    TTokenKind GetTokenStd();
    TTokenKind GetTokenInBracket();
    bool AtEnd() const { return Index_ >= Pattern_.size(); }
    // Raises "]" missing when the pattern ends here.
    void RequireMore() const;
    uint16_t ReadClassChar();

    std::string Pattern_;
    size_t Index_ = 0;
    TTokenKind TokenKind_ = tkEnd;
    uint16_t TokenChar_ = 0;
    uint16_t TokenHigh_ = 0;
    size_t TokenStart_ = 0;
    bool InBracket_ = false;
};

// What other parts of the program may learn of a pattern without the
// engine: whether it is well formed, and the pieces it is read as (the
// editor rewrites the letters of a pattern to search case-folded text).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

struct TPatternPiece {
    enum class TKind : uint8_t {
        Literal,   // a character outside a bracket class, plain or escaped
        ClassItem, // a character or a range inside a bracket class
        Other,     // an operator, a bracket, an anchor, "."
    };
    TKind Kind;
    // The codes a Literal or ClassItem stands for (one code: Low == High),
    // a double-byte character being lead * 256 + trail.
    uint16_t Low;
    uint16_t High;
    // The piece as written: a view into the pattern read.
    std::string_view Text;
};

// The pieces of Pattern in order, as the engine reads them. Raises
// ERegExpParser for a malformed piece; a well-formed piece out of place
// ("a**") is no concern of this reading.
std::vector<TPatternPiece> PatternPieces(std::string_view Pattern);

// Raises ERegExpParser, with its place in Pattern, when Pattern is no
// well-formed regular expression.
void CheckRegExpSyntax(std::string_view Pattern);

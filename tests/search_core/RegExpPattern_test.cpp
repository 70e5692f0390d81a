// What other libraries learn of a pattern without the engine: its pieces,
// read as the engine reads them, and whether it is well formed.
#include "ERegExpParser.h"
#include "RegExpPattern.h"
#include "SjisLiteral.h"

#include <gtest/gtest.h>

namespace {

using enum TPatternPiece::TKind;

struct Piece {
    TPatternPiece::TKind Kind;
    uint16_t Low;
    uint16_t High;
    std::string Text;
    bool operator==(const Piece&) const = default;
};

std::vector<Piece> Pieces(const std::string& Pattern)
{
    std::vector<Piece> pieces;
    for (const TPatternPiece& piece : PatternPieces(Pattern))
        pieces.push_back({piece.Kind, piece.Low, piece.High, std::string(piece.Text)});
    return pieces;
}

TEST(RegExpPattern, PiecesTellLiteralsFromClassItems)
{
    const std::vector<Piece> expected = {
        {Literal, 'a', 'a', "a"},   {Literal, 'b', 'b', "\\x62"},
        {Other, 0, 0, "["},         {ClassItem, 'a', 'c', "a-c"},
        {ClassItem, 't', 't', "t"}, {Other, 0, 0, "]"},
        {Other, 0, 0, "+"},         {Literal, 0x8341, 0x8341, Sjis("ア")},
        {Other, 0, 0, "$"},
    };
    EXPECT_EQ(Pieces("a\\x62[a-ct]+" + Sjis("ア") + "$"), expected);
}

TEST(RegExpPattern, MalformedPatternsRaiseAtTheirPlace)
{
    EXPECT_THROW(PatternPieces("[a"), ERegExpParser);
    EXPECT_NO_THROW(PatternPieces("a**")); // well-formed pieces, out of place
    try {
        CheckRegExpSyntax("a**");
        FAIL() << "no error";
    } catch (const ERegExpParser& error) {
        EXPECT_EQ(error.ErrorPos(), 4);
    }
    EXPECT_NO_THROW(CheckRegExpSyntax("(a|b)*c$"));
}

} // namespace

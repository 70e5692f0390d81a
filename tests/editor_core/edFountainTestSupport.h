// Helpers for the colouring tests: token lists, row lists with attributes,
// row states computed row by row, and a scheme with the framework's tokens.
#pragma once

#include "SjisLiteral.h"

#include "edFountain.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace fountaintest {

// A scheme with only the framework's tokens; brackets are added by tests.
class TPlainFountain : public TFountain {
public:
    using TFountain::TFountain;
    std::unique_ptr<TFountainParser> CreateParser() override;
};

struct TToken {
    int Pos;
    int Len;
    int Kind;
    bool operator==(const TToken&) const = default;
};
void PrintTo(const TToken& Token, std::ostream* Out);

// Adds the bracket pair Left .. Right to Brackets.
TFountainBracketItem* AddBracket(TFountainBracketCollection& Brackets, const std::string& Left,
                                 const std::string& Right);

// The tokens of one text parsed from State.
std::vector<TToken> Tokens(TFountainParser& Parser, std::string_view Text, const TRowAttributeData& State = {});
std::vector<int> Kinds(TFountainParser& Parser, std::string_view Text, const TRowAttributeData& State = {});

struct TRow {
    std::string Text;
    TRowAttribute Attribute = TRowAttribute::raCrlf;
};
void Fill(TRowAttributeStringList& List, const std::vector<TRow>& Rows);

// The state at the start of every row, computed from the top as the
// editor's row-state cache does; one more entry for the state after the
// last row.
std::vector<TRowAttributeData> RowStates(TFountainParser& Parser, const TRowAttributeStringList& List);

// Rows and their ends ("|" a wrap, "$" a line break), for failure messages.
std::string Describe(const std::vector<TRow>& Rows);

// A logical line of 1 to 10 random Pieces, sometimes ending with a lone
// lead byte.
std::string RandomLine(std::mt19937& Random, const std::vector<std::string>& Pieces);
// Cuts Line at character boundaries into rows of at least MinRow bytes
// but the last, as wrapping at a narrow column does.
void AddWrappedLine(std::vector<TRow>& Rows, const std::string& Line, size_t MinRow, std::mt19937& Random);

// The tokens the editor paints on row Index: the row is parsed from its
// state, with the next row after it when it is wrapped; tokens that start
// on the row count, cut at its end.
std::vector<TToken> RowTokens(TFountainParser& Parser, const TRowAttributeStringList& List, int Index,
                              const TRowAttributeData& State);

// A text's rows parsed from the top: the state at the start of row Row and,
// when given, the tokens painted there. CarryLength -1 is not checked.
struct TCarryCase {
    const char* What;
    std::vector<TRow> Rows;
    int Row;
    int BracketIndex;
    int CarryKind;
    int CarryLength;
    std::vector<TToken> Painted;
};
void ExpectCarries(TFountainParser& Parser, TRowAttributeStringList& List, const std::vector<TCarryCase>& Cases);

// A scheme of type S with its parser, and a row list to colour.
template <class S>
class SchemeTest : public testing::Test {
protected:
    SchemeTest() : F(TFileExtComponent::Create<S>(nullptr)), Parser(F->CreateParser()) {}
    ~SchemeTest() override
    {
        Parser.reset();
        delete F;
    }
    std::vector<TToken> Tok(std::string_view Text, const TRowAttributeData& State = {})
    {
        return Tokens(*Parser, Text, State);
    }
    TFountainBracketItem* AddBracket(const std::string& Left, const std::string& Right)
    {
        return fountaintest::AddBracket(*F->Brackets(), Left, Right);
    }
    std::vector<TRowAttributeData> States(const std::vector<TRow>& Rows)
    {
        Fill(List, Rows);
        return RowStates(*Parser, List);
    }

    S* F;
    std::unique_ptr<TFountainParser> Parser;
    TRowAttributeStringList List;
};

using ::Sjis;

} // namespace fountaintest

#include "edFountainTestSupport.h"

#include "Cp932.h"
#include "Sjis.h"

#include <gtest/gtest.h>

namespace fountaintest {

namespace {

class TPlainParser : public TFountainParser {
public:
    using TFountainParser::TFountainParser;
    TFountainColor* TokenToFountainColor() override { return nullptr; }
};

} // namespace

std::unique_ptr<TFountainParser> TPlainFountain::CreateParser() { return std::make_unique<TPlainParser>(this); }

void PrintTo(const TToken& Token, std::ostream* Out)
{
    *Out << "(" << Token.Pos << "," << Token.Len << "," << Token.Kind << ")";
}

TFountainBracketItem* AddBracket(TFountainBracketCollection& Brackets, const std::string& Left,
                                 const std::string& Right)
{
    TFountainBracketItem* item = Brackets.Add();
    item->SetLeftBracket(Left);
    item->SetRightBracket(Right);
    return item;
}

std::vector<TToken> Tokens(TFountainParser& Parser, std::string_view Text, const TRowAttributeData& State)
{
    std::vector<TToken> tokens;
    Parser.NewData(Text, State);
    while (const int kind = Parser.NextToken())
        tokens.push_back({Parser.TokenPosition(), Parser.TokenLength(), kind});
    return tokens;
}

std::vector<int> Kinds(TFountainParser& Parser, std::string_view Text, const TRowAttributeData& State)
{
    std::vector<int> kinds;
    for (const TToken& token : Tokens(Parser, Text, State))
        kinds.push_back(token.Kind);
    return kinds;
}

void Fill(TRowAttributeStringList& List, const std::vector<TRow>& Rows)
{
    List.Clear();
    for (const TRow& row : Rows) {
        const int index = List.Add(row.Text);
        List.SetRowAttribute(index, row.Attribute);
    }
}

std::vector<TRowAttributeData> RowStates(TFountainParser& Parser, const TRowAttributeStringList& List)
{
    std::vector<TRowAttributeData> states;
    TRowAttributeData state;
    for (int i = 0; i < List.Count(); ++i) {
        state.RowAttribute = List.RowAttribute(i);
        states.push_back(state);
        Parser.NextRowState(i, &List, state);
        state.PrevRowAttribute = List.RowAttribute(i);
    }
    states.push_back(state);
    return states;
}

std::string Describe(const std::vector<TRow>& Rows)
{
    std::string text;
    for (const TRow& row : Rows)
        text += testing::PrintToString(row.Text) + (row.Attribute == TRowAttribute::raWrapped ? " |\n" : " $\n");
    return text;
}

std::string RandomLine(std::mt19937& Random, const std::vector<std::string>& Pieces)
{
    std::string line;
    const int count = 1 + static_cast<int>(Random() % 10);
    for (int i = 0; i < count; ++i)
        line += Pieces[Random() % Pieces.size()];
    if (Random() % 8 == 0)
        line += static_cast<char>(0x83);
    return line;
}

void AddWrappedLine(std::vector<TRow>& Rows, const std::string& Line, size_t MinRow, std::mt19937& Random)
{
    size_t start = 0;
    for (sjis::CharCursor c(Line); !c.AtEnd(); c.Next())
        if (c.Pos() >= start + MinRow && Random() % 4 == 0) {
            Rows.push_back({Line.substr(start, c.Pos() - start), TRowAttribute::raWrapped});
            start = c.Pos();
        }
    Rows.push_back({Line.substr(start), TRowAttribute::raCrlf});
}

std::vector<TToken> RowTokens(TFountainParser& Parser, const TRowAttributeStringList& List, int Index,
                              const TRowAttributeData& State)
{
    std::string text(List.RowText(Index));
    const int length = static_cast<int>(text.size());
    if (List.RowAttribute(Index) == TRowAttribute::raWrapped && Index + 1 < List.Count())
        text += List.RowText(Index + 1);
    std::vector<TToken> tokens;
    Parser.NewData(text, State);
    while (const int kind = Parser.NextToken()) {
        if (Parser.TokenPosition() >= length)
            break;
        const int start = Parser.TokenPosition();
        tokens.push_back({start, std::min(Parser.TokenLength(), length - start), kind});
    }
    return tokens;
}

void ExpectCarries(TFountainParser& Parser, TRowAttributeStringList& List, const std::vector<TCarryCase>& Cases)
{
    for (const TCarryCase& c : Cases) {
        Fill(List, c.Rows);
        const TRowAttributeData state = RowStates(Parser, List)[static_cast<size_t>(c.Row)];
        EXPECT_EQ(state.BracketIndex, c.BracketIndex) << c.What;
        EXPECT_EQ(state.CarryKind, c.CarryKind) << c.What;
        if (c.CarryLength >= 0) {
            EXPECT_EQ(state.CarryLength, c.CarryLength) << c.What;
        }
        if (!c.Painted.empty()) {
            EXPECT_EQ(RowTokens(Parser, List, c.Row, state), c.Painted) << c.What;
        }
    }
}

} // namespace fountaintest

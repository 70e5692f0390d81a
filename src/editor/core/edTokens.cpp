#include "edTokens.h"

#include "edColumnCursor.h"
#include "edRowText.h"

#include <memory>

namespace {

using edrow::HasRow;

// The parser state at Row's start: the stored one, or, where the state
// cache has not reached the row yet, computed from the nearest computed
// row above without touching the cache.
TRowAttributeData RowStateAt(const TEditorScreenStrings& List, int Row, TFountain& Fountain)
{
    if (List.BracketIndex(Row) != BracketNotComputed)
        return LoadRowState(List, Row);
    const std::unique_ptr<TFountainParser> parser = Fountain.CreateParser();
    int row = Row - 1;
    while (row >= 0 && List.BracketIndex(row) == BracketNotComputed)
        --row;
    TRowAttributeData data; // the state at the text's start
    if (row >= 0) {
        data = LoadRowState(List, row);
        parser->NextRowState(row, &List, data);
        data.PrevRowAttribute = List.RowAttribute(row);
    }
    for (++row; row < Row; ++row) {
        data.RowAttribute = List.RowAttribute(row);
        parser->NextRowState(row, &List, data);
        data.PrevRowAttribute = List.RowAttribute(row);
    }
    data.RowAttribute = List.RowAttribute(Row);
    return data;
}

// The scheme's parser, or without a scheme the word scanner.
std::unique_ptr<TFountainParser> MakeParser(TFountain* Fountain)
{
    if (Fountain)
        return Fountain->CreateParser();
    return std::make_unique<TTokenParser>();
}

// The state a parse of Row starts from: with a scheme the row's own, else
// the text's start; without KeepState no bracket region is open.
TRowAttributeData StartState(const TEditorScreenStrings& List, int Row, TFountain* Fountain, bool KeepState)
{
    TRowAttributeData data;
    if (Fountain)
        data = RowStateAt(List, Row, *Fountain);
    if (!KeepState)
        data.BracketIndex = BracketNotComputed;
    return data;
}

// Calls Visit(start, length, kind) for each token of Text until it
// returns false.
template <class F>
void ForEachToken(TFountainParser& Parser, std::string_view Text, const TRowAttributeData& State, F&& Visit)
{
    Parser.NewData(Text, State);
    // Every token takes at least a byte; the bound only guards the loop.
    for (size_t guard = 0; guard <= Text.size(); ++guard) {
        const int kind = Parser.NextToken();
        if (kind == toEof || !Visit(Parser.TokenPosition(), Parser.TokenLength(), kind))
            return;
    }
}

bool IsBlankToken(std::string_view Text, int Start, int Length)
{
    const std::string_view token = Text.substr(static_cast<size_t>(Start), static_cast<size_t>(Length));
    for (TColumnCursor c(token, {}); !c.AtEnd(); c.Next())
        if (!c.IsBlank())
            return false;
    return true;
}

// Calls Visit(column) with the start column of each non-blank token of
// Row, parsed from the row's stored state, until it returns false.
template <class F>
void ForEachTokenColumn(const TEditorScreenStrings& List, int Row, TFountain* Fountain, F&& Visit)
{
    if (!HasRow(List, Row))
        return;
    const std::string_view text = List.RowText(Row);
    const std::unique_ptr<TFountainParser> parser = MakeParser(Fountain);
    // Tokens come in order: one walk gives their columns.
    TColumnCursor column(text, List.ColumnModel());
    ForEachToken(*parser, text, StartState(List, Row, Fountain, true), [&](int Start, int Length, int) {
        if (IsBlankToken(text, Start, Length))
            return true;
        while (!column.AtEnd() && column.Pos() < static_cast<size_t>(Start))
            column.Next();
        return Visit(column.Col());
    });
}

} // namespace

bool CharIndexAt(const TEditorScreenStrings& List, int Row, int Col, int& Index)
{
    if (!HasRow(List, Row) || Col < 0 || Col >= RowWidth(List, Row))
        return false;
    Index = CaretIndex(List, Row, Col);
    return true;
}

std::optional<TTokenInfo> TokenAt(const TEditorScreenStrings& List, int Row, int Col, TFountain* Fountain,
                                  bool KeepState)
{
    int index = 0;
    if (!CharIndexAt(List, Row, Col, index))
        return std::nullopt;
    const int first = List.LineFirstRow(Row);
    const int last = List.LineLastRow(Row);
    std::string line;
    int offset = index;
    for (int row = first; row <= last; ++row) {
        if (row < Row)
            offset += static_cast<int>(List.RowText(row).size());
        line += List.RowText(row);
    }

    std::optional<TTokenInfo> found;
    const std::unique_ptr<TFountainParser> parser = MakeParser(Fountain);
    ForEachToken(*parser, line, StartState(List, first, Fountain, KeepState), [&](int Start, int Length, int Kind) {
        if (Start > offset)
            return false;
        if (offset < Start + Length) {
            found = TTokenInfo{line.substr(static_cast<size_t>(Start), static_cast<size_t>(Length)), Kind, first, Start,
                               Length};
            return false;
        }
        return true;
    });
    return found;
}

TCaretPos PrevTokenPlace(const TEditorScreenStrings& List, TCaretPos Caret, TFountain* Fountain)
{
    int row = std::min(Caret.Row, List.Count());
    int col = Caret.Col;
    if (col <= 0) {
        if (row <= 0)
            return {0, 0};
        --row;
        col = RowWidth(List, row);
        if (List.RowAttribute(row) != TRowAttribute::raWrapped)
            return {row, col};
    }
    int found = -1;
    ForEachTokenColumn(List, row, Fountain, [&](int TokenCol) {
        if (TokenCol >= col)
            return false;
        found = TokenCol;
        return true;
    });
    if (found >= 0)
        return {row, found};
    if (row == 0)
        return {0, 0};
    return {row - 1, RowWidth(List, row - 1)};
}

TCaretPos NextTokenPlace(const TEditorScreenStrings& List, TCaretPos Caret, TFountain* Fountain)
{
    int row = Caret.Row;
    int col = Caret.Col;
    if (row >= List.Count())
        return Caret;
    if (col >= RowWidth(List, row)) {
        if (row + 1 > MaxCaretRow(List))
            return Caret;
        ++row;
        col = -1; // a token at the next row's start counts
    }
    int found = -1;
    ForEachTokenColumn(List, row, Fountain, [&](int TokenCol) {
        if (TokenCol <= col)
            return true;
        found = TokenCol;
        return false;
    });
    if (found >= 0)
        return {row, found};
    if (HasRow(List, row) && List.RowAttribute(row) == TRowAttribute::raWrapped)
        return {row + 1, 0};
    return {row, RowWidth(List, row)};
}

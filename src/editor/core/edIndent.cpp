#include "edIndent.h"

#include "edColumnCursor.h"
#include "edRowText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using edrow::Blanks;

// One row's change: its bytes [From, To) become Replacement.
struct TRowChange {
    int Row = 0;
    size_t From = 0;
    size_t To = 0;
    std::string Replacement;
    std::string NewText;
};

bool IsWholeLine(const TEditorScreenStrings& List, int Row)
{
    if (!List.WordWrap())
        return true;
    return List.RowAttribute(Row) != TRowAttribute::raWrapped
           && (Row == 0 || List.RowAttribute(Row - 1) != TRowAttribute::raWrapped);
}

std::optional<TRowChange> PlanRow(const TEditorScreenStrings& List, int Row, const TSelectionRange& Range,
                                  TIndentKind Kind)
{
    const std::string_view text = List.RowText(Row);
    const TColumnModel model = List.ColumnModel();
    TColumnCursor c(text, model);
    if (Range.Mode == TEditorSelectionMode::smBox) {
        while (!c.AtEnd() && c.Col() < Range.StartCol)
            c.Next();
        if (c.AtEnd())
            return std::nullopt;
    }
    TRowChange change;
    change.Row = Row;
    change.From = c.Pos();
    const int fromCol = c.Col();
    while (!c.AtEnd() && c.IsBlank())
        c.Next();
    change.To = c.Pos();
    const int blankWidth = c.Col() - fromCol;

    switch (Kind) {
    case TIndentKind::Indent: change.Replacement = Blanks(blankWidth + 1); break;
    case TIndentKind::UnIndent:
        if (change.To == change.From)
            return std::nullopt;
        change.Replacement = Blanks(blankWidth - 1);
        break;
    case TIndentKind::TabIndent:
        change.To = change.From;
        change.Replacement = '\t';
        break;
    case TIndentKind::TabUnIndent:
        if (change.From >= text.size() || text[change.From] != '\t')
            return std::nullopt;
        change.To = change.From + 1;
        break;
    }
    change.NewText.reserve(text.size() - (change.To - change.From) + change.Replacement.size());
    change.NewText.append(text, 0, change.From).append(change.Replacement).append(text, change.To);

    // A wrapped text takes the indent only where the row still fits.
    if (model.WordWrap) {
        if (Kind == TIndentKind::Indent && ExpandedWidth(change.NewText, model) >= model.WrapByte)
            return std::nullopt;
        if (Kind == TIndentKind::TabIndent && static_cast<int>(text.size()) + model.TabSize >= model.WrapByte)
            return std::nullopt;
    }
    return change;
}

// A place in a row: a byte index and its display column.
struct TRowPlace {
    int Index;
    int Col;
};

// Where a place of a changed row goes with its text: a place at or before
// the change stays, one after it moves with the text, one past the row's
// end keeps its distance from the end.
TRowPlace MovedPlace(const TRowChange& Change, std::string_view OldText, const TColumnModel& Model, TRowPlace Place)
{
    const int oldWidth = ExpandedWidth(OldText, Model);
    const int newWidth = ExpandedWidth(Change.NewText, Model);
    if (Place.Col > oldWidth)
        return {static_cast<int>(Change.NewText.size()), Place.Col + newWidth - oldWidth};
    const int from = static_cast<int>(Change.From);
    const int to = static_cast<int>(Change.To);
    const int replaced = static_cast<int>(Change.Replacement.size());
    if (Place.Index <= from)
        return Place;
    const int index = Place.Index >= to ? Place.Index + replaced - (to - from) : std::min(Place.Index, from + replaced);
    return {index, ExpandedWidth(std::string_view(Change.NewText).substr(0, static_cast<size_t>(index)), Model)};
}

} // namespace

std::optional<TIndentResult> IndentSelection(TEditorScreenStrings& List, const TSelectionRange& Range,
                                             const TSelectionAnchor& Anchor, TCaretPos Caret, TIndentKind Kind)
{
    int last = std::min(Range.EndRow, List.Count() - 1);
    if (Range.Mode == TEditorSelectionMode::smLine && Range.EndRow > Range.StartRow && Range.EndIndex < 0)
        last = std::min(last, Range.EndRow - 1);
    std::vector<TRowChange> changes;
    for (int row = std::max(Range.StartRow, 0); row <= last; ++row)
        if (IsWholeLine(List, row))
            if (std::optional<TRowChange> change = PlanRow(List, row, Range, Kind))
                changes.push_back(std::move(*change));
    if (changes.empty())
        return std::nullopt;

    const TColumnModel model = List.ColumnModel();
    TIndentResult result{Anchor, Caret, {}};
    TRowPlace anchor{Anchor.Index, Anchor.Col};
    TRowPlace caret{CaretIndex(List, Caret.Row, Caret.Col), Caret.Col};
    for (const TRowChange& change : changes) {
        const std::string_view oldText = List.RowText(change.Row);
        if (change.Row == Anchor.Row)
            anchor = MovedPlace(change, oldText, model, anchor);
        if (change.Row == Caret.Row)
            caret = MovedPlace(change, oldText, model, caret);
    }
    result.Anchor.Index = anchor.Index;
    result.Anchor.Col = anchor.Col;
    result.Caret.Col = caret.Col;

    const int firstRow = changes.front().Row;
    const int lastRow = changes.back().Row;
    std::string text;
    auto next = changes.begin();
    for (int row = firstRow; row <= lastRow; ++row) {
        if (next != changes.end() && next->Row == row)
            text += (next++)->NewText;
        else
            text += List.RowText(row);
        List.AppendLineBreak(row, text);
    }
    List.ReplaceRows(firstRow, lastRow - firstRow + 1, text);
    result.Range = ComputeSelection(List, result.Anchor, result.Caret.Row, result.Caret.Col, Range.Mode);
    return result;
}

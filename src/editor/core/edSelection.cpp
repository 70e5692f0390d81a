#include "edSelection.h"

#include "edColumnCursor.h"
#include "edRowText.h"

#include <algorithm>

namespace {

using edrow::Crlf;
using edrow::RowView;

int ClampIndex(int Index, std::string_view Text) { return std::clamp(Index, 0, static_cast<int>(Text.size())); }

// The rows a box selection reads: those of its rows that exist.
int BoxLastRow(const TEditorScreenStrings& List, const TSelectionRange& Range)
{
    return std::min(Range.EndRow, List.Count() - 1);
}

TBoxPiece RowBoxPiece(const TEditorScreenStrings& List, const TSelectionRange& Range, int Row)
{
    return BoxPiece(RowView(List, Row), Range.StartCol, Range.EndCol, List.ColumnModel());
}

} // namespace

TSelectionAnchor MakeAnchor(const TEditorScreenStrings& List, int Row, int Col)
{
    return {Row, CaretIndex(List, Row, Col), Col};
}

TSelectionRange ComputeSelection(const TEditorScreenStrings& List, const TSelectionAnchor& Anchor, int Row, int Col,
                                 TEditorSelectionMode Mode)
{
    const int index = CaretIndex(List, Row, Col);
    TSelectionRange range;
    range.Mode = Mode;
    range.StartRow = std::min(Anchor.Row, Row);
    range.EndRow = std::max(Anchor.Row, Row);
    const bool anchorFirst = Anchor.Row != Row ? Anchor.Row < Row : Anchor.Index < index;
    range.StartIndex = anchorFirst ? Anchor.Index : index;
    range.EndIndex = (anchorFirst ? index : Anchor.Index) - 1;

    if (Mode == TEditorSelectionMode::smBox) {
        range.StartCol = std::min(Anchor.Col, Col);
        range.EndCol = std::max(Anchor.Col, Col);
        return range;
    }
    // A stream selection ends at a row's end at the latest.
    const int caretWidth = RowWidth(List, Row);
    if (Anchor.Row == Row) {
        range.StartCol = std::min({Anchor.Col, Col, caretWidth});
        range.EndCol = std::min(std::max(Anchor.Col, Col), caretWidth);
    } else if (Anchor.Row > Row) {
        range.StartCol = std::min(Col, caretWidth);
        range.EndCol = std::min(Anchor.Col, RowWidth(List, Anchor.Row));
    } else {
        range.StartCol = std::min(Anchor.Col, RowWidth(List, Anchor.Row));
        range.EndCol = std::min(Col, caretWidth);
    }
    return range;
}

TBoxPiece BoxPiece(std::string_view Text, int StartCol, int EndCol, const TColumnModel& Model)
{
    TColumnCursor c(Text, Model);
    while (!c.AtEnd() && c.Col() < StartCol)
        c.Next();
    TBoxPiece piece;
    piece.From = static_cast<int>(c.Pos());
    piece.FromCol = c.Col();
    while (!c.AtEnd() && c.Col() < EndCol)
        c.Next();
    piece.To = static_cast<int>(c.Pos());
    piece.ToCol = c.Col();
    return piece;
}

int SelectionLength(const TEditorScreenStrings& List, const TSelectionRange& Range)
{
    if (Range.Mode == TEditorSelectionMode::smBox) {
        int length = 0;
        for (int row = Range.StartRow; row <= BoxLastRow(List, Range); ++row) {
            const TBoxPiece piece = RowBoxPiece(List, Range, row);
            length += piece.To - piece.From + 2;
        }
        return length;
    }
    const std::string_view start = RowView(List, Range.StartRow);
    const int startIndex = ClampIndex(Range.StartIndex, start);
    const int endIndex = ClampIndex(Range.EndIndex + 1, RowView(List, Range.EndRow));
    if (Range.StartRow == Range.EndRow)
        return std::max(0, endIndex - startIndex);
    return RowPlaces(List, Range.StartRow) - startIndex + RowsPlaces(List, Range.StartRow + 1, Range.EndRow) + endIndex;
}

std::string SelectionText(const TEditorScreenStrings& List, const TSelectionRange& Range)
{
    std::string text;
    if (Range.Mode == TEditorSelectionMode::smBox) {
        for (int row = Range.StartRow; row <= BoxLastRow(List, Range); ++row) {
            const TBoxPiece piece = RowBoxPiece(List, Range, row);
            text.append(
                RowView(List, row).substr(static_cast<size_t>(piece.From), static_cast<size_t>(piece.To - piece.From)));
            text += Crlf;
        }
        return text;
    }
    const std::string_view start = RowView(List, Range.StartRow);
    const int startIndex = ClampIndex(Range.StartIndex, start);
    const std::string_view end = RowView(List, Range.EndRow);
    const int endIndex = ClampIndex(Range.EndIndex + 1, end);
    if (Range.StartRow == Range.EndRow) {
        if (endIndex > startIndex)
            text = start.substr(static_cast<size_t>(startIndex), static_cast<size_t>(endIndex - startIndex));
        return text;
    }
    text.reserve(static_cast<size_t>(SelectionLength(List, Range)));
    text.append(start.substr(static_cast<size_t>(startIndex)));
    List.AppendLineBreak(Range.StartRow, text);
    for (int row = Range.StartRow + 1; row < Range.EndRow && row < List.Count(); ++row) {
        text += List.RowText(row);
        List.AppendLineBreak(row, text);
    }
    text.append(end.substr(0, static_cast<size_t>(endIndex)));
    return text;
}

bool IsInSelection(const TEditorScreenStrings& List, const TSelectionRange& Range, int Row, int Col)
{
    if (Row < Range.StartRow || Row > Range.EndRow)
        return false;
    if (Range.Mode == TEditorSelectionMode::smBox) {
        const TBoxPiece piece = RowBoxPiece(List, Range, Row);
        return Col >= piece.FromCol && Col < piece.ToCol;
    }
    if (Row == Range.StartRow && Col < Range.StartCol)
        return false;
    return !(Row == Range.EndRow && Col >= Range.EndCol);
}

int SelectionLineLength(const TEditorScreenStrings& List, const TSelectionRange& Range)
{
    return static_cast<int>(RowView(List, Range.EndRow).size()) + Range.StartIndex - Range.EndIndex - 1;
}

TSelectionRemoval RemoveSelection(const TEditorScreenStrings& List, const TSelectionRange& Range)
{
    TSelectionRemoval removal;
    const int count = List.Count();
    removal.Row = std::min(Range.StartRow, count);
    if (Range.StartRow >= count)
        return removal;

    if (Range.Mode == TEditorSelectionMode::smBox) {
        const int last = BoxLastRow(List, Range);
        for (int row = Range.StartRow; row <= last; ++row) {
            const std::string_view text = RowView(List, row);
            const TBoxPiece piece = RowBoxPiece(List, Range, row);
            if (row == Range.StartRow)
                removal.At = piece.From;
            std::string rest(text.substr(0, static_cast<size_t>(piece.From)));
            rest.append(text.substr(static_cast<size_t>(piece.To)));
            removal.Rows.push_back({std::move(rest), List.RowAttribute(row)});
        }
        removal.Count = last - Range.StartRow + 1;
        return removal;
    }

    const std::string_view start = RowView(List, Range.StartRow);
    removal.At = ClampIndex(Range.StartIndex, start);
    TEditRow row{std::string(start.substr(0, static_cast<size_t>(removal.At))), TRowAttribute::raEof};
    if (Range.EndRow < count) {
        const std::string_view end = RowView(List, Range.EndRow);
        int endIndex = ClampIndex(Range.EndIndex + 1, end);
        if (Range.EndRow == Range.StartRow)
            endIndex = std::max(endIndex, removal.At);
        row.Text.append(end.substr(static_cast<size_t>(endIndex)));
        row.Attribute = List.RowAttribute(Range.EndRow);
        removal.Count = Range.EndRow - Range.StartRow + 1;
    } else {
        // The selection runs past the last row: its line break goes too.
        removal.Count = count - Range.StartRow;
    }
    removal.Rows.push_back(std::move(row));
    return removal;
}

TRowEdit SelectionReplacement(const TEditorScreenStrings& List, const TSelectionRange& Range, std::string_view Insert)
{
    TSelectionRemoval removal = RemoveSelection(List, Range);
    TRowEdit edit;
    edit.Row = removal.Row;
    edit.Count = removal.Count;
    if (removal.Rows.empty()) {
        edit.Text = Insert;
        edit.CaretOffset = static_cast<int>(Insert.size());
        return edit;
    }
    removal.Rows.front().Text.insert(static_cast<size_t>(removal.At), Insert);
    edit.CaretOffset = removal.At + static_cast<int>(Insert.size());
    for (const TEditRow& row : removal.Rows) {
        edit.Text += row.Text;
        if (row.Attribute == TRowAttribute::raCrlf)
            edit.Text += Crlf;
    }
    return edit;
}

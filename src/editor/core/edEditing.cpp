#include "edEditing.h"

#include "edColumnCursor.h"
#include "edRowText.h"
#include "edUtils.h"

#include <algorithm>
#include <vector>

namespace {

using edrow::Blanks;
using edrow::Crlf;
using edrow::HasRow;
using edrow::RowView;

// S with every CR LF, lone CR and lone LF as CR LF, so that its length
// counts the positions it takes in the text.
std::string WithCrlf(std::string_view S)
{
    std::string text;
    text.reserve(S.size() + S.size() / 8);
    for (size_t i = 0; i < S.size(); ++i) {
        if (S[i] == '\r' || S[i] == '\n') {
            text += Crlf;
            if (S[i] == '\r' && i + 1 < S.size() && S[i + 1] == '\n')
                ++i;
        } else {
            text += S[i];
        }
    }
    return text;
}

bool HasLineBreak(std::string_view S) { return S.find_first_of("\r\n") != std::string_view::npos; }

// Where an overwrite of Columns columns from byte Pos of Row ends: the row
// it ends in, the byte after the last character covered, and whether the
// second half of a double-byte character is left over.
struct TOverwriteEnd {
    int Row = 0;
    size_t Pos = 0;
    bool HalfLeft = false;
};

TOverwriteEnd OverwriteEnd(const TEditorScreenStrings& List, int Row, size_t Pos, int Columns)
{
    const TColumnModel model = List.ColumnModel();
    TOverwriteEnd end{Row, Pos, false};
    int col = IndexToCol(List, Row, static_cast<int>(Pos));
    while (Columns > 0) {
        const std::string_view text = List.RowText(end.Row);
        if (end.Pos >= text.size()) {
            if (List.RowAttribute(end.Row) != TRowAttribute::raWrapped || end.Row + 1 >= List.Count())
                break;
            ++end.Row;
            end.Pos = 0;
            col = 0;
            continue;
        }
        const TColumnCursor c(text, model, end.Pos, col);
        if (c.Width() > Columns) {
            // Half a double-byte character is covered; a tab stays whole.
            if (c.Len() == 2) {
                end.HalfLeft = true;
                end.Pos += 2;
            }
            break;
        }
        Columns -= c.Width();
        col = c.EndCol();
        end.Pos += c.Len();
    }
    return end;
}

TRowEdit TypingEdit(const TEditorScreenStrings& List, int Row, int Col, std::string_view S, bool OverWrite)
{
    const std::string_view text = RowView(List, Row);
    const TColumnModel model = List.ColumnModel();
    TRowEdit edit;
    edit.Row = Row;
    const int width = ExpandedWidth(text, model);
    if (Col >= width) {
        edit.Text.append(text);
        edit.Text += Blanks(Col - width);
        edit.Text += S;
        edit.CaretOffset = static_cast<int>(edit.Text.size());
        edit.Count = HasRow(List, Row) ? 1 : 0;
        List.AppendLineBreak(Row, edit.Text);
        return edit;
    }
    const size_t index = static_cast<size_t>(ColumnToCharIndex(text, Col, model));
    edit.Text.append(text.substr(0, index));
    edit.Text += S;
    edit.CaretOffset = static_cast<int>(edit.Text.size());
    if (!OverWrite) {
        edit.Text.append(text.substr(index));
        edit.Count = 1;
        List.AppendLineBreak(Row, edit.Text);
        return edit;
    }
    const TOverwriteEnd end = OverwriteEnd(List, Row, index, static_cast<int>(S.size()));
    if (end.HalfLeft)
        edit.Text += ' ';
    edit.Text.append(RowView(List, end.Row).substr(end.Pos));
    edit.Count = end.Row - Row + 1;
    List.AppendLineBreak(end.Row, edit.Text);
    return edit;
}

} // namespace

TCaretPos ApplyRowEdit(TEditorScreenStrings& List, const TRowEdit& Edit)
{
    const int from = std::max(List.LineFirstRow(Edit.Row), Edit.Row - 1);
    const int before = RowsPlaces(List, from, Edit.Row);
    List.ReplaceRows(Edit.Row, Edit.Count, Edit.Text);
    TCaretPos caret;
    List.RowColAfterText(from, before + Edit.CaretOffset, caret.Row, caret.Col);
    return caret;
}

std::optional<TCaretPos> InsertString(TEditorScreenStrings& List, const TEditPlace& Place, std::string_view S,
                                      bool OverWrite)
{
    if (S.empty())
        return std::nullopt;
    std::string normalized;
    if (HasLineBreak(S)) {
        normalized = WithCrlf(S);
        S = normalized;
    }
    if (Place.Selection)
        return ApplyRowEdit(List, SelectionReplacement(List, *Place.Selection, S));
    const int row = std::clamp(Place.Row, 0, MaxCaretRow(List));
    return ApplyRowEdit(List, TypingEdit(List, row, std::max(Place.Col, 0), S, OverWrite));
}

std::optional<TCaretPos> InsertText(TEditorScreenStrings& List, const TEditPlace& Place, std::string_view Text)
{
    if (Text.empty()) {
        if (Place.Selection)
            return DeleteSelection(List, *Place.Selection);
        return std::nullopt;
    }
    return InsertString(List, Place, Text, false);
}

std::optional<TCaretPos> PasteBox(TEditorScreenStrings& List, const TEditPlace& Place, std::string_view Text)
{
    if (Text.empty())
        return std::nullopt;
    std::vector<std::string_view> lines;
    ForEachLine(Text, [&lines](std::string_view Line) { lines.push_back(Line); });
    const int count = List.Count();
    const TColumnModel model = List.ColumnModel();

    // The rows the lines go into: what the selection leaves of its rows,
    // then the rows below, then new rows past the text.
    int first = std::clamp(Place.Row, 0, MaxCaretRow(List));
    int column = std::max(Place.Col, 0);
    int lastOld = first - 1;
    std::vector<TEditRow> rows;
    if (Place.Selection) {
        TSelectionRemoval removal = RemoveSelection(List, *Place.Selection);
        first = removal.Row;
        lastOld = removal.Row + removal.Count - 1;
        column = Place.Selection->StartCol;
        rows = std::move(removal.Rows);
    }
    while (rows.size() < lines.size() && lastOld + 1 < count) {
        ++lastOld;
        rows.push_back({std::string(List.RowText(lastOld)), List.RowAttribute(lastOld)});
    }
    const size_t existing = rows.size();
    rows.resize(std::max(rows.size(), lines.size()));

    std::string text;
    int caretOffset = 0;
    for (size_t k = 0; k < rows.size(); ++k) {
        TEditRow& row = rows[k];
        if (k < lines.size()) {
            size_t at = 0;
            const int width = ExpandedWidth(row.Text, model);
            if (k >= existing || width <= column) {
                row.Text += Blanks(column - width);
                at = row.Text.size();
            } else {
                at = static_cast<size_t>(ColumnToCharIndex(row.Text, column, model));
            }
            row.Text.insert(at, lines[k]);
            if (k + 1 == lines.size())
                caretOffset = static_cast<int>(text.size() + at + lines[k].size());
        }
        text += row.Text;
        // A pasted box always ends its rows, the text's last row included.
        if (row.Attribute != TRowAttribute::raWrapped)
            text += Crlf;
    }
    return ApplyRowEdit(List, {first, lastOld - first + 1, std::move(text), caretOffset});
}

TCaretPos DeleteSelection(TEditorScreenStrings& List, const TSelectionRange& Range)
{
    return ApplyRowEdit(List, SelectionReplacement(List, Range, {}));
}

std::optional<TCaretPos> MoveSelectionTo(TEditorScreenStrings& List, const TSelectionRange& Range, int Row, int Col)
{
    const int count = List.Count();
    Row = std::clamp(Row, 0, MaxCaretRow(List));
    const int first = std::min(Range.StartRow, Row);
    const int last = std::min(std::max(Range.EndRow, Row), count - 1);
    if (first >= count)
        return std::nullopt;
    std::string text;
    int taken = 0;
    List.GetRowsText(first, last - first + 1, text, taken);

    // Places in the text of the rows.
    const auto placeOf = [&](int TextRow, int Index) {
        const int length = static_cast<int>(RowView(List, TextRow).size());
        return static_cast<size_t>(RowsPlaces(List, first, TextRow) + std::clamp(Index, 0, length));
    };
    const size_t start = placeOf(Range.StartRow, Range.StartIndex);
    const size_t end = Range.EndRow < count ? placeOf(Range.EndRow, Range.EndIndex + 1) : text.size();
    size_t target = text.size();
    int padding = Col;
    if (Row < count) {
        target = placeOf(Row, CaretIndex(List, Row, Col));
        padding = Col - RowWidth(List, Row);
    }
    if (end <= start || (target > start && target < end))
        return std::nullopt;

    const std::string moved = Blanks(padding) + text.substr(start, end - start);
    const size_t at = target >= end ? target - (end - start) : target;
    TRowEdit edit{first, last - first + 1, text.substr(0, start) + text.substr(end), 0};
    edit.Text.insert(at, moved);
    edit.CaretOffset = static_cast<int>(at + moved.size());
    return ApplyRowEdit(List, edit);
}

std::optional<TCaretPos> DeleteRow(TEditorScreenStrings& List, int Row)
{
    if (!HasRow(List, Row))
        return std::nullopt;
    List.ReplaceRows(Row, 1, {});
    if (Row == 0)
        return TCaretPos{0, 0};
    if (HasRow(List, Row - 1) && List.RowAttribute(Row - 1) == TRowAttribute::raEof)
        return TCaretPos{Row - 1, RowWidth(List, Row - 1)};
    return TCaretPos{Row, 0};
}

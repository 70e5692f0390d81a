#include "edKeyEditing.h"

#include "edColumnCursor.h"
#include "edOptions.h"
#include "edRowText.h"

#include "Sjis.h"

#include <algorithm>
#include <string>

namespace {

using edrow::Blanks;
using edrow::Crlf;
using edrow::HasRow;
using edrow::RowView;

// True when Row begins a logical line.
bool StartsLine(const TEditorScreenStrings& List, int Row)
{
    return Row <= 0 || List.RowAttribute(Row - 1) != TRowAttribute::raWrapped;
}

// The leading-blank width of a row, 0 for an empty row.
int RowIndent(const TEditorScreenStrings& List, int Row)
{
    return std::max(LeadingBlankColumns(RowView(List, Row), List.ColumnModel()), 0);
}

// Width blanks as spaces, or with TabIndent as tabs and then spaces.
std::string IndentText(int Width, const TEditorCaret& Options)
{
    if (!Options.TabIndent())
        return Blanks(Width);
    const int tab = std::max(Options.TabSpaceCount(), 1);
    return std::string(static_cast<size_t>(Width / tab), '\t') + Blanks(Width % tab);
}

// The indent Backspace goes back to from column Col of Row: that of the
// nearest earlier row indented less than Col. Continuation rows of a
// wrapped line without an indent of their own are passed over.
int UnIndentTarget(const TEditorScreenStrings& List, int Row, int Col)
{
    for (int row = std::min(Row, List.Count()) - 1; row >= 0; --row) {
        const int indent = RowIndent(List, row);
        if (indent == 0 && !StartsLine(List, row))
            continue;
        if (indent < Col)
            return indent;
    }
    return 0;
}

// Backspace with un-indent; no place when the caret is not just after the
// row's leading blanks and the row is not blank.
std::optional<TCaretPos> UnIndentBack(TEditorScreenStrings& List, TCaretPos Caret)
{
    const std::string_view text = RowView(List, Caret.Row);
    const TColumnModel model = List.ColumnModel();
    TColumnCursor c(text, model);
    while (!c.AtEnd() && c.IsBlank())
        c.Next();
    const size_t blankBytes = c.Pos();
    const bool blankRow = blankBytes == text.size();
    if (!blankRow && Caret.Col != c.Col())
        return std::nullopt;

    const int target = UnIndentTarget(List, Caret.Row, Caret.Col);
    if (ExpandedWidth(text, model) <= target)
        return TCaretPos{Caret.Row, target};

    // The blanks between the target and the caret go; a blank across
    // either edge leaves blanks for its columns outside.
    std::string rebuilt;
    int caretOffset = -1;
    for (TColumnCursor b(text.substr(0, blankBytes), model); !b.AtEnd(); b.Next()) {
        if (b.EndCol() <= target || b.Col() >= Caret.Col) {
            rebuilt += b.Char();
            continue;
        }
        rebuilt += Blanks(target - b.Col());
        if (caretOffset < 0)
            caretOffset = static_cast<int>(rebuilt.size());
        rebuilt += Blanks(b.EndCol() - Caret.Col);
    }
    if (caretOffset < 0)
        caretOffset = static_cast<int>(rebuilt.size());
    rebuilt.append(text.substr(blankBytes));
    List.AppendLineBreak(Caret.Row, rebuilt);
    return ApplyRowEdit(List, {Caret.Row, 1, std::move(rebuilt), caretOffset});
}

} // namespace

int AutoIndentWidth(const TEditorScreenStrings& List, TCaretPos Caret, const TEditorCaret& Options)
{
    if (!Options.AutoIndent())
        return 0;
    const int first = List.LineFirstRow(Caret.Row);
    const int width = LeadingBlankColumns(RowView(List, first), List.ColumnModel());
    if (width < 1) {
        if (!Options.PrevSpaceIndent() || !RowView(List, Caret.Row).empty() || first != Caret.Row)
            return 0;
        // An empty line takes the indent of the nearest line with text.
        for (int row = std::min(Caret.Row, List.Count()) - 1; row >= 0; --row)
            if (StartsLine(List, row) && !RowView(List, row).empty())
                return RowIndent(List, row);
        return 0;
    }
    return Caret.Row == first && Caret.Col < width ? Caret.Col : width;
}

std::optional<TCaretPos> KeyReturn(TEditorScreenStrings& List, TCaretPos Caret, const TEditorCaret& Options,
                                   bool OverWrite, bool Shift)
{
    const int count = List.Count();
    const int row = std::clamp(Caret.Row, 0, MaxCaretRow(List));
    if (row >= count)
        return ApplyRowEdit(List, {count, 0, std::string(Crlf), static_cast<int>(Crlf.size())});
    if (OverWrite)
        return TCaretPos{std::min(row + 1, MaxCaretRow(List)), 0};

    const std::string indent = IndentText(AutoIndentWidth(List, {row, Caret.Col}, Options), Options);
    if (Shift) {
        const std::string text = indent + std::string(Crlf);
        return ApplyRowEdit(List, {List.LineFirstRow(row), 0, text, static_cast<int>(indent.size())});
    }
    const std::string_view text = RowView(List, row);
    const size_t index = static_cast<size_t>(CaretIndex(List, row, Caret.Col));
    TRowEdit edit{row, 1, std::string(text.substr(0, index)), 0};
    edit.Text += Crlf;
    edit.Text += indent;
    edit.CaretOffset = static_cast<int>(edit.Text.size());
    edit.Text.append(text.substr(index));
    List.AppendLineBreak(row, edit.Text);
    return ApplyRowEdit(List, edit);
}

std::optional<TCaretPos> KeyBackSpace(TEditorScreenStrings& List, TCaretPos Caret, const TEditorCaret& Options)
{
    const int count = List.Count();
    if (count == 0)
        return Caret.Col > 0 ? std::optional<TCaretPos>(TCaretPos{Caret.Row, Caret.Col - 1}) : std::nullopt;
    const int row = std::clamp(Caret.Row, 0, MaxCaretRow(List));

    if (Caret.Col <= 0) {
        if (row == 0)
            return std::nullopt;
        // The row joins the one above: a wrapped row above loses its last
        // character, any other its line break.
        const int above = row - 1;
        std::string joined(List.RowText(above));
        if (row >= count)
            return ApplyRowEdit(List, {above, 1, joined, static_cast<int>(joined.size())});
        if (List.RowAttribute(above) == TRowAttribute::raWrapped && !joined.empty())
            joined.resize(sjis::CharStart(joined, joined.size() - 1));
        const int caretOffset = static_cast<int>(joined.size());
        joined += List.RowText(row);
        List.AppendLineBreak(row, joined);
        return ApplyRowEdit(List, {above, 2, std::move(joined), caretOffset});
    }

    const TCaretPos caret{row, Caret.Col};
    if (Options.BackSpaceUnIndent())
        if (std::optional<TCaretPos> place = UnIndentBack(List, caret))
            return place;

    const std::string_view text = RowView(List, row);
    const TColumnModel model = List.ColumnModel();
    if (Caret.Col > ExpandedWidth(text, model))
        return TCaretPos{row, Caret.Col - 1};
    // The character before the caret: the one whose columns reach the
    // caret (a tab whose fill the caret stands in, too).
    TColumnCursor c(text, model);
    while (c.EndCol() < Caret.Col)
        c.Next();
    std::string rebuilt(text.substr(0, c.Pos()));
    rebuilt.append(text.substr(c.Pos() + c.Len()));
    List.AppendLineBreak(row, rebuilt);
    return ApplyRowEdit(List, {row, 1, std::move(rebuilt), static_cast<int>(c.Pos())});
}

std::optional<TCaretPos> KeyDelete(TEditorScreenStrings& List, TCaretPos Caret)
{
    const int count = List.Count();
    const int row = Caret.Row;
    if (!HasRow(List, row))
        return std::nullopt;
    const std::string_view text = List.RowText(row);
    const TColumnModel model = List.ColumnModel();
    const int width = ExpandedWidth(text, model);

    if (Caret.Col < width) {
        const size_t index = static_cast<size_t>(ColumnToCharIndex(text, Caret.Col, model));
        std::string rebuilt(text.substr(0, index));
        rebuilt.append(text.substr(index + sjis::CharLen(text, index)));
        List.AppendLineBreak(row, rebuilt);
        return ApplyRowEdit(List, {row, 1, std::move(rebuilt), static_cast<int>(index)});
    }

    switch (List.RowAttribute(row)) {
    case TRowAttribute::raEof: return std::nullopt;
    case TRowAttribute::raWrapped: {
        // The caret never rests past a wrapped row's end; should it, the
        // next character of the line goes.
        std::string rebuilt(text);
        const std::string_view next = List.RowText(row + 1);
        rebuilt.append(next.substr(next.empty() ? 0 : sjis::CharLen(next, 0)));
        List.AppendLineBreak(row + 1, rebuilt);
        return ApplyRowEdit(List, {row, 2, std::move(rebuilt), static_cast<int>(text.size())});
    }
    default: {
        std::string rebuilt(text);
        rebuilt += Blanks(Caret.Col - width);
        const int caretOffset = static_cast<int>(rebuilt.size());
        if (row + 1 >= count)
            return ApplyRowEdit(List, {row, 1, std::move(rebuilt), caretOffset});
        rebuilt += List.RowText(row + 1);
        List.AppendLineBreak(row + 1, rebuilt);
        return ApplyRowEdit(List, {row, 2, std::move(rebuilt), caretOffset});
    }
    }
}

std::optional<TCaretPos> KeyTab(TEditorScreenStrings& List, const TEditPlace& Place, const TEditorCaret& Options,
                                bool OverWrite)
{
    const int width = List.ColumnModel().TabWidth(std::max(Place.Col, 0));
    if (OverWrite)
        return TCaretPos{Place.Row, Place.Col + width};
    return InsertString(List, Place, Options.SoftTab() ? Blanks(width) : std::string("\t"), false);
}

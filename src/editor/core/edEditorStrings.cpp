#include "edEditorStrings.h"

#include "edEditorClient.h"
#include "edScreenStrings.h"

#include "SysUtils.h"

#include <algorithm>

TEditorScreenStrings& TEditorStrings::List() const { return Editor_.ScreenStrings(); }

int TEditorStrings::LineToRow(int Line) const
{
    const TEditorScreenStrings& list = List();
    if (!list.WordWrap())
        return Line;
    if (Line < 1)
        return 0;
    // The last row ends the last line even if it were marked wrapped.
    return std::min(list.RowEndingLines(Line) + 1, list.Count());
}

std::string TEditorStrings::Get(int Index) const
{
    const TEditorScreenStrings& list = List();
    const int row = LineToRow(Index);
    if (Index < 0 || row >= list.Count())
        RaiseListIndexError(Index);
    if (!list.WordWrap())
        return std::string(list.RowText(row));
    std::string text;
    int taken = 0;
    list.GetRowsText(row, -1, text, taken);
    while (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
        text.resize(text.size() - 2);
    return text;
}

int TEditorStrings::GetCount() const
{
    const TEditorScreenStrings& list = List();
    const int count = list.Count();
    if (!list.WordWrap() || count == 0)
        return count;
    // The rows that end a logical line, from the row index; a last row
    // marked wrapped still ends the last line.
    const int lines = list.LineEndsBefore(count);
    return list.RowAttribute(count - 1) == TRowAttribute::raWrapped ? lines + 1 : lines;
}

std::string TEditorStrings::GetTextStr() const { return List().GetTextStr(); }

void TEditorStrings::Replace(int Row, int Count, std::string_view S, int CaretFrom, int CaretLength)
{
    Editor_.CleanSelection();
    TCaretScope caret(&Editor_);
    List().ReplaceRows(Row, Count, S);
    int caretRow = 0;
    int caretCol = 0;
    List().RowColAfterText(CaretFrom, CaretLength, caretRow, caretCol);
    caret.End(caretRow, caretCol);
}

void TEditorStrings::Put(int Index, const std::string& S)
{
    const TEditorScreenStrings& list = List();
    const int first = LineToRow(Index);
    if (Index < 0 || first >= list.Count())
        RaiseListIndexError(Index);
    const int last = list.LineLastRow(first);
    std::string text = S;
    list.AppendLineBreak(last, text);
    Replace(first, last - first + 1, text, first, static_cast<int>(text.size()));
}

void TEditorStrings::Insert(int Index, const std::string& S)
{
    if (Index < 0 || Index > GetCount())
        RaiseListIndexError(Index);
    const int row = LineToRow(Index);
    if (row == List().Count()) {
        Add(S);
        return;
    }
    const std::string text = S + "\r\n";
    Replace(row, 0, text, row, static_cast<int>(text.size()));
}

int TEditorStrings::Add(const std::string& S)
{
    const TEditorScreenStrings& list = List();
    const int lines = GetCount();
    const int count = list.Count();
    if (count > 0 && list.RowAttribute(count - 1) != TRowAttribute::raCrlf) {
        const std::string text = std::string(list.RowText(count - 1)) + "\r\n" + S;
        Replace(count - 1, 1, text, count - 1, static_cast<int>(text.size()));
    } else {
        const std::string text = S + "\r\n";
        Replace(count, 0, text, count, static_cast<int>(text.size()));
    }
    return lines;
}

void TEditorStrings::Delete(int Index)
{
    const TEditorScreenStrings& list = List();
    const int first = LineToRow(Index);
    if (Index < 0 || first >= list.Count())
        RaiseListIndexError(Index);
    const int last = list.LineLastRow(first);
    Replace(first, last - first + 1, {}, first, 0);
}

void TEditorStrings::Clear() { List().Clear(); }

void TEditorStrings::SetTextStr(std::string_view Value)
{
    TUpdateScope update(*this);
    List().SetTextStr(Value);
    update.End();
}

void TEditorStrings::LoadFromFile(const std::string& FileName)
{
    TUpdateScope update(*this);
    List().LoadFromFile(FileName);
    update.End();
}

void TEditorStrings::Assign(const TPersistent* Source)
{
    const auto* strings = dynamic_cast<const TStrings*>(Source);
    if (!strings) {
        TStrings::Assign(Source);
        return;
    }
    if (strings == this)
        return;
    SetTextStr(strings->Text());
    Editor_.SetRowCol(List().Count(), 0);
}

void TEditorStrings::SetUpdateState(bool Updating)
{
    if (Updating) {
        List().BeginUpdate();
        Editor_.BeginLinesUpdate();
    } else {
        List().EndUpdate();
        Editor_.EndLinesUpdate();
        List().RefreshEditors();
    }
}

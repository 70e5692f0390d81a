#include "edPositions.h"

#include "edRowText.h"

#include <algorithm>

namespace {

using edrow::HasRow;

int RowLength(const TEditorScreenStrings& List, int Row)
{
    return HasRow(List, Row) ? static_cast<int>(List.RowText(Row).size()) : 0;
}

} // namespace

int MaxCaretRow(const TEditorScreenStrings& List)
{
    const int count = List.Count();
    return count == 0 || List.RowAttribute(count - 1) == TRowAttribute::raCrlf ? count : count - 1;
}

int RowPlaces(const TEditorScreenStrings& List, int Row)
{
    if (!HasRow(List, Row))
        return 0;
    return RowLength(List, Row) + (List.RowAttribute(Row) == TRowAttribute::raCrlf ? 2 : 0);
}

int RowsPlaces(const TEditorScreenStrings& List, int From, int To)
{
    int places = 0;
    for (int row = std::max(From, 0); row < To && row < List.Count(); ++row)
        places += RowPlaces(List, row);
    return places;
}

int RowWidth(const TEditorScreenStrings& List, int Row)
{
    return HasRow(List, Row) ? ExpandedWidth(List.RowText(Row), List.ColumnModel()) : 0;
}

int CaretIndex(const TEditorScreenStrings& List, int Row, int Col)
{
    return HasRow(List, Row) ? ColumnToCharIndex(List.RowText(Row), Col, List.ColumnModel()) : 0;
}

int IndexToCol(const TEditorScreenStrings& List, int Row, int Index)
{
    if (!HasRow(List, Row) || Index <= 0)
        return 0;
    const std::string_view text = List.RowText(Row);
    return ExpandedWidth(std::string_view(text).substr(0, static_cast<size_t>(Index)), List.ColumnModel());
}

int CharPos(const TEditorScreenStrings& List, int Row, int Index)
{
    Row = std::clamp(Row, 0, List.Count());
    return List.RowStartPos(Row) + std::clamp(Index, 0, RowLength(List, Row));
}

TCaretPos CaretAtPos(const TEditorScreenStrings& List, int Pos)
{
    TCaretPos place;
    List.RowColAfterText(0, std::max(Pos, 0), place.Row, place.Col);
    return place;
}

TCaretPos CaretAfterLength(const TEditorScreenStrings& List, int Row, int Col, int Length)
{
    TCaretPos place;
    List.RowColAfterText(Row, CaretIndex(List, Row, Col) + std::max(Length, 0), place.Row, place.Col);
    return place;
}

int LineIndex(const TEditorScreenStrings& List, int Row)
{
    const int count = List.Count();
    if (Row < 0 || Row > count)
        return -1;
    if (Row == count && count > 0 && List.RowAttribute(count - 1) != TRowAttribute::raCrlf)
        return -1;
    return List.RowStartPos(Row);
}

int LineFromChar(const TEditorScreenStrings& List, int Pos)
{
    int row = 0;
    int index = 0;
    List.PosToRowIndex(Pos, row, index);
    return row;
}

int LineLength(const TEditorScreenStrings& List, int Pos) { return RowLength(List, LineFromChar(List, Pos)); }

std::string GetLine(const TEditorScreenStrings& List, int Row, int MaxBytes)
{
    if (!HasRow(List, Row) || MaxBytes <= 0)
        return {};
    const std::string_view text = List.RowText(Row);
    return std::string(text.substr(0, std::min(text.size(), static_cast<size_t>(MaxBytes))));
}

TCaretPos PosFromChar(const TEditorScreenStrings& List, int Pos)
{
    TCaretPos place;
    int index = 0;
    List.PosToRowIndex(Pos, place.Row, index);
    place.Col = IndexToCol(List, place.Row, index);
    return place;
}

int CharFromRowCol(const TEditorScreenStrings& List, int Row, int Col)
{
    if (Row >= List.Count())
        return List.GetTextLen();
    return CharPos(List, Row, CaretIndex(List, Row, Col));
}

int PackPositions(int Low, int High)
{
    constexpr int Max16 = 0xFFFF;
    if (Low < 0 || Low > Max16 || High < 0 || High > Max16)
        return -1;
    return static_cast<int>(static_cast<unsigned>(Low) | static_cast<unsigned>(High) << 16);
}

int LineCharIndex(const TEditorScreenStrings& List, int Row, int Col)
{
    if (!HasRow(List, Row) || Col < 0)
        return -1;
    int offset = CaretIndex(List, Row, Col);
    for (int row = List.LineFirstRow(Row); row < Row; ++row)
        offset += RowLength(List, row);
    return offset;
}

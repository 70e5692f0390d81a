#include "edRowMarks.h"

#include "edRowText.h"

namespace {

using edrow::HasRow;

bool IsMark(int Mark) { return Mark >= 0 && Mark < 16; }

// Takes the unique marks among Marks off every row but Row.
void TakeOffOtherRows(TEditorScreenStrings& List, int Row, uint16_t Marks)
{
    for (int mark = 0; mark < FirstImageRowMark; ++mark) {
        if ((Marks & RowMarkBit(mark)) == 0)
            continue;
        const int holder = FindRowMark(List, mark);
        if (holder >= 0 && holder != Row)
            List.SetRowMarks(holder, static_cast<uint16_t>(List.RowMarks(holder) & ~RowMarkBit(mark)));
    }
}

} // namespace

bool SetRowMarks(TEditorScreenStrings& List, int Row, uint16_t Marks)
{
    if (!HasRow(List, Row))
        return false;
    const uint16_t old = List.RowMarks(Row);
    if (old == Marks)
        return false;
    const uint16_t added = static_cast<uint16_t>(Marks & ~old);
    const uint16_t dropped = static_cast<uint16_t>(old & ~Marks);
    TakeOffOtherRows(List, Row, added & DigitRowMarks);
    List.SetRowMarks(Row, Marks);
    List.IncludeRowMarks(added);
    List.ReleaseRowMarks(dropped);
    return true;
}

void PutRowMark(TEditorScreenStrings& List, int Row, int Mark)
{
    if (!IsMark(Mark))
        return;
    if (HasRow(List, Row)) {
        SetRowMarks(List, Row, static_cast<uint16_t>(List.RowMarks(Row) | RowMarkBit(Mark)));
        return;
    }
    if ((RowMarkBit(Mark) & DigitRowMarks) != 0 && FindRowMark(List, Mark) >= 0) {
        TakeOffOtherRows(List, Row, RowMarkBit(Mark));
        List.ReleaseRowMarks(RowMarkBit(Mark));
    }
}

void DeleteRowMark(TEditorScreenStrings& List, int Row, int Mark)
{
    if (IsMark(Mark) && HasRow(List, Row))
        SetRowMarks(List, Row, static_cast<uint16_t>(List.RowMarks(Row) & ~RowMarkBit(Mark)));
}

int FindRowMark(const TEditorScreenStrings& List, int Mark)
{
    if (!IsMark(Mark))
        return -1;
    for (int row = 0; row < List.Count(); ++row)
        if ((List.RowMarks(row) & RowMarkBit(Mark)) != 0)
            return row;
    return -1;
}

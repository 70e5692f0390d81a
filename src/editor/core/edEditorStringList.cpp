#include "edEditorStringList.h"

#include <utility>

int TEditorStringList::AddRow(std::string_view Text, TRowAttribute Attribute)
{
    const int index = Add(std::string());
    SetRowText(index, Text);
    SetRowAttribute(index, Attribute);
    return index;
}

int TEditorStringList::AddSharedRow(std::string_view Text, TRowAttribute Attribute)
{
    const int index = Add(std::string());
    ShareRowText(index, Text);
    SetRowAttribute(index, Attribute);
    return index;
}

void TEditorStringList::TakeRow(int Index, TEditorStringList& Source, int SourceIndex)
{
    if (&Source != this)
        ShareTextBlocksOf(Source);
    ReplaceRow(Index, Source.ReplaceRow(SourceIndex, TRowItem()));
}

void TEditorStringList::SetRowCount(int Count)
{
    BeginUpdate();
    if (GetCapacity() < Count)
        SetCapacity(Count);
    while (GetCount() < Count)
        Add(std::string());
    while (GetCount() > Count)
        Delete(GetCount() - 1);
    EndUpdate();
}

#include "edStringList.h"

#include <utility>

TedStringList::~TedStringList()
{
    OnChange = nullptr;
    OnChanging = nullptr;
}

std::string TedStringList::Get(int Index) const { return Row(Index).Text; }

void TedStringList::Put(int Index, const std::string& S)
{
    TRowItem& row = Row(Index);
    Changing();
    row.Text = S;
    Changed();
}

void TedStringList::SetCapacity(int NewCapacity)
{
    if (NewCapacity >= GetCount() && NewCapacity != GetCapacity())
        Rows_.SetCapacity(NewCapacity);
}

void TedStringList::Grow()
{
    const int capacity = GetCapacity();
    const int delta = capacity > 64 ? capacity / 4 : capacity > 8 ? 16 : 4;
    Rows_.SetCapacity(capacity + delta);
}

void TedStringList::Insert(int Index, const std::string& S)
{
    if (Index < 0 || Index > GetCount())
        RaiseListIndexError(Index);
    TRowItem row;
    row.Text = S;
    Changing();
    if (GetCount() == GetCapacity())
        Grow();
    Rows_.Insert(Index, std::move(row));
    Changed();
}

void TedStringList::Delete(int Index)
{
    CheckIndex(Index);
    Changing();
    Rows_.Delete(Index);
    Changed();
}

void TedStringList::Exchange(int Index1, int Index2)
{
    TRowItem& row1 = Row(Index1);
    TRowItem& row2 = Row(Index2);
    Changing();
    if (Index1 != Index2)
        std::swap(row1, row2);
    Changed();
}

void TedStringList::Clear()
{
    if (GetCount() == 0)
        return;
    Changing();
    Rows_.Clear();
    Changed();
}

void TedStringList::Changed()
{
    if (UpdateCount_ == 0 && OnChange)
        OnChange(this);
}

void TedStringList::Changing()
{
    if (UpdateCount_ == 0 && OnChanging)
        OnChanging(this);
}

void TedStringList::SetUpdateState(bool Updating)
{
    if (Updating) {
        Changing();
        ++UpdateCount_;
    } else if (UpdateCount_ > 0) {
        --UpdateCount_;
        Changed();
    }
}

#include "edStringList.h"

#include <algorithm>
#include <utility>

namespace {

// How a row ends: the low two bits of word A.
constexpr uint32_t RowEndBits = 0x3;
constexpr uint32_t EndsWithLineBreak = 0;
constexpr uint32_t WrappedIntoNext = 1;

int Places(const TRowItem& Row)
{
    return static_cast<int>(Row.Text().size()) + ((Row.AttributeA & RowEndBits) == EndsWithLineBreak ? 2 : 0);
}

int EndsLine(const TRowItem& Row) { return (Row.AttributeA & RowEndBits) != WrappedIntoNext ? 1 : 0; }

} // namespace

TedStringList::~TedStringList()
{
    OnChange = nullptr;
    OnChanging = nullptr;
}

std::string TedStringList::Get(int Index) const { return std::string(Row(Index).Text()); }

void TedStringList::Put(int Index, const std::string& S)
{
    CheckIndex(Index);
    Changing();
    SetRowText(Index, S);
    Changed();
}

void TedStringList::SetRowText(int Index, std::string_view Text)
{
    Row(Index).SetText(Text);
    IndexRow(Index);
}

void TedStringList::ShareRowText(int Index, std::string_view Text)
{
    Row(Index).ShareText(Text);
    IndexRow(Index);
}

void TedStringList::ShareTextBlock(std::shared_ptr<const std::string> Block)
{
    if (Block && std::find(TextBlocks_.begin(), TextBlocks_.end(), Block) == TextBlocks_.end())
        TextBlocks_.push_back(std::move(Block));
}

void TedStringList::ShareTextBlocksOf(const TedStringList& Source)
{
    for (const std::shared_ptr<const std::string>& block : Source.TextBlocks_)
        ShareTextBlock(block);
}

void TedStringList::SetAttributeA(int Index, uint32_t Value)
{
    TRowItem& row = Row(Index);
    const uint32_t old = row.AttributeA;
    row.AttributeA = Value;
    if ((old ^ Value) & RowEndBits)
        IndexRow(Index);
}

TRowItem TedStringList::ReplaceRow(int Index, TRowItem&& Item)
{
    TRowItem old = std::exchange(Row(Index), std::move(Item));
    IndexRow(Index);
    return old;
}

void TedStringList::IndexRow(int Index)
{
    const TRowItem& row = Rows_[Index];
    Places_.Resize(Index, Places(row) - Places_.Length(Index));
    LineEnds_.Resize(Index, EndsLine(row) - LineEnds_.Length(Index));
}

void TedStringList::SetCapacity(int NewCapacity)
{
    if (NewCapacity >= GetCount() && NewCapacity != GetCapacity()) {
        Rows_.SetCapacity(NewCapacity);
        Places_.SetCapacity(NewCapacity);
        LineEnds_.SetCapacity(NewCapacity);
    }
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
    row.SetText(S);
    Changing();
    if (GetCount() == GetCapacity())
        Grow();
    Places_.Insert(Index, Places(row));
    LineEnds_.Insert(Index, EndsLine(row));
    Rows_.Insert(Index, std::move(row));
    Changed();
}

void TedStringList::Delete(int Index)
{
    CheckIndex(Index);
    Changing();
    Rows_.Delete(Index);
    Places_.Remove(Index);
    LineEnds_.Remove(Index);
    Changed();
}

void TedStringList::Exchange(int Index1, int Index2)
{
    TRowItem& row1 = Row(Index1);
    TRowItem& row2 = Row(Index2);
    Changing();
    if (Index1 != Index2) {
        std::swap(row1, row2);
        IndexRow(Index1);
        IndexRow(Index2);
    }
    Changed();
}

void TedStringList::Clear()
{
    if (GetCount() == 0) {
        TextBlocks_.clear();
        return;
    }
    Changing();
    Rows_.Clear();
    TextBlocks_.clear();
    Places_.Clear();
    LineEnds_.Clear();
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

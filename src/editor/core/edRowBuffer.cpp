#include "edRowBuffer.h"

#include <algorithm>
#include <utility>

void TRowBuffer::MoveGapTo(int Index)
{
    // A full buffer has no gap to move, and no row may be moved onto itself.
    if (GapStart_ != GapEnd_) {
        const auto slots = Slots_.begin();
        if (Index < GapStart_)
            std::move_backward(slots + Index, slots + GapStart_, slots + GapEnd_);
        else
            std::move(slots + GapEnd_, slots + GapEnd_ + (Index - GapStart_), slots + GapStart_);
    }
    GapEnd_ += Index - GapStart_;
    GapStart_ = Index;
}

void TRowBuffer::Insert(int Index, TRowItem&& Item)
{
    MoveGapTo(Index);
    Slots_[GapStart_] = std::move(Item);
    ++GapStart_;
}

void TRowBuffer::Delete(int Index)
{
    MoveGapTo(Index);
    // Moving the row out leaves an empty slot and frees its strings here.
    [[maybe_unused]] const TRowItem deleted = std::move(Slots_[GapEnd_]);
    ++GapEnd_;
}

void TRowBuffer::SetCapacity(int NewCapacity)
{
    std::vector<TRowItem> slots(static_cast<size_t>(NewCapacity));
    // The gap keeps its place; the rows after it go to the end.
    const int tail = Capacity() - GapEnd_;
    std::move(Slots_.begin(), Slots_.begin() + GapStart_, slots.begin());
    std::move(Slots_.begin() + GapEnd_, Slots_.end(), slots.end() - tail);
    GapEnd_ = NewCapacity - tail;
    Slots_.swap(slots);
}

void TRowBuffer::Clear()
{
    std::vector<TRowItem>().swap(Slots_);
    GapStart_ = GapEnd_ = 0;
}

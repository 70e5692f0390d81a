// The storage of the editor's row list and of its position index: gap
// buffers. The free slots lie at the last place edited, so items inserted or
// deleted there move no others (typing Enter in a 200,000-row text), and an
// edit elsewhere moves only the items between the two places.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

template <class T>
class TGapBuffer {
public:
    int Count() const { return Capacity() - GapLength(); }
    int Capacity() const { return static_cast<int>(Slots_.size()); }

    // Index must be in 0..Count-1.
    T& operator[](int Index) { return Slots_[static_cast<size_t>(Physical(Index))]; }
    const T& operator[](int Index) const { return Slots_[static_cast<size_t>(Physical(Index))]; }

    // Index must be in 0..Count, and Count below Capacity.
    void Insert(int Index, T&& Item)
    {
        MoveGapTo(Index);
        Slots_[static_cast<size_t>(GapStart_)] = std::move(Item);
        ++GapStart_;
    }
    // Index must be in 0..Count-1. The item's storage is freed.
    void Delete(int Index)
    {
        MoveGapTo(Index);
        // Moving the item out leaves an empty slot and frees its storage here.
        [[maybe_unused]] const T deleted = std::move(Slots_[static_cast<size_t>(GapEnd_)]);
        ++GapEnd_;
    }
    // Moves the items into new storage of NewCapacity slots, at least Count;
    // 0 frees the storage.
    void SetCapacity(int NewCapacity)
    {
        std::vector<T> moved(static_cast<size_t>(NewCapacity));
        // The gap keeps its place; the items after it go to the end.
        const int tail = Capacity() - GapEnd_;
        std::move(Slots_.begin(), Slots_.begin() + GapStart_, moved.begin());
        std::move(Slots_.begin() + GapEnd_, Slots_.end(), moved.end() - tail);
        GapEnd_ = NewCapacity - tail;
        Slots_.swap(moved);
    }
    // Frees every item and the storage.
    void Clear()
    {
        std::vector<T>().swap(Slots_);
        GapStart_ = GapEnd_ = 0;
    }

private:
    int GapLength() const { return GapEnd_ - GapStart_; }
    int Physical(int Index) const { return Index < GapStart_ ? Index : Index + GapLength(); }
    void MoveGapTo(int Index)
    {
        // A full buffer has no gap to move, and no item may be moved onto itself.
        if (GapStart_ != GapEnd_) {
            const auto first = Slots_.begin();
            if (Index < GapStart_)
                std::move_backward(first + Index, first + GapStart_, first + GapEnd_);
            else
                std::move(first + GapEnd_, first + GapEnd_ + (Index - GapStart_), first + GapStart_);
        }
        GapEnd_ += Index - GapStart_;
        GapStart_ = Index;
    }

    // The slots [GapStart_, GapEnd_) are the gap: empty items without heap
    // storage, so that the items moved into them take nothing over.
    std::vector<T> Slots_;
    int GapStart_ = 0;
    int GapEnd_ = 0;
};

// One screen row. A new item has empty strings and all numbers 0.
struct TRowItem {
    std::string Text;
    std::string StateText;
    int32_t RowData = 0;
    uint32_t AttributeA = 0;
    uint32_t AttributeB = 0;
};

using TRowBuffer = TGapBuffer<TRowItem>;

// The storage of the editor's row list: a gap buffer of row items. The free
// slots lie at the last place edited, so rows inserted or deleted there move
// no other rows (typing Enter in a 200,000-row text), and an edit elsewhere
// moves only the rows between the two places.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One screen row. A new item has empty strings and all numbers 0.
struct TRowItem {
    std::string Text;
    std::string StateText;
    int32_t RowData = 0;
    uint32_t AttributeA = 0;
    uint32_t AttributeB = 0;
};

class TRowBuffer {
public:
    int Count() const { return Capacity() - GapLength(); }
    int Capacity() const { return static_cast<int>(Slots_.size()); }

    // Index must be in 0..Count-1.
    TRowItem& operator[](int Index) { return Slots_[Physical(Index)]; }
    const TRowItem& operator[](int Index) const { return Slots_[Physical(Index)]; }

    // Index must be in 0..Count, and Count below Capacity.
    void Insert(int Index, TRowItem&& Item);
    // Index must be in 0..Count-1. The item's strings are freed.
    void Delete(int Index);
    // Moves the rows into new storage of NewCapacity slots, at least Count;
    // 0 frees the storage.
    void SetCapacity(int NewCapacity);
    // Frees every row and the storage.
    void Clear();

private:
    int GapLength() const { return GapEnd_ - GapStart_; }
    int Physical(int Index) const { return Index < GapStart_ ? Index : Index + GapLength(); }
    void MoveGapTo(int Index);

    // The slots [GapStart_, GapEnd_) are the gap: empty items without heap
    // storage, so that the rows moved into them take nothing over.
    std::vector<TRowItem> Slots_;
    int GapStart_ = 0;
    int GapEnd_ = 0;
};

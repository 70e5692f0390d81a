// The storage of the editor's row list and of its position index: gap
// buffers. The free slots lie at the last place edited, so items inserted or
// deleted there move no others (typing Enter in a 200,000-row text), and an
// edit elsewhere moves only the items between the two places.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
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

// One screen row in 32 bytes. A 20 MB page has about half a million rows,
// so a row keeps no string object of its own: its text is either a piece of
// a block that the row list shares (the text it was loaded from, see
// TedStringList::ShareTextBlock), or bytes of its own once it is edited. The
// colouring state text, rarely set, lives on the heap only when not empty.
class TRowItem {
public:
    TRowItem() = default;
    TRowItem(TRowItem&& Other) noexcept { *this = std::move(Other); }
    TRowItem& operator=(TRowItem&& Other) noexcept
    {
        if (this != &Other) {
            FreeText();
            Text_ = std::exchange(Other.Text_, nullptr);
            TextSize_ = std::exchange(Other.TextSize_, 0);
            StateText_ = std::move(Other.StateText_);
            RowData = std::exchange(Other.RowData, 0);
            AttributeA = std::exchange(Other.AttributeA, 0);
            AttributeB = std::exchange(Other.AttributeB, 0);
        }
        return *this;
    }
    ~TRowItem() { FreeText(); }

    std::string_view Text() const { return {Text_, TextSize_ & SizeBits}; }
    // The row takes a copy of Text as its own.
    void SetText(std::string_view Text)
    {
        char* own = nullptr;
        if (!Text.empty()) {
            own = new char[Text.size()];
            std::copy(Text.begin(), Text.end(), own);
        }
        FreeText();
        Text_ = own;
        TextSize_ = static_cast<uint32_t>(Text.size()) | (own ? OwnsText : 0);
    }
    // The row shows Text without a copy; its bytes must outlive the row
    // (a block of the list that holds the row).
    void ShareText(std::string_view Text)
    {
        FreeText();
        Text_ = Text.data();
        TextSize_ = static_cast<uint32_t>(Text.size());
    }
    bool SharesText() const { return Text_ != nullptr && (TextSize_ & OwnsText) == 0; }

    const std::string& StateText() const
    {
        static const std::string none;
        return StateText_ ? *StateText_ : none;
    }
    void SetStateText(const std::string& Value)
    {
        if (Value.empty())
            StateText_.reset();
        else if (StateText_)
            *StateText_ = Value;
        else
            StateText_ = std::make_unique<std::string>(Value);
    }

    int32_t RowData = 0;
    uint32_t AttributeA = 0;
    uint32_t AttributeB = 0;

private:
    static constexpr uint32_t OwnsText = 0x80000000;
    static constexpr uint32_t SizeBits = ~OwnsText;
    void FreeText()
    {
        if (TextSize_ & OwnsText)
            delete[] Text_;
        Text_ = nullptr;
        TextSize_ = 0;
    }

    const char* Text_ = nullptr;
    std::unique_ptr<std::string> StateText_;
    uint32_t TextSize_ = 0; // the length, and OwnsText when the bytes are the row's
};

using TRowBuffer = TGapBuffer<TRowItem>;

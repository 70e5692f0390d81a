// Item-ID lists: the names of the folder chooser's items. A list is a
// packed chain of items, each a 16-bit little-endian byte count (counting
// its own two bytes) followed by the item's bytes, ended by a zero count.
// The empty list (the terminator alone) names the desktop; a nil list
// names nothing. Lists are values: copying copies, nothing is freed by hand.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TItemIDList {
public:
    TItemIDList() = default; // nil
    // The empty list: the desktop.
    static TItemIDList Desktop();
    // A list of one item holding Data; nil when Data is empty or does not
    // fit a 16-bit count (more than 65533 bytes).
    static TItemIDList OneItem(std::string_view Data);
    // A list read from packed bytes (as written by Bytes()); nil when the
    // counts do not walk exactly to a terminator at the end, or an item is
    // shorter than one byte of data.
    static TItemIDList FromBytes(std::string_view Packed);

    bool IsNil() const { return Bytes_.empty(); }
    bool IsEmpty() const { return Bytes_.size() == 2; }
    // The packed bytes, terminator included; empty for nil.
    const std::string& Bytes() const { return Bytes_; }
    // The data of each item, in order.
    std::vector<std::string_view> Items() const;

    bool operator==(const TItemIDList&) const = default;

private:
    friend TItemIDList ConcatIDLists(const TItemIDList& A, const TItemIDList& B);
    friend TItemIDList ListOfItems(const TItemIDList& List, size_t First, size_t Count);
    std::string Bytes_;
};

// Sum of the items' counts + 2; 0 for nil.
size_t IDListSize(const TItemIDList& List);
// The first item's count + 2; 0 for nil and for the empty list.
size_t FirstItemSize(const TItemIDList& List);
// The list after the first item (empty after a one-item list); nil for nil
// and for the empty list.
TItemIDList NextItemID(const TItemIDList& List);
// As NextItemID, but nil also when the first item is the last.
TItemIDList NextItem(const TItemIDList& List);
// A one-item list holding the first item; nil for nil and the empty list.
TItemIDList CopyFirstItem(const TItemIDList& List);
// A's items followed by B's; nil when either is nil.
TItemIDList ConcatIDLists(const TItemIDList& A, const TItemIDList& B);
// The concatenation when both are set, else the one that is set, else nil;
// both variables are left nil.
TItemIDList ConcatIDListsAndFree(TItemIDList& A, TItemIDList& B);
// All items but the last; nil for nil, the empty list and a one-item list.
TItemIDList ParentOfIDList(const TItemIDList& List);
// A one-item list holding the last item; nil for nil and the empty list.
TItemIDList LastItemOfIDList(const TItemIDList& List);
// -1 for nil, else the number of items (0 for the desktop).
int IDListDepth(const TItemIDList& List);
bool IsDesktopIDList(const TItemIDList& List);
// Whether the list holds exactly one item, and that item's data (empty
// for nil and the empty list); both without walking the list.
bool IsOneItem(const TItemIDList& List);
std::string_view FirstItemData(const TItemIDList& List);
// Count items of List from the First-th on, as a list of their own.
TItemIDList ListOfItems(const TItemIDList& List, size_t First, size_t Count);

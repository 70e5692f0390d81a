#include "ShellIDFunc.h"

#include <cstdint>

namespace {

constexpr size_t kTerminator = 2;

size_t CountAt(std::string_view Bytes, size_t Offset)
{
    return static_cast<uint8_t>(Bytes[Offset]) | static_cast<size_t>(static_cast<uint8_t>(Bytes[Offset + 1])) << 8;
}

void AppendCount(std::string& Bytes, size_t Count)
{
    Bytes.push_back(static_cast<char>(Count & 0xFF));
    Bytes.push_back(static_cast<char>(Count >> 8));
}

// Offsets of the items' counts, in order.
std::vector<size_t> ItemOffsets(const std::string& Bytes)
{
    std::vector<size_t> offsets;
    if (Bytes.empty())
        return offsets;
    for (size_t at = 0; at + kTerminator < Bytes.size(); at += CountAt(Bytes, at))
        offsets.push_back(at);
    return offsets;
}

} // namespace

TItemIDList TItemIDList::Desktop()
{
    TItemIDList list;
    list.Bytes_.assign(kTerminator, '\0');
    return list;
}

TItemIDList TItemIDList::OneItem(std::string_view Data)
{
    TItemIDList list;
    if (Data.empty() || Data.size() > 0xFFFF - 2)
        return list;
    AppendCount(list.Bytes_, Data.size() + 2);
    list.Bytes_.append(Data);
    list.Bytes_.append(kTerminator, '\0');
    return list;
}

TItemIDList TItemIDList::FromBytes(std::string_view Packed)
{
    size_t at = 0;
    while (at + kTerminator <= Packed.size()) {
        const size_t count = CountAt(Packed, at);
        if (count == 0) {
            if (at + kTerminator != Packed.size())
                return {};
            TItemIDList list;
            list.Bytes_.assign(Packed);
            return list;
        }
        if (count < 3 || count > Packed.size() - at)
            return {};
        at += count;
    }
    return {};
}

std::vector<std::string_view> TItemIDList::Items() const
{
    std::vector<std::string_view> items;
    const std::string_view bytes = Bytes_;
    for (size_t at : ItemOffsets(Bytes_))
        items.push_back(bytes.substr(at + 2, CountAt(bytes, at) - 2));
    return items;
}

size_t IDListSize(const TItemIDList& List) { return List.Bytes().size(); }

size_t FirstItemSize(const TItemIDList& List)
{
    if (List.IsNil() || List.IsEmpty())
        return 0;
    return CountAt(List.Bytes(), 0) + 2;
}

TItemIDList NextItemID(const TItemIDList& List)
{
    if (List.IsNil() || List.IsEmpty())
        return {};
    return ListOfItems(List, 1, IDListDepth(List) - 1);
}

TItemIDList NextItem(const TItemIDList& List)
{
    TItemIDList next = NextItemID(List);
    return next.IsEmpty() ? TItemIDList() : next;
}

TItemIDList CopyFirstItem(const TItemIDList& List)
{
    if (List.IsNil() || List.IsEmpty())
        return {};
    return ListOfItems(List, 0, 1);
}

TItemIDList ConcatIDLists(const TItemIDList& A, const TItemIDList& B)
{
    if (A.IsNil() || B.IsNil())
        return {};
    TItemIDList list;
    list.Bytes_.reserve(A.Bytes_.size() + B.Bytes_.size() - kTerminator);
    list.Bytes_.append(A.Bytes_, 0, A.Bytes_.size() - kTerminator);
    list.Bytes_.append(B.Bytes_);
    return list;
}

TItemIDList ConcatIDListsAndFree(TItemIDList& A, TItemIDList& B)
{
    TItemIDList result = !A.IsNil() && !B.IsNil() ? ConcatIDLists(A, B) : !A.IsNil() ? A : B;
    A = {};
    B = {};
    return result;
}

TItemIDList ParentOfIDList(const TItemIDList& List)
{
    const int depth = IDListDepth(List);
    if (depth < 2)
        return {};
    return ListOfItems(List, 0, depth - 1);
}

TItemIDList LastItemOfIDList(const TItemIDList& List)
{
    const int depth = IDListDepth(List);
    if (depth < 1)
        return {};
    return ListOfItems(List, depth - 1, 1);
}

int IDListDepth(const TItemIDList& List)
{
    if (List.IsNil())
        return -1;
    return static_cast<int>(ItemOffsets(List.Bytes()).size());
}

bool IsDesktopIDList(const TItemIDList& List) { return List.IsEmpty(); }

bool IsOneItem(const TItemIDList& List)
{
    const std::string& bytes = List.Bytes();
    return bytes.size() > kTerminator && CountAt(bytes, 0) + kTerminator == bytes.size();
}

std::string_view FirstItemData(const TItemIDList& List)
{
    const std::string_view bytes = List.Bytes();
    if (bytes.size() <= kTerminator)
        return {};
    return bytes.substr(2, CountAt(bytes, 0) - 2);
}

TItemIDList ListOfItems(const TItemIDList& List, size_t First, size_t Count)
{
    if (List.IsNil())
        return {};
    const std::vector<size_t> offsets = ItemOffsets(List.Bytes_);
    const size_t begin = First < offsets.size() ? offsets[First] : List.Bytes_.size() - kTerminator;
    const size_t endIndex = First + Count;
    const size_t end = endIndex < offsets.size() ? offsets[endIndex] : List.Bytes_.size() - kTerminator;
    TItemIDList list;
    list.Bytes_.assign(List.Bytes_, begin, end > begin ? end - begin : 0);
    list.Bytes_.append(kTerminator, '\0');
    return list;
}

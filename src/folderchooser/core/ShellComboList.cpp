#include "ShellComboList.h"

#include "ShellNamespace.h"

TShellComboList::TShellComboList(const TShellNamespace& Namespace, TEnumSubFolders EnumSubFolders)
    : Namespace_(Namespace), EnumSubFolders_(std::move(EnumSubFolders))
{}

int TShellComboList::ParentOf(int Index) const
{
    const int level = (*this)[Index].Level();
    for (int i = Index - 1; i >= 0; --i)
        if ((*this)[i].Level() < level)
            return i;
    return -1;
}

int TShellComboList::EndOfDescendants(int Index) const
{
    const int level = (*this)[Index].Level();
    int end = Index + 1;
    while (end < Count() && (*this)[end].Level() > level)
        ++end;
    return end;
}

void TShellComboList::Insert(int Position, TItemIDList Relative, const TItemIDList& ParentAbsolute, bool Temporary)
{
    TItemIDList absolute = ConcatIDLists(ParentAbsolute, Relative);
    auto item = std::make_unique<TShellDataItem>(Namespace_, std::move(Relative), std::move(absolute));
    Items_.insert(Items_.begin() + Position, TShellComboItem{std::move(item), Temporary});
    if (ItemIndex_ >= Position)
        ++ItemIndex_;
}

void TShellComboList::EraseTemporaries(int From, int To)
{
    const TShellDataItem* shown = ItemIndex_ >= 0 ? (*this)[ItemIndex_].Item.get() : nullptr;
    for (int i = To - 1; i >= From; --i)
        if (Items_[static_cast<size_t>(i)].Temporary)
            Items_.erase(Items_.begin() + i);
    ItemIndex_ = -1;
    for (int i = 0; i < Count(); ++i)
        if ((*this)[i].Item.get() == shown)
            ItemIndex_ = i;
}

void TShellComboList::FillItems()
{
    EraseTemporaries(0, Count());
    if (Items_.empty()) {
        TItemIDList desktopFolder;
        Namespace_.GetSpecialFolderIDList(sfDesktopDirectory, desktopFolder);
        Items_.push_back(
            {std::make_unique<TShellDataItem>(Namespace_, std::move(desktopFolder), TItemIDList::Desktop())});
    }
    MergeChildren(0);
    if (Count() > 1)
        MergeChildren(1);
    if (ItemIndex_ < 0)
        ItemIndex_ = 0;
}

// The tree's merge: equal items stay (with their own children), new ones
// go in before the first that sorts after them, vanished ones go with
// their descendants.
void TShellComboList::MergeChildren(int Index)
{
    TShellDataItem& parent = *Items_[static_cast<size_t>(Index)].Item;
    const std::shared_ptr<const TShellFolder> folder = parent.Folder();
    if (!folder)
        return;
    const TItemIDList parentAbsolute = parent.AbsoluteIDList();
    const int childLevel = parent.Level() + 1;
    std::vector<TItemIDList> entries = EnumSubFolders_(parent);
    int position = Index + 1;
    size_t next = 0;
    auto atChild = [&] { return position < Count() && (*this)[position].Level() >= childLevel; };
    while (atChild() && next < entries.size()) {
        const int order = CompareIDLists(*folder, (*this)[position].Item->RelativeIDList(), entries[next]);
        if (order == 0) {
            Items_[static_cast<size_t>(position)].Temporary = false;
            position = EndOfDescendants(position);
            ++next;
        } else if (order == 1) {
            Insert(position++, std::move(entries[next++]), parentAbsolute, false);
        } else {
            EraseVanished(position, Index);
        }
    }
    for (; next < entries.size(); ++next)
        Insert(position++, std::move(entries[next]), parentAbsolute, false);
    while (atChild())
        EraseVanished(position, Index);
}

// A shown item that goes leaves its parent shown.
void TShellComboList::EraseVanished(int Position, int Parent)
{
    const int end = EndOfDescendants(Position);
    if (ItemIndex_ >= Position && ItemIndex_ < end)
        ItemIndex_ = Parent;
    else if (ItemIndex_ >= end)
        ItemIndex_ -= end - Position;
    Items_.erase(Items_.begin() + Position, Items_.begin() + end);
}

int TShellComboList::FindItem(const TItemIDList& Absolute)
{
    if (Absolute.IsNil() || IsDesktopIDList(Absolute) || Items_.empty())
        return 0;
    const int depth = IDListDepth(Absolute);
    int current = 0;
    for (int level = 1; level <= depth; ++level) {
        const TItemIDList wanted = ListOfItems(Absolute, 0, static_cast<size_t>(level));
        const TItemIDList parentAbsolute = (*this)[current].Item->AbsoluteIDList();
        auto findChild = [&] {
            for (int i = current + 1; i < Count() && (*this)[i].Level() > level - 1; i = EndOfDescendants(i))
                if ((*this)[i].Item->AbsoluteIDList() == wanted)
                    return i;
            return -1;
        };
        int found = findChild();
        const bool hasChildren = current + 1 < Count() && (*this)[current + 1].Level() == level;
        if (found < 0 && hasChildren && !(*this)[current + 1].Temporary) {
            // A listing that is kept whole: only a folder made since may be
            // missing from it; anything still missing is not listed.
            MergeChildren(current);
            found = findChild();
            if (found < 0)
                return 0;
        }
        if (found < 0) {
            found = EndOfDescendants(current);
            Insert(found, LastItemOfIDList(wanted), parentAbsolute, true);
            if (!(*this)[found].Item->Folder()) {
                Items_.erase(Items_.begin() + found);
                return 0;
            }
        }
        current = found;
    }
    return current;
}

void TShellComboList::SelectIDList(const TItemIDList& Absolute)
{
    if (ItemIndex_ >= 0 && (*this)[ItemIndex_].Item->AbsoluteIDList() == Absolute)
        return;
    EraseTemporaries(0, Count());
    ItemIndex_ = FindItem(Absolute);
}

void TShellComboList::Pick(int Index)
{
    if (Index < 0 || Index >= Count() || !(*this)[Index].Item->IsValid())
        return;
    const TShellDataItem* picked = (*this)[Index].Item.get();
    ItemIndex_ = Index;
    if (!(*this)[Index].Temporary)
        EraseTemporaries(0, Count());
    else if (Index + 1 < Count() && (*this)[Index + 1].Temporary && (*this)[Index + 1].Level() > (*this)[Index].Level())
        EraseTemporaries(Index + 1, EndOfDescendants(Index));
    for (int i = 0; i < Count(); ++i)
        if ((*this)[i].Item.get() == picked)
            ItemIndex_ = i;
}

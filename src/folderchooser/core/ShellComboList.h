// The items of the path combo: the desktop, its sub-folders and the first
// sub-folder's sub-folders, each followed by its own listed children, plus
// temporary items that make up the chain down to the folder shown. An
// item's parent is the nearest item before it one level up.
#pragma once

#include "ShellDataItem.h"

#include <functional>
#include <memory>
#include <vector>

class TShellNamespace;

struct TShellComboItem {
    std::unique_ptr<TShellDataItem> Item;
    bool Temporary = false;
    int Level() const { return Item->Level(); }
};

class TShellComboList {
public:
    // The relative lists of an item's sub-folders, in the folder's order,
    // by the rules of the tree the combo follows.
    using TEnumSubFolders = std::function<std::vector<TItemIDList>(TShellDataItem& Parent)>;

    TShellComboList(const TShellNamespace& Namespace, TEnumSubFolders EnumSubFolders);

    int Count() const { return static_cast<int>(Items_.size()); }
    const TShellComboItem& operator[](int Index) const { return Items_[static_cast<size_t>(Index)]; }
    int ItemIndex() const { return ItemIndex_; }
    void SetItemIndex(int Index) { ItemIndex_ = Index; }
    // The index of an item's parent; -1 for the desktop.
    int ParentOf(int Index) const;

    // Drops the temporary items and merges the desktop's and its first
    // sub-folder's listings into the items there are.
    void FillItems();
    // The index of the item for an absolute list, adding temporary items
    // for the folders on the way that are not listed; 0 (the desktop) for
    // anything that cannot be reached.
    int FindItem(const TItemIDList& Absolute);
    // Shows the folder of an absolute list, unless it is shown already.
    void SelectIDList(const TItemIDList& Absolute);
    // The user picked an item: temporary items off its way go, and it
    // becomes the item shown.
    void Pick(int Index);

private:
    // One past the item's last descendant.
    int EndOfDescendants(int Index) const;
    void MergeChildren(int Index);
    // Erases the item at Position, which has vanished from Parent, with
    // its descendants.
    void EraseVanished(int Position, int Parent);
    void Insert(int Position, TItemIDList Relative, const TItemIDList& ParentAbsolute, bool Temporary);
    void EraseTemporaries(int From, int To);

    const TShellNamespace& Namespace_;
    TEnumSubFolders EnumSubFolders_;
    std::vector<TShellComboItem> Items_;
    int ItemIndex_ = -1;
};

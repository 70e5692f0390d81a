// A selection of items of one folder: the folder's absolute list and one
// relative list per item. The context menu acts on one, and the drag events
// hand one over. Lists are values, so the list owns its entries and its
// parent list whichever way it was made.
#pragma once

#include "ShellFolder.h"
#include "ShellIDFunc.h"

#include <memory>
#include <string>
#include <vector>

class TShellNamespace;

class TShellIDList {
public:
    explicit TShellIDList(const TShellNamespace& Namespace) : Namespace_(&Namespace) {}
    TShellIDList(const TShellNamespace& Namespace, TItemIDList Parent, std::vector<TItemIDList> Items);
    // The item of an absolute list, with its folder as the parent.
    static TShellIDList OfItem(const TShellNamespace& Namespace, const TItemIDList& Absolute);

    const TItemIDList& ParentIDList() const { return Parent_; }
    void SetParentIDList(TItemIDList Parent);
    int Count() const { return static_cast<int>(Items_.size()); }
    const TItemIDList& operator[](int Index) const { return Items_[static_cast<size_t>(Index)]; }
    void Add(TItemIDList Relative) { Items_.push_back(std::move(Relative)); }
    void Clear();

    // The folder holding the items; null when it cannot be bound.
    std::shared_ptr<const TShellFolder> ParentFolder() const;
    TItemIDList AbsoluteIDList(int Index) const;
    // The capabilities (copy, move, link, ...) every item has.
    uint32_t Attributes() const;
    bool HasAttribute(uint32_t Mask) const { return (Attributes() & Mask) == Mask; }
    // The items' paths; "" for one without.
    std::vector<std::string> Paths() const;

private:
    const TShellNamespace* Namespace_;
    TItemIDList Parent_;
    std::vector<TItemIDList> Items_;
    mutable std::shared_ptr<const TShellFolder> Folder_;
};

// The variant that owns its entries and parent: the same list here.
using TShellIDList2 = TShellIDList;

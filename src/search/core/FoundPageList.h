// The pages a list search found, in document order, and the one the list
// stands on. The list holds tree nodes it does not own: the page binding
// takes a page out before its node is freed, so no entry ever names a freed
// node. Whoever shows the list hears every change through OnChange.
#pragma once

#include <functional>
#include <vector>

class TTreeNode;

class TFoundPageList {
public:
    const std::vector<TTreeNode*>& Pages() const { return Pages_; }
    bool Empty() const { return Pages_.empty(); }
    int Count() const { return static_cast<int>(Pages_.size()); }

    // A new list; it stands on its first page (on none when empty).
    void Assign(std::vector<TTreeNode*> Pages);
    void Clear();
    // Takes out the first entry of Node and gives its index (-1 when Node
    // is not listed). The list keeps standing on the page it stood on; when
    // that was Node, on the entry that takes its place.
    int Remove(const TTreeNode* Node);

    // The entry the list stands on; -1 when empty.
    int Position() const { return Position_; }
    TTreeNode* Current() const { return Position_ >= 0 ? Pages_[static_cast<size_t>(Position_)] : nullptr; }
    // Stands on Index (clamped into the list).
    void SetPosition(int Index);
    // Stands on Node's entry; false when Node is not listed.
    bool StandOn(const TTreeNode* Node);
    // Direction 0 the previous entry, 1 the next: the list stands on it and
    // gives its page; null at the list's end or for another direction.
    TTreeNode* Step(int Direction);

    std::function<void()> OnChange;

private:
    void Changed();

    std::vector<TTreeNode*> Pages_;
    int Position_ = -1;
};

// The pages of a list search in document order: Scope 0 from the first
// page on (Start is the tree's first page), 1 from Start on, 2 Start and
// the pages under it (each page before its children). HasHit decides on a
// page; Stopped, asked before each page, ends the search with the pages
// found so far.
std::vector<TTreeNode*> FindPages(TTreeNode* Start, int Scope, const std::function<bool(const TTreeNode&)>& HasHit,
                                  const std::function<bool()>& Stopped);

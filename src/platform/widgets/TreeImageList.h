// Pictures of one size that a tree view paints beside its nodes: the node
// images and the state images (sub-icons). The view shows the list but
// does not own it.
#pragma once

#include <QPixmap>
#include <vector>

class TTreeImageList {
public:
    int Count() const { return static_cast<int>(Images_.size()); }
    // Null for an index outside the list.
    const QPixmap* Image(int Index) const
    {
        return Index >= 0 && Index < Count() ? &Images_[static_cast<size_t>(Index)] : nullptr;
    }
    void Add(const QPixmap& Image) { Images_.push_back(Image); }
    void Clear() { Images_.clear(); }

private:
    std::vector<QPixmap> Images_;
};

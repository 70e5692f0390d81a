// A list of pictures of one size that an editor shows but does not own
// (the row-mark pictures of its image bar). It is a component, so that an
// editor showing it hears when it goes.
#pragma once

#include "Classes.h"

#include <QPixmap>
#include <vector>

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

    int Count() const { return static_cast<int>(Images_.size()); }
    // Index must be below Count().
    const QPixmap& Image(int Index) const { return Images_[static_cast<size_t>(Index)]; }
    void Add(const QPixmap& Image) { Images_.push_back(Image); }

private:
    std::vector<QPixmap> Images_;
};

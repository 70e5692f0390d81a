// The pictures of a toolbar's buttons, all of one size, chosen by index.
#pragma once

#include <QPixmap>
#include <vector>

class TToolImageList {
public:
    int Count() const { return static_cast<int>(Images_.size()); }
    // Null for an index outside the list.
    QPixmap Image(int Index) const;
    int Add(const QPixmap& Image);

private:
    std::vector<QPixmap> Images_;
};

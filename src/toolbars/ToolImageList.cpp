#include "ToolImageList.h"

QPixmap TToolImageList::Image(int Index) const
{
    if (Index < 0 || Index >= Count())
        return {};
    return Images_[static_cast<size_t>(Index)];
}

int TToolImageList::Add(const QPixmap& Image)
{
    Images_.push_back(Image);
    return Count() - 1;
}

#include "EdgeLayout.h"

#include "ToolDock.h"

#include <QWidget>
#include <optional>

namespace {

std::optional<TDockPosition> EdgeOf(const QLayoutItem& Item)
{
    if (const auto* dock = qobject_cast<const TToolDock*>(Item.widget()))
        return dock->Position();
    return std::nullopt;
}

// The room the docks leave, the same for the hint and the minimum.
QSize AroundDocks(const std::vector<QLayoutItem*>& Items, QSize Middle)
{
    QSize size = Middle;
    for (const QLayoutItem* item : Items) {
        const std::optional<TDockPosition> edge = EdgeOf(*item);
        if (!edge || item->isEmpty())
            continue;
        if (*edge == TDockPosition::dpTop || *edge == TDockPosition::dpBottom)
            size.rheight() += item->sizeHint().height();
        else
            size.rwidth() += item->sizeHint().width();
    }
    return size;
}

} // namespace

TEdgeLayout::~TEdgeLayout()
{
    for (QLayoutItem* item : Items_)
        delete item;
}

void TEdgeLayout::addItem(QLayoutItem* Item) { Items_.push_back(Item); }

QLayoutItem* TEdgeLayout::itemAt(int Index) const
{
    return Index >= 0 && Index < count() ? Items_[static_cast<size_t>(Index)] : nullptr;
}

QLayoutItem* TEdgeLayout::takeAt(int Index)
{
    if (Index < 0 || Index >= count())
        return nullptr;
    QLayoutItem* item = Items_[static_cast<size_t>(Index)];
    Items_.erase(Items_.begin() + Index);
    return item;
}

QSize TEdgeLayout::sizeHint() const
{
    QSize middle;
    for (const QLayoutItem* item : Items_)
        if (!EdgeOf(*item))
            middle = middle.expandedTo(item->sizeHint());
    return AroundDocks(Items_, middle);
}

QSize TEdgeLayout::minimumSize() const
{
    QSize middle;
    for (const QLayoutItem* item : Items_)
        if (!EdgeOf(*item))
            middle = middle.expandedTo(item->minimumSize());
    return AroundDocks(Items_, middle);
}

void TEdgeLayout::setGeometry(const QRect& Rect)
{
    QLayout::setGeometry(Rect);
    QRect room = contentsRect();
    for (const TDockPosition edge :
         {TDockPosition::dpTop, TDockPosition::dpBottom, TDockPosition::dpLeft, TDockPosition::dpRight})
        for (QLayoutItem* item : Items_) {
            if (EdgeOf(*item) != edge || item->isEmpty())
                continue;
            const QSize hint = item->sizeHint();
            switch (edge) {
            case TDockPosition::dpTop:
                item->setGeometry({room.left(), room.top(), room.width(), hint.height()});
                room.setTop(room.top() + hint.height());
                break;
            case TDockPosition::dpBottom:
                item->setGeometry({room.left(), room.bottom() + 1 - hint.height(), room.width(), hint.height()});
                room.setBottom(room.bottom() - hint.height());
                break;
            case TDockPosition::dpLeft:
                item->setGeometry({room.left(), room.top(), hint.width(), room.height()});
                room.setLeft(room.left() + hint.width());
                break;
            case TDockPosition::dpRight:
                item->setGeometry({room.right() + 1 - hint.width(), room.top(), hint.width(), room.height()});
                room.setRight(room.right() - hint.width());
                break;
            }
        }
    for (QLayoutItem* item : Items_)
        if (!EdgeOf(*item))
            item->setGeometry(room);
}

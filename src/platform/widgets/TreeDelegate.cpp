#include "TreeDelegate.h"

#include "ExceptionHandler.h"
#include "QtColor.h"
#include "TreeModel.h"
#include "TreeView.h"

#include <QPainter>
#include <algorithm>

namespace {

// Room between the pictures and the title, and around the title's highlight.
constexpr int Gap = 2;

void DrawCentred(QPainter& Painter, const QPixmap* Image, int X, const QRect& Row)
{
    if (Image)
        Painter.drawPixmap(X, Row.top() + (Row.height() - Image->height()) / 2, *Image);
}

// The node's title without a copy; it lives as long as the node's title.
QString TitleOf(const TTreeNode& Node)
{
    const std::u16string& title = Node.DisplayText();
    return QString::fromRawData(reinterpret_cast<const QChar*>(title.data()), static_cast<qsizetype>(title.size()));
}

} // namespace

TTreeDelegate::TTreeDelegate(TTreeView& View) : QStyledItemDelegate(&View), View_(View) {}

int TTreeDelegate::ImagesWidth(const TTreeImageList* Images)
{
    const QPixmap* first = Images ? Images->Image(0) : nullptr;
    return first ? first->width() + Gap : 0;
}

int TTreeDelegate::ImagesHeight(const TTreeImageList* Images)
{
    const QPixmap* first = Images ? Images->Image(0) : nullptr;
    return first ? first->height() : 0;
}

void TTreeDelegate::paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const
{
    TTreeNode* node = TTreeModel::NodeOf(Index);
    const QRect& row = Option.rect;
    int x = row.left() + Gap;
    if (TTreeImageList* states = View_.StateImages()) {
        DrawCentred(*Painter, node->StateIndex() > 0 ? states->Image(node->StateIndex()) : nullptr, x, row);
        x += ImagesWidth(states);
    }
    if (TTreeImageList* images = View_.Images()) {
        // The handler sets the index to show; setting the value a node holds
        // already announces nothing, so asking here starts no new repaint.
        const TTreeNodeImageEvent& ask = node->Selected() ? View_.OnGetSelectedIndex : View_.OnGetImageIndex;
        if (ask)
            CatchExceptions([&] { ask(&View_, node); });
        DrawCentred(*Painter, images->Image(node->Selected() ? node->SelectedIndex() : node->ImageIndex()), x, row);
        x += ImagesWidth(images);
    }
    const QString text = TitleOf(*node);
    // While a drag is over the tree its target takes the highlight.
    const TTreeNode* dropTarget = View_.DropTarget();
    const bool selected = dropTarget ? node == dropTarget : Option.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group =
        Option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    // Only the selected row needs the title's width, for its highlight.
    if (selected)
        Painter->fillRect(QRect(x, row.top(), Option.fontMetrics.horizontalAdvance(text) + 2 * Gap, row.height()),
                          Option.palette.brush(group, QPalette::Highlight));
    Painter->setFont(Option.font);
    Painter->setPen(selected ? Option.palette.color(group, QPalette::HighlightedText)
                             : ColorToQColor(View_.Font().Color(), clWindowText, Option.palette));
    Painter->drawText(QRect(x + Gap, row.top(), row.right() + 1 - x - Gap, row.height()),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

QSize TTreeDelegate::sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const
{
    const QString text = TitleOf(*TTreeModel::NodeOf(Index));
    const int width = 3 * Gap + ImagesWidth(View_.StateImages()) + ImagesWidth(View_.Images())
                      + Option.fontMetrics.horizontalAdvance(text);
    const int height =
        std::max({Option.fontMetrics.height() + 2, ImagesHeight(View_.StateImages()), ImagesHeight(View_.Images())});
    return {width, height};
}

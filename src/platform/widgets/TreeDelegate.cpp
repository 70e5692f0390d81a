#include "TreeDelegate.h"

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
        // The handlers may set the index; that is no change worth a repaint
        // once the value stays.
        const TTreeNodeImageEvent& ask = node->Selected() ? View_.OnGetSelectedIndex : View_.OnGetImageIndex;
        if (ask)
            ask(&View_, node);
        DrawCentred(*Painter, images->Image(node->Selected() ? node->SelectedIndex() : node->ImageIndex()), x, row);
        x += ImagesWidth(images);
    }
    const std::u16string& title = node->DisplayText();
    const QString text = QString::fromRawData(reinterpret_cast<const QChar*>(title.data()),
                                              static_cast<qsizetype>(title.size()));
    const QRect textRect(x, row.top(), Option.fontMetrics.horizontalAdvance(text) + 2 * Gap, row.height());
    const bool selected = Option.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group =
        Option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    if (selected)
        Painter->fillRect(textRect, Option.palette.brush(group, QPalette::Highlight));
    Painter->setFont(Option.font);
    Painter->setPen(selected ? Option.palette.color(group, QPalette::HighlightedText)
                             : ColorToQColor(View_.Font().Color(), clWindowText, Option.palette));
    Painter->drawText(textRect.adjusted(Gap, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

QSize TTreeDelegate::sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const
{
    const std::u16string& title = TTreeModel::NodeOf(Index)->DisplayText();
    const QString text = QString::fromRawData(reinterpret_cast<const QChar*>(title.data()),
                                              static_cast<qsizetype>(title.size()));
    const int width = 3 * Gap + ImagesWidth(View_.StateImages()) + ImagesWidth(View_.Images()) +
                      Option.fontMetrics.horizontalAdvance(text);
    const int height = std::max({Option.fontMetrics.height() + 2, ImagesHeight(View_.StateImages()),
                                 ImagesHeight(View_.Images())});
    return {width, height};
}

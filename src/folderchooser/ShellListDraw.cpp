#include "ShellListDelegate.h"

#include "SystemImageList.h"

#include <QApplication>
#include <QPainter>

namespace {

// Attribute images are drawn at the small icon size in both styles.
QSize AttributeImageSize(const QStyleOptionViewItem& Option)
{
    const QStyle* style = Option.widget ? Option.widget->style() : QApplication::style();
    const int side = style->pixelMetric(QStyle::PM_SmallIconSize, nullptr, Option.widget);
    return {side, side};
}

} // namespace

TShellListDelegate::TShellListDelegate(TShellListView& List, TViewStyle Style, QObject* Parent)
    : QStyledItemDelegate(Parent), List_(List), Style_(Style)
{}

QRect TShellListDelegate::IconRect(const QStyleOptionViewItem& Option, const QModelIndex& Index) const
{
    QStyleOptionViewItem option = Option;
    initStyleOption(&option, Index);
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    return style->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, option.widget);
}

void TShellListDelegate::initStyleOption(QStyleOptionViewItem* Option, const QModelIndex& Index) const
{
    QStyledItemDelegate::initStyleOption(Option, Index);
    if (Index.row() == List_.DropRow())
        Option->state |= QStyle::State_Selected;
    if (Index.column() != TShellFileList::colName)
        return;
    TSystemImageList& icons = TSystemImageList::Instance();
    Option->icon = icons.Icon(List_.FileList().IconIndex(Index.row(), icons));
    Option->features |= QStyleOptionViewItem::HasDecoration;
}

void TShellListDelegate::paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const
{
    const TShellFileItem& item = List_.FileList().Item(Index.row());
    bool defaultDraw = true;
    Painter->save();
    if (Index.column() == TShellFileList::colName) {
        if (List_.OnShDrawItem)
            List_.OnShDrawItem(&List_, *Painter, Option, item, defaultDraw);
    } else if (List_.OnShDrawSubItem) {
        List_.OnShDrawSubItem(&List_, *Painter, Option, item, Index.column(), defaultDraw);
    }
    Painter->restore();
    if (!defaultDraw)
        return;
    QStyledItemDelegate::paint(Painter, Option, Index);
    const std::vector<QIcon> images = List_.AttributeImagesOf(item);
    if (images.empty())
        return;
    if (Style_ == vsIcon)
        PaintBesideIcon(*Painter, Option, Index, images);
    else if (Index.column() == TShellFileList::colAttributes)
        PaintInColumn(*Painter, Option, images);
}

void TShellListDelegate::PaintBesideIcon(QPainter& Painter, const QStyleOptionViewItem& Option,
                                         const QModelIndex& Index, const std::vector<QIcon>& Images) const
{
    // The report's last image lowest, each right edge 5 pixels inside the
    // icon's left edge, each next one a pixel above the one before.
    const QRect icon = IconRect(Option, Index);
    const QSize size = AttributeImageSize(Option);
    int bottom = icon.bottom();
    for (auto image = Images.rbegin(); image != Images.rend(); ++image) {
        image->paint(&Painter, QRect(QPoint(icon.left() + 5 - size.width(), bottom - size.height() + 1), size));
        bottom -= size.height() + 1;
    }
}

void TShellListDelegate::PaintInColumn(QPainter& Painter, const QStyleOptionViewItem& Option,
                                       const std::vector<QIcon>& Images) const
{
    // Left to right from 2 pixels below the top, clipped to the cell.
    const QSize size = AttributeImageSize(Option);
    Painter.save();
    Painter.setClipRect(Option.rect);
    int x = Option.rect.left();
    for (const QIcon& image : Images) {
        image.paint(&Painter, QRect(QPoint(x, Option.rect.top() + 2), size));
        x += size.width();
    }
    Painter.restore();
}

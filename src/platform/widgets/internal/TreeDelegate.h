// Paints one row of a tree view the way the program's tree looks: the
// node's state image (sub-icon), its image, then its title, highlighted
// behind the title only while the node is selected.
#pragma once

#include <QStyledItemDelegate>

class TTreeView;
class TTreeImageList;

class TTreeDelegate final : public QStyledItemDelegate {
public:
    explicit TTreeDelegate(TTreeView& View);

    void paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override;
    QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const override;

private:
    // The width a list's pictures take in a row, 0 without pictures.
    static int ImagesWidth(const TTreeImageList* Images);
    static int ImagesHeight(const TTreeImageList* Images);

    TTreeView& View_;
};

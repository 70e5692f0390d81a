// Draws the file list's rows in one style: the icon (large in the icon
// view, small in the report) and the name, the folder row a drag would
// drop into as selected, and the attribute images, after the list's
// drawing hooks had their say.
#pragma once

#include "ShellListView.h"

#include <QStyledItemDelegate>

class TShellListDelegate final : public QStyledItemDelegate {
public:
    TShellListDelegate(TShellListView& List, TViewStyle Style, QObject* Parent);

    // Where the row's icon goes in a cell drawn with Option.
    QRect IconRect(const QStyleOptionViewItem& Option, const QModelIndex& Index) const;

protected:
    void initStyleOption(QStyleOptionViewItem* Option, const QModelIndex& Index) const override;
    void paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override;

private:
    // Stacked upwards beside the icon's left edge.
    void PaintBesideIcon(QPainter& Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index,
                         const std::vector<QIcon>& Images) const;
    // Left to right in the attributes column.
    void PaintInColumn(QPainter& Painter, const QStyleOptionViewItem& Option, const std::vector<QIcon>& Images) const;

    TShellListView& List_;
    TViewStyle Style_;
};

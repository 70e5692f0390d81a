// What a tree view carries while one of its nodes is dragged: the view
// itself, the source the drop handlers are told of.
#pragma once

#include <QMimeData>
#include <QPointer>

#include "TreeView.h"

class TTreeDragData : public QMimeData {
    Q_OBJECT

public:
    static constexpr const char* Format = "application/x-velk-tree-node";

    explicit TTreeDragData(TTreeView* Source) : Source_(Source) { setData(Format, {}); }
    // Null once the source view is gone.
    TTreeView* Source() const { return Source_; }

private:
    QPointer<TTreeView> Source_;
};

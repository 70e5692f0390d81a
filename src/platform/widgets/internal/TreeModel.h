// The Qt item model over one TTreeNodes: each index points at its node, so
// nothing is copied and a title becomes Unicode only when it is shown. It
// turns the nodes' notifications into the item-model signals and tells the
// view of selection and expansion changes.
#pragma once

#include "TreeNodes.h"

#include <QAbstractItemModel>

class TTreeView;

class TTreeModel final : public QAbstractItemModel, public TTreeNodesObserver {
public:
    explicit TTreeModel(TTreeView& View);
    ~TTreeModel() override;

    // The index of Node, invalid for null.
    QModelIndex IndexOf(const TTreeNode* Node) const;
    static TTreeNode* NodeOf(const QModelIndex& Index) { return static_cast<TTreeNode*>(Index.internalPointer()); }

    QModelIndex index(int Row, int Column, const QModelIndex& Parent = {}) const override;
    QModelIndex parent(const QModelIndex& Index) const override;
    int rowCount(const QModelIndex& Parent = {}) const override;
    int columnCount(const QModelIndex& Parent = {}) const override;
    bool hasChildren(const QModelIndex& Parent = {}) const override;
    QVariant data(const QModelIndex& Index, int Role) const override;
    Qt::ItemFlags flags(const QModelIndex& Index) const override;
    // A title edited in place (Shift-JIS once OnEdited has seen it).
    bool setData(const QModelIndex& Index, const QVariant& Value, int Role) override;

private:
    void NodesInserting(TTreeNode* Parent, int First, int Last) override;
    void NodesInserted() override;
    void NodesRemoving(TTreeNode* Node) override;
    void NodesRemoved() override;
    void NodeMoving(TTreeNode* Node, TTreeNode* NewParent, int NewRow) override;
    void NodeMoved(TTreeNode* Node) override;
    void OrderChanging() override;
    void OrderChanged() override;
    void NodesResetting() override;
    void NodesReset() override;
    void NodeChanged(TTreeNode* Node) override;
    void NodeExpandedChanged(TTreeNode* Node) override;
    void SelectionChanged(TTreeNode* Node) override;

    TTreeNode* NodeOrNull(const QModelIndex& Index) const { return Index.isValid() ? NodeOf(Index) : nullptr; }

    TTreeView& View_;
    TTreeNodes& Items_;
};

// The folder tree's nodes as a Qt item model: the tree changes its nodes
// only through this model, which tells the view.
#pragma once

#include "ShellTreeNode.h"

#include <QAbstractItemModel>
#include <functional>
#include <memory>
#include <vector>

class TShellTreeModel final : public QAbstractItemModel {
public:
    // The icon shown on a selected node.
    static constexpr int OpenIconRole = Qt::UserRole + 1;
    static constexpr int OverlayRole = Qt::UserRole + 2;

    using QAbstractItemModel::QAbstractItemModel;
    ~TShellTreeModel() override;

    // Lists a node's children when the view expands it for the first time.
    std::function<void(TShellTreeNode*)> OnFetchChildren;
    // Whether a node's text may be edited, and the edit's end with a new text.
    std::function<bool(TShellTreeNode*)> CanEdit;
    std::function<void(TShellTreeNode*, const QString&)> OnEdited;
    // Every node shows a check box the user can tick.
    bool Checkboxes = false;

    TShellTreeNode* Root() const { return Root_.get(); }
    void SetRoot(std::unique_ptr<TShellTreeNode> Root);
    void InsertChildren(TShellTreeNode* Parent, int Position, std::vector<std::unique_ptr<TShellTreeNode>> Nodes);
    void RemoveChildren(TShellTreeNode* Parent, int Position, int Count);
    // Moves a child to another place among its siblings.
    void MoveChild(TShellTreeNode* Parent, int From, int To);
    // Tells the view that a node's text, icon or "+" changed.
    void NodeChanged(TShellTreeNode* Node);

    QModelIndex IndexOf(const TShellTreeNode* Node) const;
    static TShellTreeNode* NodeOf(const QModelIndex& Index);

    QModelIndex index(int Row, int Column, const QModelIndex& Parent = {}) const override;
    QModelIndex parent(const QModelIndex& Index) const override;
    int rowCount(const QModelIndex& Parent = {}) const override;
    int columnCount(const QModelIndex& Parent = {}) const override;
    bool hasChildren(const QModelIndex& Parent = {}) const override;
    bool canFetchMore(const QModelIndex& Parent) const override;
    void fetchMore(const QModelIndex& Parent) override;
    QVariant data(const QModelIndex& Index, int Role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& Index) const override;
    bool setData(const QModelIndex& Index, const QVariant& Value, int Role = Qt::EditRole) override;

private:
    static void Renumber(TShellTreeNode* Parent, int From);
    std::unique_ptr<TShellTreeNode> Root_;
};

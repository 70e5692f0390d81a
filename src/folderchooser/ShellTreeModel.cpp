#include "ShellTreeModel.h"

#include "ExceptionHandler.h"
#include "SystemImageList.h"

#include <QColor>
#include <algorithm>

TShellTreeModel::~TShellTreeModel() = default;

void TShellTreeModel::SetRoot(std::unique_ptr<TShellTreeNode> Root)
{
    beginResetModel();
    Root_ = std::move(Root);
    endResetModel();
}

void TShellTreeModel::InsertChildren(TShellTreeNode* Parent, int Position,
                                     std::vector<std::unique_ptr<TShellTreeNode>> Nodes)
{
    if (Nodes.empty())
        return;
    for (auto& node : Nodes)
        node->Parent = Parent;
    beginInsertRows(IndexOf(Parent), Position, Position + static_cast<int>(Nodes.size()) - 1);
    Parent->Children.insert(Parent->Children.begin() + Position, std::make_move_iterator(Nodes.begin()),
                            std::make_move_iterator(Nodes.end()));
    Renumber(Parent, Position);
    endInsertRows();
}

void TShellTreeModel::RemoveChildren(TShellTreeNode* Parent, int Position, int Count)
{
    if (Count <= 0)
        return;
    beginRemoveRows(IndexOf(Parent), Position, Position + Count - 1);
    // The nodes go only after the view has let go of them.
    std::vector<std::unique_ptr<TShellTreeNode>> gone(
        std::make_move_iterator(Parent->Children.begin() + Position),
        std::make_move_iterator(Parent->Children.begin() + Position + Count));
    Parent->Children.erase(Parent->Children.begin() + Position, Parent->Children.begin() + Position + Count);
    Renumber(Parent, Position);
    endRemoveRows();
}

void TShellTreeModel::NodeChanged(TShellTreeNode* Node)
{
    const QModelIndex index = IndexOf(Node);
    emit dataChanged(index, index);
}

QModelIndex TShellTreeModel::IndexOf(const TShellTreeNode* Node) const
{
    return Node ? createIndex(Node->Row, 0, const_cast<TShellTreeNode*>(Node)) : QModelIndex();
}

TShellTreeNode* TShellTreeModel::NodeOf(const QModelIndex& Index)
{
    return Index.isValid() ? static_cast<TShellTreeNode*>(Index.internalPointer()) : nullptr;
}

QModelIndex TShellTreeModel::index(int Row, int Column, const QModelIndex& Parent) const
{
    if (Column != 0 || Row < 0)
        return {};
    if (!Parent.isValid())
        return Row == 0 && Root_ ? IndexOf(Root_.get()) : QModelIndex();
    const TShellTreeNode* parent = NodeOf(Parent);
    return Row < static_cast<int>(parent->Children.size()) ? IndexOf(parent->Children[static_cast<size_t>(Row)].get())
                                                           : QModelIndex();
}

QModelIndex TShellTreeModel::parent(const QModelIndex& Index) const
{
    const TShellTreeNode* node = NodeOf(Index);
    return node ? IndexOf(node->Parent) : QModelIndex();
}

int TShellTreeModel::rowCount(const QModelIndex& Parent) const
{
    if (!Parent.isValid())
        return Root_ ? 1 : 0;
    return static_cast<int>(NodeOf(Parent)->Children.size());
}

int TShellTreeModel::columnCount(const QModelIndex&) const { return 1; }

bool TShellTreeModel::hasChildren(const QModelIndex& Parent) const
{
    if (!Parent.isValid())
        return Root_ != nullptr;
    const TShellTreeNode* node = NodeOf(Parent);
    return node->HasChildren || !node->Children.empty();
}

bool TShellTreeModel::canFetchMore(const QModelIndex& Parent) const
{
    const TShellTreeNode* node = NodeOf(Parent);
    return node && node->NeedsFill && (node->HasChildren || !node->Children.empty());
}

void TShellTreeModel::fetchMore(const QModelIndex& Parent)
{
    if (TShellTreeNode* node = NodeOf(Parent); node && OnFetchChildren)
        CatchExceptions([&] { OnFetchChildren(node); });
}

QVariant TShellTreeModel::data(const QModelIndex& Index, int Role) const
{
    TShellTreeNode* node = NodeOf(Index);
    if (!node)
        return {};
    TSystemImageList& icons = GetSystemImageList();
    switch (Role) {
    case Qt::DisplayRole: return node->Text;
    case Qt::DecorationRole: return icons.Icon(node->Item->GetIconIndex(icons));
    case OpenIconRole: return icons.Icon(node->Item->GetOpenIconIndex(icons));
    case OverlayRole: return node->OverlayIndex;
    case Qt::EditRole: return node->Text;
    case Qt::ForegroundRole: return node->Cut ? QVariant(QColor(Qt::gray)) : QVariant();
    case Qt::CheckStateRole: return Checkboxes ? QVariant(node->Checked ? Qt::Checked : Qt::Unchecked) : QVariant();
    default: return {};
    }
}

Qt::ItemFlags TShellTreeModel::flags(const QModelIndex& Index) const
{
    TShellTreeNode* node = NodeOf(Index);
    if (!node)
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags =
        Qt::ItemIsEnabled | Qt::ItemIsSelectable | (Checkboxes ? Qt::ItemIsUserCheckable : Qt::NoItemFlags);
    return CanEdit && CanEdit(node) ? flags | Qt::ItemIsEditable : flags;
}

bool TShellTreeModel::setData(const QModelIndex& Index, const QVariant& Value, int Role)
{
    TShellTreeNode* node = NodeOf(Index);
    if (node && Role == Qt::CheckStateRole && Checkboxes) {
        node->Checked = Value.toInt() == Qt::Checked;
        emit dataChanged(Index, Index, {Qt::CheckStateRole});
        return true;
    }
    if (!node || Role != Qt::EditRole || !OnEdited)
        return false;
    CatchExceptions([&] { OnEdited(node, Value.toString()); });
    return true;
}

void TShellTreeModel::MoveChild(TShellTreeNode* Parent, int From, int To)
{
    if (From == To)
        return;
    const QModelIndex parent = IndexOf(Parent);
    // Qt counts the destination before the move.
    beginMoveRows(parent, From, From, parent, To > From ? To + 1 : To);
    auto node = std::move(Parent->Children[static_cast<size_t>(From)]);
    Parent->Children.erase(Parent->Children.begin() + From);
    Parent->Children.insert(Parent->Children.begin() + To, std::move(node));
    Renumber(Parent, std::min(From, To));
    endMoveRows();
}

void TShellTreeModel::Renumber(TShellTreeNode* Parent, int From)
{
    for (size_t i = static_cast<size_t>(From); i < Parent->Children.size(); ++i)
        Parent->Children[i]->Row = static_cast<int>(i);
}

#include "TreeModel.h"

#include "Cp932.h"
#include "TreeView.h"

TTreeModel::TTreeModel(TTreeView& View) : View_(View), Items_(View.Items()) { Items_.AddObserver(this); }

TTreeModel::~TTreeModel() { Items_.RemoveObserver(this); }

QModelIndex TTreeModel::IndexOf(const TTreeNode* Node) const
{
    return Node ? createIndex(Node->Index(), 0, Node) : QModelIndex();
}

QModelIndex TTreeModel::index(int Row, int Column, const QModelIndex& Parent) const
{
    if (Column != 0 || Row < 0 || Row >= rowCount(Parent))
        return {};
    return createIndex(Row, 0, Parent.isValid() ? NodeOf(Parent)->Item(Row) : Items_.TopLevelItem(Row));
}

QModelIndex TTreeModel::parent(const QModelIndex& Index) const
{
    return Index.isValid() ? IndexOf(NodeOf(Index)->Parent()) : QModelIndex();
}

int TTreeModel::rowCount(const QModelIndex& Parent) const
{
    if (Parent.column() > 0)
        return 0;
    return Parent.isValid() ? NodeOf(Parent)->Count() : Items_.TopLevelCount();
}

int TTreeModel::columnCount(const QModelIndex&) const { return 1; }

bool TTreeModel::hasChildren(const QModelIndex& Parent) const { return rowCount(Parent) > 0; }

QVariant TTreeModel::data(const QModelIndex& Index, int Role) const
{
    if (!Index.isValid() || (Role != Qt::DisplayRole && Role != Qt::EditRole))
        return {};
    const std::u16string& title = NodeOf(Index)->DisplayText();
    return QString(reinterpret_cast<const QChar*>(title.data()), static_cast<qsizetype>(title.size()));
}

Qt::ItemFlags TTreeModel::flags(const QModelIndex& Index) const
{
    if (!Index.isValid())
        return Qt::ItemIsDropEnabled;
    const Qt::ItemFlags flags =
        Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    return View_.ReadOnly() ? flags : flags | Qt::ItemIsEditable;
}

bool TTreeModel::setData(const QModelIndex& Index, const QVariant& Value, int Role)
{
    if (!Index.isValid() || Role != Qt::EditRole)
        return false;
    TTreeNode* node = NodeOf(Index);
    std::string text = Utf8ToSjis(Value.toString().toStdString());
    if (View_.OnEdited)
        View_.OnEdited(&View_, node, text);
    node->SetText(text);
    return true;
}

// The view must not send its own reactions back to the nodes while they
// are between two states: from each "...ing" to its "...ed".

void TTreeModel::NodesInserting(TTreeNode* Parent, int First, int Last)
{
    ++View_.Following_;
    beginInsertRows(IndexOf(Parent), First, Last);
}

void TTreeModel::NodesInserted()
{
    endInsertRows();
    --View_.Following_;
}

void TTreeModel::NodesRemoving(TTreeNode* Node)
{
    ++View_.Following_;
    beginRemoveRows(IndexOf(Node->Parent()), Node->Index(), Node->Index());
}

void TTreeModel::NodesRemoved()
{
    endRemoveRows();
    --View_.Following_;
}

void TTreeModel::NodeMoving(TTreeNode* Node, TTreeNode* NewParent, int NewRow)
{
    ++View_.Following_;
    beginMoveRows(IndexOf(Node->Parent()), Node->Index(), Node->Index(), IndexOf(NewParent), NewRow);
}

void TTreeModel::NodeMoved(TTreeNode* Node)
{
    endMoveRows();
    --View_.Following_;
    View_.ShowExpandedSubtree(Node);
    // A selected page moved under a closed one is opened to, not hidden.
    TTreeNode* selected = Items_.Selected();
    if (selected && (selected == Node || selected->HasAsParent(Node)))
        View_.ShowSelection(selected);
}

void TTreeModel::OrderChanging()
{
    ++View_.Following_;
    emit layoutAboutToBeChanged();
}

void TTreeModel::OrderChanged()
{
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.append(IndexOf(NodeOf(index)));
    changePersistentIndexList(before, after);
    emit layoutChanged();
    --View_.Following_;
    // The selected page keeps its place in view wherever the sort put it.
    View_.ShowSelection(Items_.Selected());
}

void TTreeModel::NodesResetting()
{
    ++View_.Following_;
    beginResetModel();
}

void TTreeModel::NodesReset()
{
    endResetModel();
    --View_.Following_;
    // The view forgot every expansion; the nodes remember them.
    for (TTreeNode* node : Items_.ExpandedNodes())
        View_.ShowExpanded(node);
    View_.ShowSelection(Items_.Selected());
}

void TTreeModel::NodeChanged(TTreeNode* Node)
{
    const QModelIndex index = IndexOf(Node);
    emit dataChanged(index, index);
}

void TTreeModel::NodeExpandedChanged(TTreeNode* Node) { View_.ShowExpanded(Node); }

void TTreeModel::SelectionChanged(TTreeNode* Node) { View_.ShowSelection(Node); }

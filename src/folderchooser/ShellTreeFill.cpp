// Listing a folder's sub-folders and merging them into the tree's nodes,
// and finding nodes by their lists.
#include "ShellComboBox.h"
#include "ShellNamespace.h"
#include "ShellTreeModel.h"
#include "ShellTreeView.h"

#include <algorithm>

std::vector<TItemIDList> TShellTreeView::EnumSubFolders(const std::shared_ptr<const TShellFolder>& Folder,
                                                        TShellDataItem& Parent)
{
    std::vector<TItemIDList> children;
    Folder->EnumObjects(SHCONTF_FOLDERS | (IncludeHidden_ ? SHCONTF_INCLUDEHIDDEN : 0), children);
    // Only the desktop's and Computer's children are sorted out by type.
    if (const int level = Parent.Level(); level <= 1) {
        const TShItemIDType parentType = level == 1 ? Parent.ItemType() : itUnknown;
        std::erase_if(children, [&](const TItemIDList& Child) {
            TShellFolderItem item(Namespace_, Child, ConcatIDLists(Parent.AbsoluteIDList(), Child), Folder);
            return !IsListedChild(item, level, parentType, ShVirtuaItems_);
        });
    }
    std::sort(children.begin(), children.end(),
              [&](const TItemIDList& A, const TItemIDList& B) { return Folder->CompareIDs(A, B) < 0; });
    return children;
}

std::unique_ptr<TShellTreeNode> TShellTreeView::MakeNode(std::unique_ptr<TShellFolderItem> Item, TChildProber* Prober)
{
    auto node = std::make_unique<TShellTreeNode>();
    node->Text = Item->DisplayName();
    Item->Node = node.get();
    node->Item = std::move(Item);
    BindNode(node.get(), Prober);
    return node;
}

bool TShellTreeView::BindNode(TShellTreeNode* Node, TChildProber* Prober)
{
    TShellFolderItem& item = *Node->Item;
    const std::string_view idData = FirstItemData(item.RelativeIDList());
    const bool entry = Prober && item.Level() > 0 && idData.starts_with(static_cast<char>(TItemKind::Entry));
    const uint32_t attributes =
        entry ? Prober->Probe(idData.substr(1), item.Stamp) : item.Attributes(SFGAO_HASSUBFOLDER | SFGAO_LINK);
    const bool hasChildren = attributes & SFGAO_HASSUBFOLDER;
    const int overlay = TShellDataItem::OverlayIndexOf(attributes);
    const bool changed = hasChildren != Node->HasChildren || overlay != Node->OverlayIndex;
    Node->HasChildren = hasChildren;
    Node->OverlayIndex = overlay;
    return changed;
}

void TShellTreeView::FillChildren(TShellTreeNode* Node)
{
    const std::shared_ptr<const TShellFolder> folder = Node->Item->Folder();
    if (!folder)
        return;
    std::vector<TItemIDList> entries = EnumSubFolders(folder, *Node->Item);
    Node->NeedsFill = false;
    TChildProber prober(*folder);
    const auto makeNode = [&](TItemIDList& Relative) {
        TItemIDList absolute = ConcatIDLists(Node->Item->AbsoluteIDList(), Relative);
        return MakeNode(
            std::make_unique<TShellFolderItem>(Namespace_, std::move(Relative), std::move(absolute), folder), &prober);
    };
    // One walk over the sorted children and the sorted listing; runs of
    // new nodes and runs of vanished ones go to the model whole.
    std::vector<std::unique_ptr<TShellTreeNode>> inserting;
    int position = 0, removing = 0;
    const auto flushInsert = [&] {
        const int count = static_cast<int>(inserting.size());
        Model_->InsertChildren(Node, position, std::move(inserting));
        inserting.clear();
        position += count;
    };
    const auto flushRemove = [&] {
        RemoveChildren(Node, position, removing);
        removing = 0;
    };
    size_t next = 0;
    while (position + removing < static_cast<int>(Node->Children.size()) && next < entries.size()) {
        const TShellTreeNode& child = *Node->Children[static_cast<size_t>(position + removing)];
        const int order = CompareIDLists(*folder, child.Item->RelativeIDList(), entries[next]);
        if (order == 0) {
            flushRemove();
            flushInsert();
            ++position;
            ++next;
        } else if (order == 1) {
            flushRemove();
            inserting.push_back(makeNode(entries[next++]));
        } else {
            flushInsert();
            ++removing;
        }
    }
    flushRemove();
    for (; next < entries.size(); ++next)
        inserting.push_back(makeNode(entries[next]));
    flushInsert();
    RemoveChildren(Node, position, static_cast<int>(Node->Children.size()) - position);
}

namespace {

// Whether Node is one of Parent's children Position..Position+Count-1 or
// below one of them.
bool IsAmong(const TShellTreeNode* Node, const TShellTreeNode* Parent, int Position, int Count)
{
    while (Node && Node->Parent != Parent)
        Node = Node->Parent;
    return Node && Node->Row >= Position && Node->Row < Position + Count;
}

} // namespace

void TShellTreeView::RemoveChildren(TShellTreeNode* Node, int Position, int Count)
{
    if (Count <= 0)
        return;
    // A selection inside the nodes that go moves to their parent first, so
    // that it never lands on a neighbour on its way.
    if (IsAmong(Selected(), Node, Position, Count))
        Select(Node);
    // A press or a drag over a node that goes (its volume was unmounted,
    // say) goes on without a node.
    if (IsAmong(DropHighlighted_, Node, Position, Count))
        SetDropHighlighted(nullptr);
    if (IsAmong(HoverNode_, Node, Position, Count))
        HoverNode_ = nullptr;
    Model_->RemoveChildren(Node, Position, Count);
}

void TShellTreeView::FillForExpansion(TShellTreeNode* Node)
{
    if (!Node->Item->IsValid())
        return;
    FillChildren(Node);
    if (Node->Children.empty() && Node->HasChildren) {
        Node->HasChildren = false;
        NodeChanged(Node);
    }
}

void TShellTreeView::RefreshNodes()
{
    if (TShellTreeNode* root = Root())
        RefreshNode(root);
    UpdateWatchList();
}

// Lists a populated node again; the children of an expanded one are
// refreshed in turn, the collapsed childless ones through one prober.
void TShellTreeView::RefreshNode(TShellTreeNode* Node)
{
    FillChildren(Node);
    if (!Node->Expanded)
        return;
    const std::shared_ptr<const TShellFolder> folder = Node->Item->Folder();
    if (!folder)
        return;
    TChildProber prober(*folder);
    for (size_t i = 0; i < Node->Children.size(); ++i) {
        TShellTreeNode* child = Node->Children[i].get();
        if (child->Expanded || !child->Children.empty())
            RefreshNode(child);
        else if (BindNode(child, &prober))
            NodeChanged(child);
    }
}

TShellTreeNode* TShellTreeView::FindChild(TShellTreeNode* Node, const TItemIDList& Id)
{
    const std::shared_ptr<const TShellFolder> folder = Node->Item->Folder();
    if (!folder)
        return nullptr;
    const auto& children = Node->Children;
    const auto at =
        std::lower_bound(children.begin(), children.end(), Id, [&](const auto& Child, const TItemIDList& Key) {
            return folder->CompareIDs(Child->Item->RelativeIDList(), Key) < 0;
        });
    return at != children.end() && folder->CompareIDs((*at)->Item->RelativeIDList(), Id) == 0 ? at->get() : nullptr;
}

TShellTreeNode* TShellTreeView::FindNode(const TItemIDList& List)
{
    TShellTreeNode* root = Root();
    if (!root || List.IsNil())
        return root;
    TShellTreeNode* node = root;
    const std::vector<std::string_view> items = List.Items();
    for (size_t i = 0; i < items.size(); ++i) {
        const TItemIDList id = TItemIDList::OneItem(items[i]);
        bool filled = false;
        if (node->Children.empty() || node->NeedsFill) {
            FillChildren(node);
            filled = true;
        }
        TShellTreeNode* child = FindChild(node, id);
        if (!child && !filled) {
            // A folder made since the node was listed: the combo's listing
            // is as old.
            if (ShellComboBox_)
                ShellComboBox_->FillItems();
            FillChildren(node);
            child = FindChild(node, id);
        }
        if (!child)
            return root;
        if (i + 1 < items.size())
            Expand(child);
        node = child;
    }
    return node;
}

TShellTreeNode* TShellTreeView::NearestListedNode(const TItemIDList& List)
{
    TShellTreeNode* node = Root();
    if (!node)
        return nullptr;
    for (std::string_view item : List.Items()) {
        TShellTreeNode* child = FindChild(node, TItemIDList::OneItem(item));
        if (!child)
            break;
        node = child;
    }
    return node;
}

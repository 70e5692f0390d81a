// The page tree as a plain model: nodes with a Shift-JIS title, a state
// index (the sub-icon), image indexes, an owned data record and an expanded
// flag; the selection lives here too, so that code working on the tree runs
// without a window. A view follows the model through TTreeNodesObserver.
#pragma once

#include "Classes.h"
#include "SysUtils.h"
#include "TreeNodePool.h"

#include <functional>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

class TTreeNodes;

// Where MoveTo puts a node, relative to its Destination:
// naAdd last sibling, naAddFirst first sibling, naAddChild last child,
// naAddChildFirst first child, naInsert directly before Destination.
// A null Destination stands for the top level (naInsert: the end of it).
enum class TNodeAttachMode { naAdd, naAddFirst, naAddChild, naAddChildFirst, naInsert };

// A title that LoadFromText cannot place (a line indented deeper than one
// level below the line before it).
class ETreeViewError : public Exception {
public:
    using Exception::Exception;
};

class TTreeNode {
public:
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;
    ~TTreeNode();

    // The title, Shift-JIS bytes.
    const std::string& Text() const { return Text_; }
    void SetText(const std::string& Value);
    // The title in UTF-16 for painting, converted once per title.
    const std::u16string& DisplayText() const;

    // The node's record, owned by the node and freed with it (after
    // OnDeletion has seen it); null when there is none.
    TPersistent* Data() const { return Data_.get(); }
    void SetData(std::unique_ptr<TPersistent> Value) { Data_ = std::move(Value); }

    // -1 for none.
    int StateIndex() const { return StateIndex_; }
    void SetStateIndex(int Value);
    int ImageIndex() const { return ImageIndex_; }
    void SetImageIndex(int Value);
    int SelectedIndex() const { return SelectedIndex_; }
    void SetSelectedIndex(int Value);

    // Only a node with children can be expanded; a node that loses its last
    // child is collapsed, so a child added later starts hidden. Collapsing
    // a node that holds the selection below it selects the node.
    bool Expanded() const { return Expanded_; }
    void SetExpanded(bool Value);
    void Expand(bool Recurse);
    void Collapse(bool Recurse);

    // Null for a top-level node.
    TTreeNode* Parent() const;
    TTreeNode* GetFirstChild() const;
    TTreeNode* GetLastChild() const;
    TTreeNode* getNextSibling() const;
    TTreeNode* getPrevSibling() const;
    // The next and previous node in tree order (pre-order), null at the ends.
    TTreeNode* GetNext() const;
    TTreeNode* GetPrev() const;

    bool HasChildren() const { return !Children_.empty(); }
    int Count() const { return static_cast<int>(Children_.size()); }
    // The child at Index; EListError outside 0..Count()-1.
    TTreeNode* Item(int Index) const;
    // The position among its siblings.
    int Index() const { return Index_; }
    // The position in tree order over the whole tree.
    int AbsoluteIndex() const;
    // 0 for a top-level node.
    int Level() const;
    // Whether Node is this node's parent, grandparent, ...
    bool HasAsParent(const TTreeNode* Node) const;

    // Moves the node with its subtree. Raises EInvalidOperation, and
    // changes nothing, when Destination is the node itself or lies in its
    // subtree.
    void MoveTo(TTreeNode* Destination, TNodeAttachMode Mode);
    // Deletes the node and its subtree (see TTreeNodes::Delete).
    void Delete();
    // Deletes the children; a selection among them moves to this node.
    void DeleteChildren();

    TTreeNodes* Owner() const { return Owner_; }
    bool Selected() const;

private:
    friend class TTreeNodes;
    TTreeNode(TTreeNodes* Owner, std::string Text);

    TTreeNodes* Owner_;
    TTreeNode* Parent_ = nullptr; // the hidden root for a top-level node
    std::vector<TTreeNode*> Children_;
    int Index_ = 0;
    int AbsoluteIndex_ = 0; // valid while the owner's order cache is
    std::string Text_;
    // Made when the node is first shown; most nodes of a large tree never are.
    mutable std::unique_ptr<std::u16string> DisplayText_;
    std::unique_ptr<TPersistent> Data_;
    int StateIndex_ = -1;
    int ImageIndex_ = -1;
    int SelectedIndex_ = -1;
    bool Expanded_ = false;
};

// What a view hears of the model. Parent is null for the top level; rows
// are indexes among Parent's children. Changes made between BeginUpdate and
// the last EndUpdate are not announced one by one: the view hears
// NodesResetting at the first BeginUpdate and NodesReset at the last
// EndUpdate instead, and reads nothing in between.
class TTreeNodesObserver {
public:
    virtual void NodesInserting(TTreeNode* Parent, int First, int Last) = 0;
    virtual void NodesInserted() = 0;
    // Node and its subtree are about to go; NodesRemoved when they are gone.
    virtual void NodesRemoving(TTreeNode* Node) = 0;
    virtual void NodesRemoved() = 0;
    // Node moves to become child NewRow of NewParent, NewRow counted before
    // Node leaves its old place.
    virtual void NodeMoving(TTreeNode* Node, TTreeNode* NewParent, int NewRow) = 0;
    virtual void NodeMoved(TTreeNode* Node) = 0;
    // The order of children changed (a sort); no node came or went.
    virtual void OrderChanging() = 0;
    virtual void OrderChanged() = 0;
    // Anything may change now (forget every node) and then has changed
    // (re-read the whole tree).
    virtual void NodesResetting() = 0;
    virtual void NodesReset() = 0;
    // Title, state index or image indexes.
    virtual void NodeChanged(TTreeNode* Node) = 0;
    virtual void NodeExpandedChanged(TTreeNode* Node) = 0;
    virtual void SelectionChanged(TTreeNode* Node) = 0;

protected:
    ~TTreeNodesObserver() = default;
};

// The comparison of CustomSort: negative, zero or positive like strcmp.
using TTreeNodeCompare = std::function<int(const TTreeNode* A, const TTreeNode* B)>;
using TTreeNodeEvent = std::function<void(TTreeNode* Node)>;

class TTreeNodes {
public:
    TTreeNodes();
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;
    // Frees the nodes without firing events.
    ~TTreeNodes();

    // Every node of the tree.
    int Count() const { return Count_; }
    // The node at AbsoluteIndex in tree order; EListError outside.
    TTreeNode* Item(int AbsoluteIndex) const;
    TTreeNode* GetFirstNode() const;
    // The top-level nodes.
    int TopLevelCount() const;
    TTreeNode* TopLevelItem(int Index) const;

    // Add: Sibling's last sibling (null: the last top-level node).
    // AddFirst: Sibling's first sibling (null: the first top-level node).
    // AddChild, AddChildFirst: Parent's last and first child (null: top level).
    // Insert: directly before Sibling (null: the last top-level node).
    TTreeNode* Add(TTreeNode* Sibling, const std::string& Text);
    TTreeNode* AddFirst(TTreeNode* Sibling, const std::string& Text);
    TTreeNode* AddChild(TTreeNode* Parent, const std::string& Text);
    TTreeNode* AddChildFirst(TTreeNode* Parent, const std::string& Text);
    TTreeNode* Insert(TTreeNode* Sibling, const std::string& Text);

    // Deletes Node and its subtree. When the selection is in that subtree
    // it first moves to Node's next sibling, else its previous sibling,
    // else its parent (none when Node is the last top-level node), with
    // OnChanging and OnChange as for any selection, while Selected() is
    // already null, so that the page being deleted is never stored. Then
    // OnDeletion fires for every node of the subtree, children before
    // their parent, while each is still in the tree and holds its data.
    void Delete(TTreeNode* Node);
    // Deletes every node: the selection becomes null (OnChanging(nullptr),
    // OnChange(nullptr) when there was one), then OnDeletion for each node.
    void Clear();

    // Nested; changes in between reach observers as one reset (see
    // TTreeNodesObserver). The model's own events still fire as they happen.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return UpdateCount_ > 0; }

    // Sorts the top-level nodes (Recurse: every level) by Compare, keeping
    // the order of equal nodes; a null Compare sorts by title bytes.
    void CustomSort(const TTreeNodeCompare& Compare, bool Recurse);

    // One line per node in tree order, indented by a TAB per level, CR LF
    // after each line. A title that holds a line break or starts with a TAB
    // does not read back the same.
    std::string SaveToText() const;
    // Replaces the tree with the nodes of Text (CR LF or LF line ends).
    // Raises ETreeViewError, and leaves the tree as it was, when a line is
    // indented more than one level deeper than the line before it.
    void LoadFromText(const std::string& Text);

    // The selected node, null for none. SetSelected fires OnChanging(New)
    // before and OnChange(New) after the change; nothing when New is
    // already selected.
    TTreeNode* Selected() const { return Selected_; }
    void SetSelected(TTreeNode* Node);

    // New may be null when the selection is lost (the last node deleted,
    // Clear). OnChanging cannot refuse.
    TTreeNodeEvent OnChanging;
    TTreeNodeEvent OnChange;
    TTreeNodeEvent OnDeletion;

    // Every expanded node, in no order: what a view re-applies after a reset
    // without walking the whole tree.
    const std::unordered_set<TTreeNode*>& ExpandedNodes() const { return ExpandedNodes_; }

    void AddObserver(TTreeNodesObserver* Observer);
    void RemoveObserver(TTreeNodesObserver* Observer);

private:
    friend class TTreeNode;

    TTreeNode* Root() const { return Root_.get(); }
    TTreeNode* NodeOrRoot(TTreeNode* Node) const { return Node ? Node : Root(); }
    // The node's parent as observers see it: null for the hidden root.
    TTreeNode* ParentOf(const TTreeNode* Node) const;
    TTreeNode* InsertNode(TTreeNode* Parent, int Row, const std::string& Text);
    void MoveNode(TTreeNode* Node, TTreeNode* Destination, TNodeAttachMode Mode);
    static void Renumber(TTreeNode* Parent, int First);
    void CheckOwned(const TTreeNode* Node) const;
    void ChangeSelection(TTreeNode* Node);
    void MoveSelectionOff(TTreeNode* Node);
    void FireDeletion(TTreeNode* Node);
    void DetachAndFree(TTreeNode* Node);
    void FreeNode(TTreeNode* Node);
    void CollapseIfChildless(TTreeNode* Node);
    void DeleteChildren(TTreeNode* Node);
    void StructureChanged() { OrderValid_ = false; }
    void BuildOrder() const;
    void NodeChanged(TTreeNode* Node);
    void ExpandedChanged(TTreeNode* Node);

    template <typename TCall>
    void Notify(TCall&& Call);

    TNodePool<TTreeNode> Pool_;
    std::unique_ptr<TTreeNode> Root_;
    int Count_ = 0;
    TTreeNode* Selected_ = nullptr;
    int UpdateCount_ = 0;
    mutable bool OrderValid_ = true;
    mutable std::vector<TTreeNode*> Order_;
    std::vector<TTreeNodesObserver*> Observers_;
    std::unordered_set<TTreeNode*> ExpandedNodes_;
};

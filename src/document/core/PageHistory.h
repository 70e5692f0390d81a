// The back and forward page history: the pages left, oldest first, and the
// pages gone back from. The history holds node pointers only; the owner
// takes a node out with Remove before the node goes.
#pragma once

#include <vector>

class TTreeNode;

class TPageHistory {
public:
    // At most this many pages stay on the back list.
    static constexpr int MaxBackEntries = 19;

    using TNodeList = std::vector<TTreeNode*>;

    const TNodeList& BackList() const { return BackList_; }
    const TNodeList& ForwardList() const { return ForwardList_; }
    // The node that Back or Forward is about to select; consumed by the
    // next PageLeft.
    TTreeNode* ReturnNode() const { return ReturnNode_; }
    // Set by the find commands so that the page changes they make are not
    // recorded.
    bool SkipPageHistory() const { return SkipPageHistory_; }
    void SetSkipPageHistory(bool Value) { SkipPageHistory_ = Value; }
    // With KeepUnique, a page already anywhere in a list is not added again;
    // without it, only a page equal to the list's last entry is not.
    bool KeepUnique() const { return KeepUnique_; }
    void SetKeepUnique(bool Value) { KeepUnique_ = Value; }

    // The selection leaves Old (null: there was none) for NewNode. Old is
    // recorded unless NewNode is the return node or the history is skipped;
    // the forward list is cleared whenever Old is recorded or would have
    // been but for a duplicate. The return node is consumed either way.
    void PageLeft(TTreeNode* Old, TTreeNode* NewNode);

    // Plans a step back: Depth -1 goes to the last page left, Depth >= 0 to
    // the back list's entry at index Depth (0 the oldest; the drop-down
    // menu's item i of n is Depth n - i - 1). The current page (if any) and
    // the pages stepped over go onto the forward list, in order. Returns the
    // page to select, now the return node, or null when the step is
    // impossible (nothing changes then).
    TTreeNode* Back(int Depth, TTreeNode* Current);
    // The same towards the forward list.
    TTreeNode* Forward(int Depth, TTreeNode* Current);

    // Takes every occurrence of Node out of both lists, and forgets it as
    // the return node.
    void Remove(TTreeNode* Node);
    void Clear();

private:
    TTreeNode* Step(TNodeList& From, TNodeList& To, int Depth, TTreeNode* Current);
    // Adds Node at the end unless the duplicate rule refuses it.
    void Push(TNodeList& List, TTreeNode* Node) const;

    TNodeList BackList_;
    TNodeList ForwardList_;
    TTreeNode* ReturnNode_ = nullptr;
    bool SkipPageHistory_ = false;
    bool KeepUnique_ = false;
};

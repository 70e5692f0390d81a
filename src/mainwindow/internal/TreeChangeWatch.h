// Hears every change of a page tree (pages added, removed, moved, sorted,
// retitled, the selection moved) and reports it as one plain call, so that
// what follows the tree as a whole (the status bar) is kept up to date in
// one place, whichever command changed it.
#pragma once

#include "TreeNodes.h"

#include <functional>

class TTreeChangeWatch final : public TTreeNodesObserver {
public:
    TTreeChangeWatch(TTreeNodes& Nodes, std::function<void()> OnChanged);
    ~TTreeChangeWatch();
    TTreeChangeWatch(const TTreeChangeWatch&) = delete;
    TTreeChangeWatch& operator=(const TTreeChangeWatch&) = delete;

private:
    void NodesInserting(TTreeNode*, int, int) override {}
    void NodesInserted() override { OnChanged_(); }
    void NodesRemoving(TTreeNode*) override {}
    void NodesRemoved() override { OnChanged_(); }
    void NodeMoving(TTreeNode*, TTreeNode*, int) override {}
    void NodeMoved(TTreeNode*) override { OnChanged_(); }
    void OrderChanging() override {}
    void OrderChanged() override { OnChanged_(); }
    void NodesResetting() override {}
    void NodesReset() override { OnChanged_(); }
    void NodeChanged(TTreeNode*) override { OnChanged_(); }
    void NodeExpandedChanged(TTreeNode*) override {}
    void SelectionChanged(TTreeNode*) override { OnChanged_(); }

    TTreeNodes& Nodes_;
    std::function<void()> OnChanged_;
};

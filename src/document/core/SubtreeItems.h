// A subtree as a flat page list and back: what a copy puts on the
// clipboard and where a paste places it.
#pragma once

#include "NodeClipboardCodec.h"
#include "PageList.h"

#include <vector>

class TNodeData;
class TTreeNode;
class TTreeNodes;

// Node's record, made first when it has none.
TNodeData& NodeRecord(TTreeNode& Node);

// The first node after Node's subtree in tree order; null at the end.
TTreeNode* NodeAfterSubtree(const TTreeNode& Node);

// The pages of Node's subtree in tree order, each with its depth in the
// whole tree, title, text, caret and sub-icon, viewing the nodes' records
// (valid while the subtree is unchanged). As a copy always has, each
// node's record gets the level, title and sub-icon the copy carries (a
// node without a record gets one first).
std::vector<TSubtreeItem> AddSubtreeItems(TTreeNode& Node);

// Places pasted pages and returns the first, or null for none. The first
// page goes directly after Selected, at its depth (the last top-level page
// for a null Selected). Each later page with level L, after a page with
// level P: when L <= P it goes P - L + 1 levels up from the page before
// (to the top level when that runs past it), else no level up; there it
// becomes the last child. So depths count from the first page, and a page
// deeper than the one before by any amount becomes its child.
// The pages' texts move into the new nodes' records; a title that its text
// could not have given is replaced by the text's own.
TTreeNode* RebuildSubtree(TTreeNodes& Nodes, TTreeNode* Selected, TFlatPages&& Pages);

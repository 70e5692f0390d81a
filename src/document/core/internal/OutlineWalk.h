// The walk every output makes over the page tree: pages in tree order with
// their level and outline number ("1.2 ").
#pragma once

#include <climits>
#include <functional>
#include <string>
#include <string_view>

class TTreeNode;
class TTreeNodes;

// The text a page node holds; empty for a node without a record.
std::string_view StoredText(const TTreeNode& Node);
// The bytes of the texts of the nodes from First up to, not including, End:
// what an output reserves before it is made.
size_t StoredBytes(const TTreeNode* First, const TTreeNode* End);
// The node that follows Node's subtree in tree order; null at the end.
const TTreeNode* AfterSubtree(const TTreeNode& Node);

// The deepest level a numbered output writes (and any output of a page
// with its descendants).
inline constexpr int MaxOutlineLevel = 10;

struct TOutlinePage {
    const TTreeNode* Node = nullptr;
    // The tree level, or the level below the walk's top page.
    int Level = 0;
    // Every counter above 0 followed by ".", the last "." made a blank;
    // empty for the top page of a subtree.
    std::string_view Number;
};

// Visits the whole tree (Top null) or Top and its descendants in tree
// order. Pages deeper than MaxLevel, and pages without a record, are left
// out with their descendants.
// Numbers count per level; going up a level starts the deeper counts anew.
void ForEachOutlinePage(const TTreeNodes& Nodes, const TTreeNode* Top, int MaxLevel,
                        const std::function<void(const TOutlinePage&)>& Visit);

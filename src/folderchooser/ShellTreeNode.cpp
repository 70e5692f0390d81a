#include "ShellTreeNode.h"

namespace {

// Counts the nodes before Target in display order; true once it is reached.
bool CountBefore(const TShellTreeNode& Node, const TShellTreeNode* Target, int& Count)
{
    if (&Node == Target)
        return true;
    ++Count;
    for (const auto& child : Node.Children)
        if (CountBefore(*child, Target, Count))
            return true;
    return false;
}

} // namespace

int TShellFolderItem::Index() const
{
    if (!Node)
        return -1;
    const TShellTreeNode* root = Node;
    while (root->Parent)
        root = root->Parent;
    int count = 0;
    return CountBefore(*root, Node, count) ? count : -1;
}

#include "ShellTreeNode.h"

namespace {

// Target's place in display order (parents before their children) in the
// tree of Root; -1 when it is not there.
int DisplayIndex(const TShellTreeNode& Root, const TShellTreeNode* Target)
{
    int index = 0;
    std::vector<const TShellTreeNode*> pending{&Root};
    while (!pending.empty()) {
        const TShellTreeNode* node = pending.back();
        pending.pop_back();
        if (node == Target)
            return index;
        ++index;
        for (auto child = node->Children.rbegin(); child != node->Children.rend(); ++child)
            pending.push_back(child->get());
    }
    return -1;
}

} // namespace

int TShellFolderItem::Index() const
{
    if (!Node)
        return -1;
    const TShellTreeNode* root = Node;
    while (root->Parent)
        root = root->Parent;
    return DisplayIndex(*root, Node);
}

#include "TreeOperations.h"

#include "TreeNodes.h"

namespace {

// Node directly after Anchor, at Anchor's depth.
void PlaceAfter(TTreeNode& Node, TTreeNode& Anchor)
{
    if (TTreeNode* next = Anchor.getNextSibling())
        Node.MoveTo(next, TNodeAttachMode::naInsert);
    else
        Node.MoveTo(&Anchor, TNodeAttachMode::naAdd);
}

} // namespace

bool MoveUp(TTreeNode& Node)
{
    TTreeNode* previous = Node.getPrevSibling();
    if (previous == nullptr)
        return false;
    Node.MoveTo(previous, TNodeAttachMode::naInsert);
    return true;
}

bool MoveDown(TTreeNode& Node)
{
    TTreeNode* next = Node.getNextSibling();
    if (next == nullptr)
        return false;
    next->MoveTo(&Node, TNodeAttachMode::naInsert);
    return true;
}

bool Promote(TTreeNode& Node)
{
    TTreeNode* parent = Node.Parent();
    if (parent == nullptr)
        return false;
    PlaceAfter(Node, *parent);
    return true;
}

bool Demote(TTreeNode& Node)
{
    TTreeNode* previous = Node.getPrevSibling();
    if (previous == nullptr)
        return false;
    Node.MoveTo(previous, TNodeAttachMode::naAddChild);
    return true;
}

bool SiblingsToChildren(TTreeNode& Node)
{
    if (Node.getNextSibling() == nullptr)
        return false;
    WithinUpdate(*Node.Owner(), [&] {
        while (TTreeNode* next = Node.getNextSibling())
            next->MoveTo(&Node, TNodeAttachMode::naAddChild);
    });
    return true;
}

bool ChildrenToSiblings(TTreeNode& Node)
{
    if (!Node.HasChildren())
        return false;
    WithinUpdate(*Node.Owner(), [&] {
        TTreeNode* last = &Node;
        while (TTreeNode* child = Node.GetFirstChild()) {
            PlaceAfter(*child, *last);
            last = child;
        }
    });
    return true;
}

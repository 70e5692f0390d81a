// The page tree's restructuring commands as plain operations on the model.
// A page always moves with its whole subtree. Each returns whether the
// tree changed; one that cannot act changes nothing.
#pragma once

class TTreeNode;

// Before the previous sibling.
bool MoveUp(TTreeNode& Node);
// After the next sibling.
bool MoveDown(TTreeNode& Node);
// One level up, directly after its former parent; its following siblings
// stay under the old parent.
bool Promote(TTreeNode& Node);
// The last child of its previous sibling.
bool Demote(TTreeNode& Node);
// The following siblings become the node's last children, in their order.
bool SiblingsToChildren(TTreeNode& Node);
// The children become the node's following siblings, in their order.
bool ChildrenToSiblings(TTreeNode& Node);

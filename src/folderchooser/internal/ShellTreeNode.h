// A node of the folder tree and the item it shows. The node owns its item
// and its child nodes; a node lives, at the same address, for as long as
// its folder stays listed, whatever refreshes pass over it.
#pragma once

#include "ChildProber.h"
#include "ShellDataItem.h"

#include <QString>
#include <memory>
#include <vector>

struct TShellTreeNode;

class TShellFolderItem final : public TShellDataItem {
public:
    using TShellDataItem::TShellDataItem;
    // The node's position among all nodes of the tree, in display order
    // with collapsed nodes counted; -1 without a node.
    int Index() const override;
    TShellTreeNode* Node = nullptr;
    // The last reading of the folder for its "+".
    TProbeStamp Stamp;
};

struct TShellTreeNode {
    TShellTreeNode* Parent = nullptr;
    int Row = 0; // position among the parent's children
    std::vector<std::unique_ptr<TShellTreeNode>> Children;
    std::unique_ptr<TShellFolderItem> Item;
    QString Text;
    bool HasChildren = false; // shows a "+" even before its children are listed
    bool Expanded = false;
    bool NeedsFill = true; // the children are listed again at the next expansion
    int OverlayIndex = -1;
    bool Cut = false; // drawn faded after the cut command
    bool Checked = false;
};

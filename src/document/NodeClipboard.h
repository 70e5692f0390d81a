// Whole subtrees through the system clipboard: copy, cut and paste of
// pages, within one instance and between instances. A paste is all or
// nothing: the clipboard's bytes are decoded and checked whole before a
// page is inserted. A cut deletes only after the clipboard reads back
// what was put on it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

class IOutlineHost;
class TOutlineBinding;
class TTreeNode;

// The number the node format (NodeDataClipboardFormatName) is known by.
int NodeDataClipboardFormat();
// The clipboard holds copied pages: what enables the page paste.
bool ClipboardHasNodeData();

class TNodeClipboard {
public:
    TNodeClipboard(TOutlineBinding& Binding, IOutlineHost& Host);

    // How many sub-icons there are; a pasted sub-icon beyond them is none.
    std::function<int()> SubIconCount = [] { return 0; };
    // Empties the clipboard and puts the copied stream on it alone. A
    // stand-in may refuse, as a system clipboard can.
    std::function<void(std::string_view Bytes)> PutOnClipboard;

    // Node's subtree on the clipboard; nothing for null. False, after
    // telling the user, when the clipboard does not hold it afterwards.
    bool CopySubtreeToClipboard(TTreeNode* Node);
    // The clipboard's pages after the selection; false when it holds none
    // or they are damaged (told; nothing inserted).
    bool PasteSubtreeFromClipboard();

    void TreeNodeCopyClick();
    // Copies, then deletes the selected page with its subtree.
    void TreeNodeCutClick();
    void TreeNodePasteClick();

private:
    TOutlineBinding& Binding_;
    IOutlineHost& Host_;
};

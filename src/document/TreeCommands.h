// The Tree menu's commands that reshape the outline: delete, move up and
// down, promote and demote, siblings to children and back, merge a page
// into the next one, split a page at the caret, and sort. Each works on the
// selected page of the binding's tree and asks its questions through the
// dialog hook.
//
// Merge and split work on the page bytes themselves, never through the
// clipboard's Unicode text, so every byte survives (NEC and IBM extension
// characters, stray bytes, box selection mode). The clipboard is left as
// the user knows these commands to leave it: the text it held before, or,
// when it held none, the text that moved.
#pragma once

#include <string>

class IOutlineHost;
class TOutlineBinding;
class TTreeNode;

class TTreeCommands {
public:
    TTreeCommands(TOutlineBinding& Binding, IOutlineHost& Host) : Binding_(Binding), Host_(Host) {}

    void TreeDelClick();
    // Move up, move down and demote mark the document modified even when
    // nothing moves.
    void TreeMoveUpClick();
    void TreeMoveDownClick();
    void TreeNodeUpClick();
    void TreeNodeDownClick();
    void pTreeToChildClick();
    void pTreeToFreindClick();
    // The selected page's text goes before its next sibling's, and the
    // selected page goes.
    void TreeUnifyClick();
    // The text before the caret becomes a new page before the selected one.
    void sbPageDevideClick();
    void TreeSortClick();
    void TreeChildSortClick();

private:
    // The selected page's text, whichever pane is active.
    const std::string& PageText(TTreeNode& Node);
    void Moved(bool Always, bool Changed);

    TOutlineBinding& Binding_;
    IOutlineHost& Host_;
};

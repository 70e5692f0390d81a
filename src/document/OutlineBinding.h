// The page tree bound to the page editor. Only the selected page lives in
// an editor; every other page lives in its node's TNodeData. An edit only
// marks the node's record as unstored (the record takes the editor's text
// the first time it is read); the binding stores the page on leaving it
// and whenever a command asks, shows a newly selected page, keeps the back
// and forward page history, and runs the tree's events and the commands
// that add pages.
//
// Made with the window's DataTree and its host, the binding handles the
// tree's events itself (the model's OnChanging, OnChange and OnDeletion,
// the view's drag, key, mouse, enter and image-index events) until it is
// destroyed; the host forwards its commands (PageEdited from DataMemoChange,
// PageBack from sbPageUndo, ...) to it. While ShowingPage() is true the
// editor's text is being replaced by ShowPage: DataMemoChange then does
// nothing, because a page switch is not an edit.
#pragma once

#include "NodeData.h"
#include "PageHistory.h"
#include "TreeView.h"
#include "VirtualKeys.h"

class IOutlineHost;
class TEditorEx;

// Which drop-down menu of the page history was clicked.
enum class TPageHistoryMenu { UndoPopup, RedoPopup };

class TOutlineBinding : private IUnstoredPage {
public:
    TOutlineBinding(TTreeView& DataTree, IOutlineHost& Host);
    TOutlineBinding(const TOutlineBinding&) = delete;
    TOutlineBinding& operator=(const TOutlineBinding&) = delete;
    ~TOutlineBinding();

    TTreeView& DataTree() const { return DataTree_; }
    TTreeNodes& Items() const { return DataTree_.Items(); }
    const TPageHistory& History() const { return History_; }
    // The find commands set it so that the page changes they make are not
    // recorded in the history.
    void SetSkipPageHistory(bool Value) { History_.SetSkipPageHistory(Value); }
    // The page selected before the last page change; null when none or
    // deleted.
    TTreeNode* BeforePageNode() const { return BeforePageNode_; }
    bool ShowingPage() const { return ShowingPage_; }

    // Copies the active editor's text, caret and title into Node (making
    // its record when it has none). Nothing while the browse view's pane
    // is active, for a null Node, or while ShowPage is loading the page.
    void StorePage(TTreeNode* Node);
    // An edit of Node's page in the active editor: the node's title follows
    // the first line at once, and its record takes the text when first
    // read. The same editors and conditions as StorePage.
    void PageEdited(TTreeNode* Node);
    // Puts the page into the active editor (null clears it), with the caret
    // scrolled into the middle band of the view. Keeps the editor's modified
    // flag as it was.
    void ShowPage(const TNodeData* Data);

    // 0 the previous node in tree order, 1 the next, 2 the previous
    // sibling, 3 the next sibling; anything else, or fewer than two pages,
    // does nothing.
    void SelectRelative(int Mode);
    // One step (Depth -1) or to the history entry at index Depth; true
    // while the list gone through still has entries.
    bool PageBack(int Depth);
    bool PageForward(int Depth);
    // Item Index of the drop-down menu that lists the back (UndoPopup) or
    // forward (RedoPopup) list, newest first.
    void PageHistoryMenuClick(TPageHistoryMenu Menu, int Index);
    // Forgets the history and the page before (a document opened or made).
    void ClearPageHistory();

    // Adding an empty page: before the selection, after it, as its last
    // child. The new page is selected.
    void TreeInsClick();
    void TreeAddClick();
    void TreeAddChildClick();
    // Deletes Node with its subtree and shows the page selected then; a
    // tree left empty gets a new empty page. The document is modified.
    void DeleteSubtree(TTreeNode* Node);

    // ---- The tree's events ------------------------------------------------------
    void DataTreeChanging(TTreeNode* Node);
    void DataTreeChange(TTreeNode* Node);
    void DataTreeDeletion(TTreeNode* Node);
    // A node with children shows image 0 collapsed and 1 expanded; a leaf
    // 2, and 3 while selected.
    static int PageImageIndex(const TTreeNode& Node, bool Selected);
    void DataTreeGetImageIndex(TObject* Sender, TTreeNode* Node);
    void DataTreeGetSelectedIndex(TObject* Sender, TTreeNode* Node);
    // Ctrl+TAB and Ctrl+keypad minus (exactly Ctrl held).
    void DataTreeKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
    void DataTreeEnter(TObject* Sender);
    // The selected page dragged within the tree may land on a node that is
    // neither itself nor one of its descendants.
    void DataTreeDragOver(TObject* Sender, TObject* Source, int X, int Y, bool& Accept);
    // With Shift the dragged page becomes the target's last child, else it
    // goes directly after the target.
    void DataTreeDragDrop(TObject* Sender, TObject* Source, int X, int Y, TShiftState Shift);
    // A right-button press selects the node under the point.
    void DataTreeMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

    // Scrolls when the caret row lies outside the middle band of the
    // visible rows; the scroll bars follow the row count.
    void ScrollCaretIntoBand(TEditorEx& Editor);

private:
    void AddPage(TTreeNode* Node);
    void FollowActivePane(TEditorEx& Active);
    void UpdatePageHistoryButtons();
    bool GoTo(TTreeNode* Node);
    // The node a drag from Source may land on at (X, Y), or null.
    TTreeNode* DropTarget(TObject* Source, int X, int Y) const;
    void CleanUpPageText();
    // The record waiting for the editor's text, if any, takes it now.
    void StoreUnstoredPage();
    // The record waiting, if any, keeps what it holds.
    void DropUnstoredPage();
    void StoreInto(const TNodeData& Data, std::string& Text, int32_t& SelStart) override;
    void Forget(const TNodeData& Data) override;
    // Whether an edit or store in the active editor is one of the selected
    // page: not while ShowPage loads a page, nor in the browse view's pane.
    bool ActiveEditorHoldsPage() const;
    // The editor StorePage reads: the browse view's pane may show another
    // page, so the page editor then.
    const TEditorEx& PageEditor() const;

    TTreeView& DataTree_;
    IOutlineHost& Host_;
    TPageHistory History_;
    TTreeNode* BeforePageNode_ = nullptr;
    bool ShowingPage_ = false;
    // The shown page's record while it is behind the editor.
    TNodeData* UnstoredRecord_ = nullptr;
};

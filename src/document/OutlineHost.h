// What the page binding needs of the window that holds the tree and the
// editors. The main window implements it; tests use a fake.
#pragma once

class TEditorEx;
class TTreeNode;

class IOutlineHost {
public:
    virtual ~IOutlineHost() = default;

    // The editor that holds the page: DataMemo, or the second pane of the
    // split or browse view.
    virtual TEditorEx* ActiveEditor() const = 0;
    virtual void SetActiveEditor(TEditorEx* Editor) = 0;
    virtual TEditorEx* DataMemo() const = 0;
    // The second pane; null while neither the split nor the browse view is
    // open.
    virtual TEditorEx* SecondEditor() const = 0;
    // The read-only browse view is open (OpSplitRead checked).
    virtual bool BrowseViewOn() const = 0;
    // Box selection is chosen (OpBoxSel checked).
    virtual bool BoxSelectionOn() const = 0;

    // While find-list navigation is on, a newly selected page is shown at
    // its next or previous hit by the host instead of at its stored caret.
    virtual bool FindListMode() const = 0;
    virtual void ShowFindListPage(TTreeNode* Node) = 0;

    virtual void UpdateStatusBar() = 0;
    virtual void UpdateToolButtons() = 0;
    virtual void UpdateMarkMenus() = 0;
    // sbUndo and sbRedo.
    virtual void SetEditUndoButtons(bool CanUndo, bool CanRedo) = 0;
    // sbPageUndo and sbPageRedo.
    virtual void SetPageHistoryButtons(bool CanGoBack, bool CanGoForward) = 0;
    // sbImage shows ImageIndex (-1 none) and its popup menu opens on a click.
    virtual void SetSubIconButton(int ImageIndex) = 0;
    // The document is modified: DataMemo's flag (and the second pane's)
    // set, sbSave enabled.
    virtual void MarkModified() = 0;
    virtual void RefreshSubIconFinder() = 0;
    // Focuses the sub-icon finder's page tree; false when it is not open.
    virtual bool FocusSubIconFinder() = 0;
    // Node is being deleted: the host forgets it wherever it keeps nodes
    // (the browse view's page, the found-page list).
    virtual void PageNodeDeleted(TTreeNode* Node) = 0;
};

// What the document's files (TDocumentFiles) need of the window that shows
// the document. The main window implements it; tests use a fake.
#pragma once

#include <string>

class QWidget;
class TEditorEx;
class TTreeNode;
class TTreeView;

class IDocumentHost {
public:
    virtual ~IDocumentHost() = default;

    // The page tree and the page editor hold the document.
    virtual TTreeView* DataTree() const = 0;
    virtual TEditorEx* DataMemo() const = 0;
    // The pane the user works in: DataMemo, or the second pane of a view.
    virtual TEditorEx* ActiveEditor() const = 0;
    // The page the editor shows goes into Node's record.
    virtual void StorePage(TTreeNode* Node) = 0;
    // A new page after the selected one, selected.
    virtual void AddPage() = 0;
    // The document is modified: the panes' flags set, sbSave enabled.
    virtual void MarkModified() = 0;
    // The edit mode the document is saved with (0 Text .. 5 HTML, other User).
    virtual int EditMode() const = 0;
    virtual void SwitchEditMode(int Mode) = 0;
    // How many sub-icons a page may be given.
    virtual int SubIconCount() const = 0;

    // Clipping mode is on: the shown caption carries its marker.
    virtual bool ClippingOn() const = 0;
    // The window's title becomes Caption (Shift-JIS).
    virtual void ShowTitle(const std::string& Caption) = 0;
    // The parent of the document's dialogs.
    virtual QWidget* DialogParent() = 0;

    // Another document is about to replace the shown one: the browse view,
    // which shows pages that are about to go, closes.
    virtual void DocumentReplacing() = 0;
    // Another document replaced the shown one: no search list, page
    // history, modified flag or file notice of the old one is left, the
    // tool buttons and the status bar follow the new one.
    // KeepsSubIconFinder: the sub-icon finder, when open, shows every
    // sub-icon of the new document.
    virtual void DocumentReplaced(bool KeepsSubIconFinder) = 0;
    // A save gave the document a file of its own: the tool buttons that
    // need one follow.
    virtual void DocumentNamed() = 0;
    virtual void CloseSubIconFinder() = 0;
    // Tells in the status bar of Count characters that became "?".
    virtual void ShowUnmappedNotice(int Count) = 0;
    // Shows Text (UTF-8) about the document's file in the window, where it
    // takes neither the focus nor a key, until another text or "" comes or
    // another document replaces this one.
    virtual void ShowFileNotice(const std::string& Text) = 0;
};

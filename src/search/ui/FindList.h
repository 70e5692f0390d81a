// The list search and its result list window: the find command lists every
// page that holds the find string (every page, this and the later pages, or
// this page's subtree), the window shows them, and a click or the page keys
// go from one to the next, each page shown at its first (or last) hit.
//
// The pages are judged on their stored texts; none is loaded into the
// editor for it, so a list search can never write one page's text into
// another. Where the list stands lives in the found page list, which the
// walk over pages uses too, window open or not. One window serves every
// list.
#pragma once

#include <functional>
#include <memory>

class IOutlineHost;
class QWidget;
class TOutlineBinding;
class TSearchListfm;
class TTreeImageList;
class TTreeNode;

// What the list needs of the main window beside the page binding.
struct TFindListWindow {
    IOutlineHost& Host;
    TOutlineBinding& Binding;
    // The main window, over which the list window stands.
    QWidget& Window;
    const TTreeImageList& SubIcons;
    // Enables the buttons that search again forward and back.
    std::function<void(bool Enabled)> SetSearchAgainEnabled;
    // The window opened (true) or closed: the window's buttons, menu items
    // and hints follow.
    std::function<void(bool Open)> ListShown;
    // The found pages changed (a list search, a page deleted, the list
    // emptied).
    std::function<void()> ListChanged;
};

class TFindList {
public:
    explicit TFindList(TFindListWindow Window);
    ~TFindList();
    TFindList(const TFindList&) = delete;
    TFindList& operator=(const TFindList&) = delete;

    // The find command's list step, after its dialog: lists the pages of
    // the scope the dialog chose that hold the active editor's find string,
    // opens the window and goes to the first; tells when none has it. Esc
    // ends the search with the pages found so far.
    void ListSearch();
    // Shows the last list again, on the entry of the selected page.
    void FdFindListClick();
    void sbFListCloseClick();
    // 0 the previous entry, 1 the next; nothing for another direction or a
    // list of fewer than two pages.
    void StepFindList(int Direction);

    // A page change while the list mode is on: Node is shown at its first
    // hit (going forward) or its last.
    void ShowFindListPage(TTreeNode* Node);
    // Node is about to be freed.
    void PageNodeDeleted(TTreeNode* Node);
    // Node took another sub-icon: its entry shows it.
    void PageSubIconChanged(const TTreeNode* Node);

    // The result window; null before the first list.
    TSearchListfm* SearchListfm() const { return Form_.get(); }

private:
    void OpenWindow();
    void PlaceWindow();
    void WindowShown();
    void WindowClosed();
    void ListChanged();
    void RowChosen(int Row);
    void RowClicked(int Row);
    void GoTo(TTreeNode* Node);

    TFindListWindow Window_;
    std::unique_ptr<TSearchListfm> Form_;
};

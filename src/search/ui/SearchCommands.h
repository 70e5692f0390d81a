// The main window's find and replace commands: find forward and backward
// in the page or over the following pages, interactive replace in the page
// or over the following pages, and the fast replace over a page, a subtree
// or every later page. The commands work on the active editor and select
// pages through the page binding; a walk over pages shows only the pages
// that hold a hit, and Esc stops it.
#pragma once

#include "EscapePoll.h"
#include "SearchOptionWord.h"

#include <QPoint>
#include <functional>
#include <memory>
#include <string>

class IOutlineHost;
class QWidget;
class TEditorEx;
class TOutlineBinding;
class TTreeNode;

// What the commands need of the main window beside the page binding.
struct TSearchWindow {
    IOutlineHost& Host;
    TOutlineBinding& Binding;
    // The main window: the search dialogs are its own, and the
    // confirmation box is placed over its top edge.
    QWidget& Window;
    // Enables the buttons that search again forward and back.
    std::function<void(bool Enabled)> SetSearchAgainEnabled;
    // A confirmed search dialog made the list of found pages stale; heard
    // while the commands live.
    std::function<void()> ListInvalidated;
};

class TSearchCommands {
public:
    explicit TSearchCommands(TSearchWindow Window);
    ~TSearchCommands();
    TSearchCommands(const TSearchCommands&) = delete;
    TSearchCommands& operator=(const TSearchCommands&) = delete;

    // ---- Commands (menu "検索(&D)" and the find toolbar) ----
    void FdGoFindClick();
    void FdForwardFindClick();
    void FdBackFindClick();
    void FdReplaceClick();
    void FdFastReplaceClick();
    // Focus the active editor with the caret at the start (end) of its
    // text, wherever the focus was.
    void FdGoTopClick();
    void FdGoBottomClick();

    // ---- Replacement in whole texts, for every command that needs it ----
    // ReplaceText of the search core; a regular expression that does not
    // compile is told ("正規表現の記述に誤りがあります。"), stops a running
    // fast replace, and gives Source with a count of 0.
    int ReplaceText(const std::string& Source, const std::string& Find, std::string& Result, TSearchOptionWord Options,
                    const std::string& Replacement);
    int DeleteText(const std::string& Source, const std::string& Find, std::string& Result, TSearchOptionWord Options);

    // ---- The walk over pages ----
    // From the caret on, then in the following (preceding) pages in tree
    // order; true when a hit was found and selected. Without a hit the walk
    // ends on the last (first) page.
    bool FindNextAcrossPages();
    bool FindPrevAcrossPages();
    // Selects Node and puts the caret at the start (end) of its page.
    void ShowPageAtTop(TTreeNode* Node);
    void ShowPageAtBottom(TTreeNode* Node);
    // Scrolls the caret row into the middle of the view when it is near an
    // edge or out of it.
    void CenterCaretRow();

    // The current search: the find string, the replacement as the user
    // typed it, and the options.
    const std::string& FindStr() const { return FindStr_; }
    // The find command's step while the list mode is on, in place of the
    // search: build the list of found pages.
    std::function<void()> OnListSearch;
    const std::string& ReplaceStr() const { return ReplaceStr_; }
    TSearchOptionWord SearchOptions() const { return SearchOptions_; }
    // Keeps only how the find string matches (case, regular expression,
    // fuzzy): a new document starts no search from its old place or scope.
    void KeepMatchOptions() { SearchOptions_ &= soMatchCase | soRegexp | soFuzzy; }

private:
    class TCommandScope;

    TEditorEx& Editor() const;
    bool BrowsePaneActive() const;
    bool WalkPages(bool Down);
    // The walk over the found pages, from the entry the list stands on.
    bool WalkFoundPages(bool Down);
    // The page of Node as stored.
    static const std::string& PageText(const TTreeNode* Node);
    // The selection's first line becomes the find string.
    void TakeSelectionAsFindStr();
    // The editor's find string and options from the current search; false,
    // after telling, when the regular expression does not compile. A search
    // just confirmed in its dialog (FromDialog) starts at the page's top
    // when the options ask it to.
    bool InstallFindString(bool FromDialog);
    void NoFindString();
    void SearchAndTell(bool Down, bool AcrossPages);
    // Runs a command's dialog with the page focused, where its search goes;
    // a dialog that returns false (cancelled) gives the focus back to the
    // control that had it, such as a toolbar field the command's key was
    // pressed in.
    bool RunDialog(const std::function<bool()>& Dialog);

    void ReplaceLoop(const std::string& Replacement, bool AcrossPages);
    QPoint ConfirmBoxPlace() const;
    // Replaces in the page of Node, which is shown, and stores it.
    void ReplaceInShownPage(TTreeNode* Node);
    void ReplaceInSubtree(TTreeNode* Node);
    void ReplaceInLaterPages(TTreeNode* Node);
    bool StoredPageHasHit(const TTreeNode* Node);
    // Starts watching Esc for the walk that follows, once the command's
    // dialog is closed: the dialog takes its own keys, Esc included.
    void StartEscapePoll();
    bool Stopped();
    void BeginHourglass();
    void EndHourglass();

    TSearchWindow Window_;
    std::string FindStr_;
    std::string ReplaceStr_;
    TSearchOptionWord SearchOptions_ = 0;
    int ReplaceCount_ = 0;
    bool ReplaceRunning_ = false;
    bool Hourglass_ = false;
    // Lives while a command walks.
    std::unique_ptr<TEscapePoll> Esc_;
};

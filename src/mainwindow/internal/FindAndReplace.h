// The find and replace commands of the menu "検索(&D)" and the find
// toolbar, the result list of found pages, and the page keys that step
// through the list while it is open (through the tree otherwise). The
// commands are TSearchCommands' and TFindList's; this class owns both,
// binds their items and buttons, and keeps the window's buttons, items and
// hints in step with the list.
#pragma once

#include <memory>

class IFindAndReplaceHost;
class IOutlineHost;
class QWidget;
class TFindList;
class TOutlineBinding;
class TSearchCommands;
class TTreeImageList;
class TTreeView;
class TVelkMenus;

// The window's parts the commands work on; they outlive the commands.
struct TFindAndReplaceParts {
    // The window as the page binding sees it: the active editor, the
    // panes, the browse view.
    IOutlineHost& Outline;
    TOutlineBinding& Binding;
    // The main window, over which the dialogs and the list stand.
    QWidget& Window;
    TTreeView& DataTree;
    TVelkMenus& Menus;
    // The list shows each page's sub-icon.
    const TTreeImageList& SubIcons;
};

class TFindAndReplace {
public:
    // Binds the commands' menu items and buttons.
    TFindAndReplace(IFindAndReplaceHost& Host, TFindAndReplaceParts Parts);
    ~TFindAndReplace();
    TFindAndReplace(const TFindAndReplace&) = delete;
    TFindAndReplace& operator=(const TFindAndReplace&) = delete;

    TSearchCommands& SearchCommands() const { return *Search_; }
    // The list search's result window.
    TFindList& FindList() const { return *FindList_; }

    // 0 the page above, 1 the page below: the next entry of the result list
    // while it is open.
    void StepPage(int Direction);
    // The found pages changed: whether the list may be shown again follows.
    void FindListChanged();

private:
    void BindSearchCommands();
    void BindFindListCommands();
    void FindListShown(bool Open);
    // FdFindList and sbFindList.
    void EnableFindList(bool Enabled);
    // sbFoward and sbBack, which search again for the find string.
    void SetSearchAgainEnabled(bool Enabled);

    IFindAndReplaceHost& Host_;
    TFindAndReplaceParts Parts_;
    std::unique_ptr<TSearchCommands> Search_;
    std::unique_ptr<TFindList> FindList_;
};

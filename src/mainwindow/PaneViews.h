// The split view (the page in two panes sharing one text) and the browse
// view (a second, read-only page tree and editor to read one page while
// writing another) on the main window's editor side. At most one is open;
// which one is this class's state, and the menu check marks, the browse
// button's picture and whether the tree may move above the editor are
// drawn from it. A view's panes are made when it opens and go when it
// closes.
#pragma once

#include <array>
#include <memory>

class IPaneViewsHost;
class QSplitter;
class QTabWidget;
class QWidget;
class TDockButton;
class TEditorEx;
class TOutlineBinding;
class TPageMirror;
class TToolImageList;
class TTreeImageList;
class TTreeNode;
class TTreeView;
class TVelkMenus;

// The divider between tree and editor stops this far from either edge,
// and no pane on either side is narrower.
inline constexpr int SeparatorMargin = 10;

// The view that shows a second pane.
enum class TPaneView { None, Split, Browse };

// The window's parts the views are built around; they outlive the views.
struct TPaneViewsParts {
    // The window keeps a closing view's panes until their events are over.
    QWidget& Window;
    // The divider between the tree panel and the editor side.
    QSplitter& Separater1;
    QWidget& PanelL;
    TTreeView& DataTree;
    TEditorEx& DataMemo;
    TOutlineBinding& Binding;
    TVelkMenus& Menus;
    TTreeImageList& TreeImages;
    TTreeImageList& TreeSubImages;
    TToolImageList& ButtonImages;
    // sbSplitTargetNode, sbToEditor (the tree's place) and sbPageDevide.
    TDockButton& BrowseButton;
    TDockButton& TreeDispButton;
    TDockButton& PageDevideButton;
};

class TPaneViews {
public:
    // Binds the views' commands and buttons.
    TPaneViews(IPaneViewsHost& Host, TPaneViewsParts Parts);
    ~TPaneViews();
    TPaneViews(const TPaneViews&) = delete;
    TPaneViews& operator=(const TPaneViews&) = delete;

    // ---- Commands ----
    void OpSplitClick();
    // Also sbSplitTargetNode and the browse tab's TabClose.
    void OpSplitReadClick();
    // Shift+TAB: un-indents a selection of whole lines or a box, else
    // moves the focus to the other pane of an open view.
    void OpMoveWindowClick();

    // ---- State ----
    TPaneView View() const { return View_; }
    bool SplitViewOn() const { return View_ == TPaneView::Split; }
    bool BrowseViewOn() const { return View_ == TPaneView::Browse; }
    // The second pane; null while no view is open.
    TEditorEx* SecondEditor() const { return SecondEditor_; }
    // The browse view's tree and tab; null while it is closed.
    TTreeView* BrowseTree() const { return BrowseTree_; }
    QTabWidget* BrowseTab() const { return BrowseTab_; }
    // The page the browse view shows when it next opens.
    TTreeNode* BrowsePageNode() const { return BrowsePageNode_; }
    // The browse view opens at the first page next time.
    void ForgetBrowsePage() { BrowsePageNode_ = nullptr; }

    // ---- For changes that rebuild the panes ----
    // Closes the open view; the view that was open.
    TPaneView CloseViews();
    // Opens View again after CloseViews.
    void ReopenViews(TPaneView View) { Show(View); }
    // Closes the browse view when it is open (another document replaces
    // the pages it shows).
    void CloseBrowseView();
    // Node is being deleted: neither the browse view nor its next opening
    // leads to it.
    void PageNodeDeleted(TTreeNode* Node);

private:
    void BindCommands();
    // Closes the open view, then opens View.
    void Show(TPaneView View);
    // The state, with what is drawn from it.
    void SetView(TPaneView View);
    // Builds or tears down View's panes as the state says.
    void ToggleView(TPaneView View);
    void ToggleSplitView();
    void ToggleBrowseView();
    TEditorEx* CreateSecondEditor(QWidget* Parent, bool ShareText);
    QSplitter* CreateEditorSide();
    void ReplaceEditorSide(QWidget* Side);
    void PlaceSplitPane();
    void OpenBrowsePanes();
    void CloseBrowsePanes();
    void CloseSecondEditor();
    void BrowseTreeChanging(TTreeNode* Node);
    void BrowseTreeChange(TTreeNode* Node);
    void SetBrowseTabCaption(const TTreeNode* Page);

    IPaneViewsHost& Host_;
    TPaneViewsParts Parts_;
    TPaneView View_ = TPaneView::None;
    TEditorEx* SecondEditor_ = nullptr;
    // The editor side while a view is open: the second pane above or
    // below DataMemo.
    QSplitter* PanelR_ = nullptr;
    QSplitter* BrowseSplitter_ = nullptr;
    TTreeView* BrowseTree_ = nullptr;
    std::unique_ptr<TPageMirror> BrowseMirror_;
    QTabWidget* BrowseTab_ = nullptr;
    TTreeNode* BrowsePageNode_ = nullptr;
    // The browse button's pictures: the view closed, and open.
    std::array<int, 2> BrowseButtonImages_{-1, -1};
};

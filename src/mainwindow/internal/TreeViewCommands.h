// The Tree menu's commands that change what the tree shows rather than the
// outline: going to a page, expanding and folding, the tree's place beside
// or above the editor and its size, its tool tips and the text of a
// subtree. The size the tree had in each place is this class's state.
#pragma once

class ITreeViewHost;
class QSplitter;
class QWidget;
class TDockButton;
class TOutlineBinding;
class TTreeView;
class TVelkMenus;

// The window's parts the commands work on; they outlive the commands.
struct TTreeViewParts {
    // The window gives up the room the tree took beside the editor while
    // the tree stands above it.
    QWidget& Window;
    // The divider between the tree panel and the editor side.
    QSplitter& Separater1;
    QWidget& PanelL;
    TTreeView& DataTree;
    TOutlineBinding& Binding;
    TVelkMenus& Menus;
    // sbToEditor (the tree's place) and sbSplitTargetNode (the browse view).
    TDockButton& TreeDispButton;
    TDockButton& BrowseButton;
};

class TTreeViewCommands {
public:
    // Binds the commands' menu items and sbToEditor.
    TTreeViewCommands(ITreeViewHost& Host, TTreeViewParts Parts);

    // The first page, or the last (Last), when there are two or more.
    void TreePageEndClick(bool Last);
    void TreePageExpandClick();
    void TreePageFoldClick();
    // The whole tree expanded or collapsed.
    void pTreeExpandClick();
    void pTreeCollapseClick();
    void ExpandSelectedSubtree(bool Expand);
    void TreeRootNodeExpandClick();
    void TreeDispClick();
    void TreeNonDispClick();
    // The tree area grows (Step > 0) or shrinks by Step.
    void TreeScaleClick(int Step);
    void TreeTipHelpClick();
    void pTreeNodeTextCopyClick();

private:
    void BindCommands();

    ITreeViewHost& Host_;
    TTreeViewParts Parts_;
    // The tree's width beside the editor and its height above it, each
    // kept while the other is shown; 0 until that orientation was left.
    int TreeWidthBeside_ = 0;
    int TreeHeightAbove_ = 0;
};

// The tree menu's commands that change what the tree shows rather than the
// outline, bound to their items and sbToEditor.
#include "TreeViewCommands.h"

#include "Clipboard.h"
#include "DockButton.h"
#include "HourGlass.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "NodeData.h"
#include "OutlineBinding.h"
#include "TreeView.h"
#include "TreeViewHost.h"

#include <QSplitter>

namespace {

// How far one step of the tree area's size goes, and the room each side
// keeps.
constexpr int TreeScaleStep = 10;
constexpr int TreeScaleMinimum = 30;
constexpr int EditorRoomBeside = 30;
constexpr int EditorRoomBelow = 160;
// The share of the window a tree takes in an orientation not shown before.
constexpr int TreeShareUnknown = 3;

TTreeNode* RootOf(TTreeNode* Node)
{
    while (TTreeNode* parent = Node->Parent())
        Node = parent;
    return Node;
}

} // namespace

TTreeViewCommands::TTreeViewCommands(ITreeViewHost& Host, TTreeViewParts Parts) : Host_(Host), Parts_(Parts)
{
    BindCommands();
}

void TTreeViewCommands::BindCommands()
{
    const TCommandBinding items[] = {
        {Cmd::TreePagePrevSame, [this] { Parts_.Binding.SelectRelative(2); }},
        {Cmd::TreePageNextSame, [this] { Parts_.Binding.SelectRelative(3); }},
        {Cmd::TreePageTop, [this] { TreePageEndClick(false); }},
        {Cmd::TreePageLast, [this] { TreePageEndClick(true); }},
        {Cmd::TreePageExpand, [this] { TreePageExpandClick(); }},
        {Cmd::TreePageFold, [this] { TreePageFoldClick(); }},
        {Cmd::TreeExpand, [this] { pTreeExpandClick(); }},
        {Cmd::pTreeExpand, [this] { pTreeExpandClick(); }},
        {Cmd::TreeCollapse, [this] { pTreeCollapseClick(); }},
        {Cmd::pTreeCollapse, [this] { pTreeCollapseClick(); }},
        {Cmd::pTreeNodeExpand, [this] { ExpandSelectedSubtree(true); }},
        {Cmd::pTreeNodeCollapse, [this] { ExpandSelectedSubtree(false); }},
        {Cmd::TreeRootNodeExpand, [this] { TreeRootNodeExpandClick(); }},
        {Cmd::pTreeRootNodeExpand, [this] { TreeRootNodeExpandClick(); }},
        {Cmd::TreeDisp, [this] { TreeDispClick(); }},
        {Cmd::TreeNonDisp, [this] { TreeNonDispClick(); }},
        {Cmd::TreeScaleUp, [this] { TreeScaleClick(TreeScaleStep); }},
        {Cmd::TreeScaleDown, [this] { TreeScaleClick(-TreeScaleStep); }},
        {Cmd::TreeTipHelp, [this] { TreeTipHelpClick(); }},
        {Cmd::pTreeNodeTextCopy, [this] { pTreeNodeTextCopyClick(); }},
        {Cmd::pTreeURListClear, [this] { Host_.ClearPageHistory(); }},
    };
    Parts_.Menus.Bind(items);
    Parts_.TreeDispButton.OnClick = [this](TObject*) { TreeDispClick(); };
}

void TTreeViewCommands::TreePageEndClick(bool Last)
{
    const TTreeNodes& items = Parts_.DataTree.Items();
    if (items.Count() >= 2)
        Parts_.DataTree.SetSelected(Last ? items.Item(items.Count() - 1) : items.GetFirstNode());
}

void TTreeViewCommands::TreePageExpandClick()
{
    TTreeNode* selected = Parts_.DataTree.Selected();
    if (selected && selected->Count() > 0)
        selected->Expand(false);
}

// Folding walks up: a folded page, or one without children, hands the
// selection to its parent.
void TTreeViewCommands::TreePageFoldClick()
{
    TTreeNode* selected = Parts_.DataTree.Selected();
    if (!selected)
        return;
    if (selected->Count() > 0 && (selected->Expanded() || !selected->Parent()))
        selected->Collapse(false);
    else if (TTreeNode* parent = selected->Parent())
        Parts_.DataTree.SetSelected(parent);
}

void TTreeViewCommands::pTreeExpandClick() { Parts_.DataTree.FullExpand(); }

// A folded tree shows only its root pages: the page shown is the root
// above the one selected.
void TTreeViewCommands::pTreeCollapseClick()
{
    Parts_.DataTree.FullCollapse();
    if (TTreeNode* selected = Parts_.DataTree.Selected())
        Parts_.DataTree.SetSelected(RootOf(selected));
}

void TTreeViewCommands::ExpandSelectedSubtree(bool Expand)
{
    TTreeNode* selected = Parts_.DataTree.Selected();
    if (!selected)
        return;
    if (Expand)
        selected->Expand(true);
    else
        selected->Collapse(true);
}

void TTreeViewCommands::TreeRootNodeExpandClick()
{
    THourGlass hourGlass;
    for (TTreeNode* root = Parts_.DataTree.Items().GetFirstNode(); root; root = root->getNextSibling())
        root->Expand(false);
}

// The tree beside the editor or above it; the browse view needs the tree
// beside, so while it is open the button only springs back. Each
// orientation keeps its own size, and the window gives up the room the tree
// took beside the editor while it is above and takes the same room back, so
// toggling never drifts the window's size.
void TTreeViewCommands::TreeDispClick()
{
    TDockButton& button = Parts_.TreeDispButton;
    if (Host_.BrowseViewOn()) {
        button.SetDown(false);
        return;
    }
    TMenuItem* item = Parts_.Menus.Item(Cmd::TreeDisp);
    item->SetChecked(!item->Checked());
    const bool above = item->Checked();
    button.SetDown(above);
    Parts_.BrowseButton.SetEnabled(!above);
    // Only the split view can be open here; there is no room for it.
    if (above)
        Host_.CloseViews();
    (above ? TreeWidthBeside_ : TreeHeightAbove_) = Host_.SplitLine();
    Parts_.Separater1.setOrientation(above ? Qt::Vertical : Qt::Horizontal);
    const int along = Host_.SplitLine() + Parts_.Separater1.sizes().value(1);
    const int kept = above ? TreeHeightAbove_ : TreeWidthBeside_;
    const int extent = kept > 0 ? kept : along / TreeShareUnknown;
    Host_.SetTreePanelExtent(extent);
    QWidget& window = Parts_.Window;
    if (!window.isMaximized() && !window.isFullScreen())
        window.resize(window.width() + (above ? -TreeWidthBeside_ : extent), window.height());
    Parts_.DataTree.MakeSelectedVisible();
}

void TTreeViewCommands::TreeNonDispClick()
{
    TMenuItem* item = Parts_.Menus.Item(Cmd::TreeNonDisp);
    item->SetChecked(!item->Checked());
    Parts_.PanelL.setHidden(item->Checked());
}

// The tree area grows or shrinks by Step while the editor keeps its room
// and the tree its least size.
void TTreeViewCommands::TreeScaleClick(int Step)
{
    const bool beside = Parts_.Separater1.orientation() == Qt::Horizontal;
    const int extent = Host_.SplitLine();
    const QWidget& window = Parts_.Window;
    const int limit = beside ? window.width() - EditorRoomBeside : window.height() - EditorRoomBelow;
    if (Step > 0 ? extent < limit : extent > TreeScaleMinimum)
        Host_.SetTreePanelExtent(extent + Step);
}

void TTreeViewCommands::TreeTipHelpClick()
{
    TMenuItem* item = Parts_.Menus.Item(Cmd::TreeTipHelp);
    item->SetChecked(!item->Checked());
    Parts_.DataTree.SetToolTips(!item->Checked());
}

// The texts of the selected page and the pages below it, in tree order,
// each ending in CR LF but the last.
void TTreeViewCommands::pTreeNodeTextCopyClick()
{
    TTreeNode* selected = Parts_.DataTree.Selected();
    if (!selected)
        return;
    Parts_.Binding.StorePage(selected);
    std::string text;
    const int level = selected->Level();
    for (TTreeNode* node = selected; node && (node == selected || node->Level() > level); node = node->GetNext())
        if (const auto* record = dynamic_cast<const TNodeData*>(node->Data()))
            text += record->ItemStr() + "\r\n";
    if (text.size() >= 2)
        text.resize(text.size() - 2);
    if (!text.empty())
        SetProgramClipboardText(text);
}

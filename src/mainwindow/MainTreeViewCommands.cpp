// The tree menu's commands that change what the tree shows rather than the
// outline: going to a page, expanding and folding, the tree's place and
// size, its tool tips, the text of a subtree and the page history.
#include "Main.h"

#include "Clipboard.h"
#include "DockButton.h"
#include "HourGlass.h"
#include "NodeData.h"
#include "OutlineBinding.h"
#include "PaneViews.h"
#include "ToolButtonIds.h"
#include "TreeView.h"

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

void TVelkForm::BindTreeViewCommands()
{
    const TCommandBinding items[] = {
        {Cmd::TreePagePrevSame, [this] { Binding_->SelectRelative(2); }},
        {Cmd::TreePageNextSame, [this] { Binding_->SelectRelative(3); }},
        {Cmd::TreePageTop, [this] { TreePageEndClick(false); }},
        {Cmd::TreePageLast, [this] { TreePageEndClick(true); }},
        {Cmd::TreePageExpand, [this] { TreePageExpandClick(); }},
        {Cmd::TreePageFold, [this] { TreePageFoldClick(); }},
        {Cmd::TreeExpand, [this] { DataTree_->FullExpand(); }},
        {Cmd::TreeCollapse, [this] { TreeCollapseClick(); }},
        {Cmd::pTreeNodeExpand, [this] { ExpandSelectedSubtree(true); }},
        {Cmd::pTreeNodeCollapse, [this] { ExpandSelectedSubtree(false); }},
        {Cmd::TreeRootNodeExpand, [this] { TreeRootNodeExpandClick(); }},
        {Cmd::TreeDisp, [this] { TreeDispClick(); }},
        {Cmd::TreeNonDisp, [this] { TreeNonDispClick(); }},
        {Cmd::TreeScaleUp, [this] { TreeScaleClick(TreeScaleStep); }},
        {Cmd::TreeScaleDown, [this] { TreeScaleClick(-TreeScaleStep); }},
        {Cmd::TreeTipHelp, [this] { TreeTipHelpClick(); }},
        {Cmd::pTreeNodeTextCopy, [this] { pTreeNodeTextCopyClick(); }},
        {Cmd::pTreeURListClear, [this] { ClearPageHistory(); }},
    };
    BindItems(items);
    Button(Cmd::sbToEditor)->OnClick = [this](TObject*) { TreeDispClick(); };
}

void TVelkForm::TreePageEndClick(bool Last)
{
    const TTreeNodes& items = DataTree_->Items();
    if (items.Count() >= 2)
        DataTree_->SetSelected(Last ? items.Item(items.Count() - 1) : items.GetFirstNode());
}

void TVelkForm::TreePageExpandClick()
{
    TTreeNode* selected = DataTree_->Selected();
    if (selected && selected->Count() > 0)
        selected->Expand(false);
}

// Folding walks up: a folded page, or one without children, hands the
// selection to its parent.
void TVelkForm::TreePageFoldClick()
{
    TTreeNode* selected = DataTree_->Selected();
    if (!selected)
        return;
    if (selected->Count() > 0 && (selected->Expanded() || !selected->Parent()))
        selected->Collapse(false);
    else if (TTreeNode* parent = selected->Parent())
        DataTree_->SetSelected(parent);
}

// A folded tree shows only its root pages: the page shown is the root
// above the one selected.
void TVelkForm::TreeCollapseClick()
{
    DataTree_->FullCollapse();
    if (TTreeNode* selected = DataTree_->Selected())
        DataTree_->SetSelected(RootOf(selected));
}

void TVelkForm::ExpandSelectedSubtree(bool Expand)
{
    TTreeNode* selected = DataTree_->Selected();
    if (!selected)
        return;
    if (Expand)
        selected->Expand(true);
    else
        selected->Collapse(true);
}

void TVelkForm::TreeRootNodeExpandClick()
{
    THourGlass hourGlass;
    for (TTreeNode* root = DataTree_->Items().GetFirstNode(); root; root = root->getNextSibling())
        root->Expand(false);
}

// The tree beside the editor or above it; the browse view needs the tree
// beside, so while it is open the button only springs back. Each
// orientation keeps its own size, and the window gives up the room the tree
// took beside the editor while it is above and takes the same room back, so
// toggling never drifts the window's size.
void TVelkForm::TreeDispClick()
{
    TDockButton* button = Button(Cmd::sbToEditor);
    if (BrowseViewOn()) {
        button->SetDown(false);
        return;
    }
    TMenuItem* item = Menus_.Item(Cmd::TreeDisp);
    item->SetChecked(!item->Checked());
    const bool above = item->Checked();
    button->SetDown(above);
    Button(Cmd::sbSplitTargetNode)->SetEnabled(!above);
    // Only the split view can be open here; there is no room for it.
    if (above)
        PaneViews_->CloseViews();
    (above ? TreeWidthBeside_ : TreeHeightAbove_) = SplitLine();
    Separater1_->setOrientation(above ? Qt::Vertical : Qt::Horizontal);
    const int along = SplitLine() + Separater1_->sizes().value(1);
    const int kept = above ? TreeHeightAbove_ : TreeWidthBeside_;
    const int extent = kept > 0 ? kept : along / TreeShareUnknown;
    SetTreePanelExtent(extent);
    if (!isMaximized() && !isFullScreen())
        resize(width() + (above ? -TreeWidthBeside_ : extent), height());
    DataTree_->MakeSelectedVisible();
}

void TVelkForm::TreeNonDispClick()
{
    TMenuItem* item = Menus_.Item(Cmd::TreeNonDisp);
    item->SetChecked(!item->Checked());
    PanelL_->setHidden(item->Checked());
}

// The tree area grows or shrinks by Step while the editor keeps its room
// and the tree its least size.
void TVelkForm::TreeScaleClick(int Step)
{
    const bool beside = Separater1_->orientation() == Qt::Horizontal;
    const int extent = SplitLine();
    const int limit = beside ? width() - EditorRoomBeside : height() - EditorRoomBelow;
    if (Step > 0 ? extent < limit : extent > TreeScaleMinimum)
        SetTreePanelExtent(extent + Step);
}

void TVelkForm::TreeTipHelpClick()
{
    TMenuItem* item = Menus_.Item(Cmd::TreeTipHelp);
    item->SetChecked(!item->Checked());
    DataTree_->SetToolTips(!item->Checked());
}

// The texts of the selected page and the pages below it, in tree order,
// each ending in CR LF but the last.
void TVelkForm::pTreeNodeTextCopyClick()
{
    TTreeNode* selected = DataTree_->Selected();
    if (!selected)
        return;
    Binding_->StorePage(selected);
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

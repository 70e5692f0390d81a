// The Tree menu's commands that reshape the outline and the page clipboard,
// bound to their menu items, popup twins and toolbar buttons.
#include "OutlineCommands.h"

#include "DockButton.h"
#include "EditorEx.h"
#include "MainMenus.h"
#include "NodeClipboard.h"
#include "OutlineCommandsHost.h"
#include "OutlineHost.h"
#include "ToolButtonRules.h"
#include "TreeCommands.h"
#include "TreeView.h"

TOutlineCommands::TOutlineCommands(IOutlineCommandsHost& Host, TOutlineCommandsParts Parts)
    : Parts_(Parts), TreeCommands_(std::make_unique<TTreeCommands>(Parts.Binding, Parts.Outline)),
      NodeClipboard_(std::make_unique<TNodeClipboard>(Parts.Binding, Parts.Outline))
{
    NodeClipboard_->SubIconCount = [this] { return Parts_.Menus.SubIconCount(); };
    BindCommands(Host);
}

TOutlineCommands::~TOutlineCommands() = default;

void TOutlineCommands::BindCommands(IOutlineCommandsHost& Host)
{
    using THandler = std::function<void()>;
    TTreeCommands& tree = *TreeCommands_;
    TNodeClipboard& pages = *NodeClipboard_;
    // Commands that can change the page set also set what follows from it.
    const auto changingPages = [this](THandler Command) -> THandler {
        return [this, Command] {
            Command();
            UpdateTextOutputButton();
        };
    };
    const THandler del = changingPages([&tree] { tree.TreeDelClick(); });
    const THandler moveUp = [&tree] { tree.TreeMoveUpClick(); };
    const THandler moveDown = [&tree] { tree.TreeMoveDownClick(); };
    const THandler nodeUp = [&tree] { tree.TreeNodeUpClick(); };
    const THandler nodeDown = [&tree] { tree.TreeNodeDownClick(); };
    const THandler unify = [&tree] { tree.TreeUnifyClick(); };
    const THandler devide = [&tree] { tree.sbPageDevideClick(); };
    const THandler copy = [&pages] { pages.TreeNodeCopyClick(); };
    const THandler cut = changingPages([&pages] { pages.TreeNodeCutClick(); });
    const THandler paste = changingPages([&pages] { pages.TreeNodePasteClick(); });
    const TCommandBinding items[] = {
        {Cmd::TreeDel, del},
        {Cmd::pTreeDel, del},
        {Cmd::TreeMoveUp, moveUp},
        {Cmd::TreeMoveDown, moveDown},
        {Cmd::TreeNodeUp, nodeUp},
        {Cmd::pTreeNodeUp, nodeUp},
        {Cmd::TreeNodeDown, nodeDown},
        {Cmd::pTreeNodeDown, nodeDown},
        {Cmd::TreeUnify, unify},
        {Cmd::pTreeNodeUnify, unify},
        {Cmd::EdPageDevide, devide},
        {Cmd::pEdPageDevide, devide},
        {Cmd::pTreeToChild, [&tree] { tree.pTreeToChildClick(); }},
        {Cmd::pTreeToFreind, [&tree] { tree.pTreeToFreindClick(); }},
        {Cmd::TreeNodeCopy, copy},
        {Cmd::pTreeNodeCopy, copy},
        {Cmd::TreeNodeCut, cut},
        {Cmd::pTreeNodeCut, cut},
        {Cmd::TreeNodePaste, paste},
        {Cmd::pTreeNodePaste, paste},
        {Cmd::TreeSort, [&tree] { tree.TreeSortClick(); }},
        {Cmd::TreeChildSort, [&tree] { tree.TreeChildSortClick(); }},
    };
    Parts_.Menus.Bind(items);

    const TCommandBinding buttons[] = {
        {Cmd::sbPageDel, del},       {Cmd::sbMoveUp, moveUp},   {Cmd::sbMoveDown, moveDown}, {Cmd::sbPageUp, nodeUp},
        {Cmd::sbPageDown, nodeDown}, {Cmd::sbPageUnify, unify}, {Cmd::sbPageDevide, devide},
    };
    Host.BindButtons(buttons);
}

void TOutlineCommands::UpdateTextOutputButton()
{
    Parts_.TextOutputButton.SetEnabled(
        TextOutputEnabled(Parts_.DataTree.Items().Count(), Parts_.Outline.ActiveEditor()->GetTextLen() == 0));
}

// The Tree menu's commands that reshape the outline and the page clipboard,
// bound to their menu items, popup twins and toolbar buttons.
#include "Main.h"

#include "DockButton.h"
#include "EditorEx.h"
#include "TreeView.h"

void TVelkForm::BindTreeCommands()
{
    TreeCommands_ = std::make_unique<TTreeCommands>(*Binding_, *this);
    NodeClipboard_ = std::make_unique<TNodeClipboard>(*Binding_, *this);
    NodeClipboard_->SubIconCount = [this] { return std::max(ImagePopupMenu()->Items().Count() - 1, 0); };

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
        {"TreeDel", del},
        {"pTreeDel", del},
        {"TreeMoveUp", moveUp},
        {"TreeMoveDown", moveDown},
        {"TreeNodeUp", nodeUp},
        {"pTreeNodeUp", nodeUp},
        {"TreeNodeDown", nodeDown},
        {"pTreeNodeDown", nodeDown},
        {"TreeUnify", unify},
        {"pTreeNodeUnify", unify},
        {"EdPageDevide", devide},
        {"pEdPageDevide", devide},
        {"pTreeToChild", [&tree] { tree.pTreeToChildClick(); }},
        {"pTreeToFreind", [&tree] { tree.pTreeToFreindClick(); }},
        {"TreeNodeCopy", copy},
        {"pTreeNodeCopy", copy},
        {"TreeNodeCut", cut},
        {"pTreeNodeCut", cut},
        {"TreeNodePaste", paste},
        {"pTreeNodePaste", paste},
        {"TreeSort", [&tree] { tree.TreeSortClick(); }},
        {"TreeChildSort", [&tree] { tree.TreeChildSortClick(); }},
    };
    BindItems(items);

    const std::pair<std::string_view, THandler> buttons[] = {
        {"sbPageDel", del},       {"sbMoveUp", moveUp},   {"sbMoveDown", moveDown}, {"sbPageUp", nodeUp},
        {"sbPageDown", nodeDown}, {"sbPageUnify", unify}, {"sbPageDevide", devide},
    };
    for (const auto& [name, handler] : buttons)
        Button(name)->OnClick = [handler](TObject*) { handler(); };
}

void TVelkForm::UpdateTextOutputButton()
{
    Button("sbTextOutput")->SetEnabled(TextOutputEnabled(DataTree_->Items().Count(), ActiveEditor_->GetTextLen() == 0));
}

#include "TreeCommands.h"

#include "Clipboard.h"
#include "Cp932.h"
#include "Dialogs.h"
#include "EditorEx.h"
#include "HourGlass.h"
#include "NodeData.h"
#include "OutlineBinding.h"
#include "OutlineHost.h"
#include "PageTitle.h"
#include "SearchListState.h"
#include "SubtreeItems.h"
#include "TitleSort.h"
#include "TreeOperations.h"

#include <QClipboard>
#include <QMimeData>

namespace {

bool Confirm(const std::string& Question)
{
    return MessageDlg(Question, TMsgDlgType::mtWarning, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}) == mrYes;
}

std::string TitleOf(const TTreeNode& Node) { return SjisToUtf8(Node.Text()); }

// Nothing to merge or split: an empty page or a lone line break.
bool NothingToMove(const std::string& Text) { return Text.empty() || Text == "\r\n"; }

// Node holds Text with the caret at Caret, and the title follows.
void SetPage(TTreeNode& Node, std::string Text, size_t Caret)
{
    TNodeData& data = NodeRecord(Node);
    Node.SetText(PageTitle(Text));
    data.SetItemStr(std::move(Text));
    data.SetSelStart(static_cast<int32_t>(Caret));
    data.SetSelLength(0);
}

bool ClipboardHoldsAnything()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && !data->formats().isEmpty();
}

// What the clipboard holds after a merge or split: whatever the user had
// there (text, copied pages, a picture) stays; with nothing, the moved text
// is left there.
class TClipboardKeeper {
public:
    TClipboardKeeper() : HadData_(ClipboardHoldsAnything()) {}
    void Leave(std::string_view Moved) const
    {
        if (!HadData_)
            SetProgramClipboardText(Moved);
    }

private:
    bool HadData_;
};

} // namespace

const std::string& TTreeCommands::PageText(TTreeNode& Node)
{
    // The browse view's pane may show another page; the page's own record,
    // stored first, always holds its text.
    Binding_.StorePage(&Node);
    return NodeRecord(Node).ItemStr();
}

void TTreeCommands::Moved(bool Always, bool Changed)
{
    if (Always || Changed)
        Host_.MarkModified();
    Host_.UpdateToolButtons();
}

void TTreeCommands::TreeDelClick()
{
    TTreeNodes& items = Binding_.Items();
    TTreeNode* selected = items.Selected();
    if (selected == nullptr)
        return;
    if (items.Count() == 1) {
        if (!Confirm("『" + TitleOf(*selected) + "』 は最後の１項目なのでエディタ部が"
                     + "クリアされツリー項目は UnTitled に変わります。実行しますか？"))
            return;
        Host_.ActiveEditor()->Clear();
        SetPage(*selected, {}, 0);
        selected->SetStateIndex(-1);
        Host_.SetSubIconButton(-1);
        Host_.MarkModified();
        Host_.UpdateToolButtons();
        return;
    }
    // An empty leaf goes without a question.
    if ((selected->HasChildren() || !PageText(*selected).empty())
        && !Confirm("　『" + TitleOf(*selected) + "』　"
                    + "を削除します。一度削除したら復活することはできません。本当に削除しますか？"))
        return;
    Binding_.DeleteSubtree(selected);
}

void TTreeCommands::TreeMoveUpClick()
{
    if (TTreeNode* selected = Binding_.Items().Selected())
        Moved(true, MoveUp(*selected));
}

void TTreeCommands::TreeMoveDownClick()
{
    if (TTreeNode* selected = Binding_.Items().Selected())
        Moved(true, MoveDown(*selected));
}

void TTreeCommands::TreeNodeUpClick()
{
    if (TTreeNode* selected = Binding_.Items().Selected())
        Moved(false, Promote(*selected));
}

void TTreeCommands::TreeNodeDownClick()
{
    if (TTreeNode* selected = Binding_.Items().Selected())
        Moved(true, Demote(*selected));
}

void TTreeCommands::pTreeToChildClick()
{
    if (TTreeNode* selected = Binding_.Items().Selected())
        Moved(true, SiblingsToChildren(*selected));
}

void TTreeCommands::pTreeToFreindClick()
{
    if (TTreeNode* selected = Binding_.Items().Selected())
        Moved(false, ChildrenToSiblings(*selected));
}

void TTreeCommands::TreeUnifyClick()
{
    TTreeNode* selected = Binding_.Items().Selected();
    if (selected == nullptr)
        return;
    const std::string text = PageText(*selected);
    TTreeNode* next = selected->getNextSibling();
    if (NothingToMove(text) || selected->HasChildren() || next == nullptr || next->HasChildren())
        return;
    if (!Confirm("次の　『" + TitleOf(*next) + "』　と統合します。"
                 + "ページの統合は取り消しができません。本当に統合しますか？"))
        return;
    const TClipboardKeeper clipboard;
    SetPage(*next, text + NodeRecord(*next).ItemStr(), text.size());
    next->SetStateIndex(selected->StateIndex());
    // The tree selects the next sibling in the deleted page's place and
    // shows it, sub-icon and all.
    Binding_.Items().Delete(selected);
    Host_.ActiveEditor()->SetSelStart(static_cast<int>(text.size()));
    clipboard.Leave(text);
    Host_.MarkModified();
    Host_.SetEditUndoButtons(false, false);
    Host_.UpdateToolButtons();
}

void TTreeCommands::sbPageDevideClick()
{
    TTreeNode* selected = Binding_.Items().Selected();
    TEditorEx& editor = *Host_.ActiveEditor();
    if (selected == nullptr || (Host_.BrowseViewOn() && &editor != Host_.DataMemo()))
        return;
    const std::string text = editor.GetText();
    const auto caret = std::min(static_cast<size_t>(std::max(editor.SelStart(), 0)), text.size());
    if (NothingToMove(text) || Binding_.DataTree().hasFocus() || caret == 0)
        return;
    if (!Confirm("ページの分割は取り消しができません。本当に分割しますか？"))
        return;
    const TClipboardKeeper clipboard;
    const std::string before = text.substr(0, caret);
    TTreeNode* front = Binding_.Items().Insert(selected, PageTitle(before));
    SetPage(*front, before, before.size());
    front->SetStateIndex(selected->StateIndex());
    TNodeData& rest = NodeRecord(*selected);
    SetPage(*selected, text.substr(caret), 0);
    selected->SetStateIndex(-1);
    Binding_.ShowPage(&rest);
    Host_.SetSubIconButton(-1);
    Host_.ActiveEditor()->setFocus();
    clipboard.Leave(before);
    Host_.MarkModified();
    Host_.RefreshSubIconFinder();
    Host_.UpdateToolButtons();
}

void TTreeCommands::TreeSortClick()
{
    if (!Confirm("全ページをソートします。\r\nページのソートは取り消しができません。本当にソートしますか？"))
        return;
    const THourGlass hourGlass;
    SortTree(Binding_.Items());
    Host_.MarkModified();
    // The found pages are listed in document order, which is gone.
    SearchListState().FoundPageList.Clear();
}

void TTreeCommands::TreeChildSortClick()
{
    if (!Confirm(
            "現在のページの子ページをソートします。\r\nページのソートは取り消しができません。本当にソートしますか？"))
        return;
    const THourGlass hourGlass;
    if (TTreeNode* selected = Binding_.Items().Selected())
        SortSubtree(*selected);
    Host_.MarkModified();
    SearchListState().FoundPageList.Clear();
}

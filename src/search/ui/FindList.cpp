#include "FindList.h"

#include "Cp932.h"
#include "Dialogs.h"
#include "EditorEx.h"
#include "EscapePoll.h"
#include "HourGlass.h"
#include "NodeData.h"
#include "OutlineBinding.h"
#include "OutlineHost.h"
#include "PageHitCheck.h"
#include "SearchListForm.h"
#include "SearchListState.h"
#include "SubIni.h"
#include "WorkArea.h"

namespace {

TFoundPageList& FoundPages() { return SearchListState().FoundPageList; }

const std::string& StoredText(const TTreeNode& Node)
{
    static const std::string none;
    const auto* data = dynamic_cast<const TNodeData*>(Node.Data());
    return data ? data->ItemStr() : none;
}

// Nothing of an earlier window's list survives into a new one.
void ResetListState()
{
    TSearchListState& state = SearchListState();
    state.FoundPageList.OnChange = nullptr;
    state.FoundPageList.Clear();
    state.FindListMode = false;
    state.SearchListOpen = false;
    SuspendPageCursorRestore(false);
}

} // namespace

TFindList::TFindList(TFindListWindow Window) : Window_(std::move(Window))
{
    ResetListState();
    FoundPages().OnChange = [this] { ListChanged(); };
}

TFindList::~TFindList()
{
    if (Form_) {
        Form_->OnClose = nullptr;
        Form_->OnShow = nullptr;
    }
    Form_.reset();
    ResetListState();
}

// ---- The list search ------------------------------------------------------------------

void TFindList::ListSearch()
{
    TTreeNodes& items = Window_.Binding.Items();
    TTreeNode* selected = items.Selected();
    TEditorEx& editor = *Window_.Host.ActiveEditor();
    // The selected page is judged as the editor holds it.
    Window_.Binding.StorePage(selected);
    const int scope = SearchListState().SearchListScope;
    {
        const THourGlass hourGlass;
        TEscapePoll esc;
        TPageHitCheck check(editor.FindString(), editor.ExSearchOptions(), editor.WordWrap());
        FoundPages().Assign(FindPages(
            scope == 0 ? items.GetFirstNode() : selected, scope,
            [&check](const TTreeNode& Node) { return check.HasHit(StoredText(Node)); },
            [&esc] { return esc.Pressed(); }));
    }
    if (FoundPages().Empty()) {
        Window_.SetSearchAgainEnabled(false);
        MessageDlg(SjisToUtf8(Window_.Host.DataMemo()->FindString()) + "は見つかりませんでした！",
                   TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
        return;
    }
    OpenWindow();
    Form_->SelectRow(0);
    GoTo(FoundPages().Current());
}

void TFindList::FdFindListClick()
{
    IOutlineHost& host = Window_.Host;
    if (host.BrowseViewOn() && host.ActiveEditor() != host.DataMemo())
        return;
    if (FoundPages().Empty())
        return;
    SearchListState().FindListMode = true;
    if (Window_.Binding.Items().Count() < 2 && host.ActiveEditor()->GetTextLen() == 0)
        return;
    OpenWindow();
    if (!FoundPages().StandOn(Window_.Binding.Items().Selected()))
        FoundPages().SetPosition(0);
    Form_->SelectRow(FoundPages().Position(), true);
    GoTo(FoundPages().Current());
}

void TFindList::sbFListCloseClick()
{
    if (Form_)
        Form_->close();
}

void TFindList::StepFindList(int Direction)
{
    if (FoundPages().Count() < 2)
        return;
    if (TTreeNode* node = FoundPages().Step(Direction)) {
        if (Form_)
            Form_->SelectRow(FoundPages().Position());
        Window_.Host.SetActiveEditor(Window_.Host.DataMemo());
        Window_.Binding.DataTree().SetSelected(node);
    }
}

// ---- Pages ------------------------------------------------------------------------------

// The page goes to its hit even when it is the page shown already, which
// selecting it in the tree would not do.
void TFindList::GoTo(TTreeNode* Node)
{
    TTreeView& tree = Window_.Binding.DataTree();
    if (tree.Selected() != Node)
        tree.SetSelected(Node);
    else
        ShowFindListPage(Node);
}

void TFindList::ShowFindListPage(TTreeNode* Node)
{
    TSearchListState& state = SearchListState();
    Window_.Binding.ShowPage(dynamic_cast<const TNodeData*>(Node->Data()));
    TEditorEx& editor = *Window_.Host.ActiveEditor();
    if (state.FindListForward) {
        editor.SetSelStart(0);
        editor.SetTopRow(0);
        editor.FindNext();
    } else {
        editor.SetSelStart(editor.GetTextLen());
        editor.FindPrevious();
    }
    Window_.Host.UpdateStatusBar();
    if (state.FoundPageList.StandOn(Node) && Form_)
        Form_->SelectRow(state.FoundPageList.Position());
}

void TFindList::PageSubIconChanged(const TTreeNode* Node)
{
    if (!Form_)
        return;
    const std::vector<TTreeNode*>& pages = FoundPages().Pages();
    for (size_t row = 0; row < pages.size(); ++row)
        if (pages[row] == Node)
            Form_->SetEntryIcon(static_cast<int>(row), Window_.SubIcons.Image(Node->StateIndex()));
}

void TFindList::PageNodeDeleted(TTreeNode* Node) { FoundPages().Remove(Node); }

void TFindList::ListChanged()
{
    if (Form_ && Form_->isVisible()) {
        if (FoundPages().Empty()) {
            Form_->close();
        } else {
            Form_->Fill(FoundPages().Pages(), Window_.SubIcons);
            Form_->SelectRow(FoundPages().Position());
        }
    }
    Window_.ListChanged();
}

// ---- The window -------------------------------------------------------------------------

void TFindList::OpenWindow()
{
    if (!Form_) {
        Form_ = std::make_unique<TSearchListfm>(Window_.Window);
        Form_->OnChange = [this](int Row) { RowChosen(Row); };
        Form_->OnClick = [this](int Row) { RowClicked(Row); };
        Form_->OnShow = [this] { WindowShown(); };
        Form_->OnClose = [this] { WindowClosed(); };
    }
    SearchListState().FindListForward = true;
    Form_->Fill(FoundPages().Pages(), Window_.SubIcons);
    PlaceWindow();
    Form_->show();
    Window_.Window.activateWindow();
}

// Over the lower half of the page tree, which stands below the browse tree
// while the browse view is open. The height and width are the frame's, and
// the frame ends where the tree ends, so that the status bar below it, with
// the page position and title, stays in sight. Never past the screen's work
// area, where the last rows could not be reached; the window, framed as the
// main window is, is kept there frame and all.
void TFindList::PlaceWindow()
{
    const QWidget& tree = Window_.Binding.DataTree();
    const int treeBottom = tree.mapToGlobal(QPoint(0, tree.height())).y();
    const int height = tree.height() / 2 + (Window_.Host.BrowseViewOn() ? 45 : 42);
    const QRect frameRect(Window_.Window.x() + 2, treeBottom - height, tree.width() + 2, height);
    const QMargins frame = FrameMargins(Window_.Window);
    PlaceWithinWorkArea(*Form_, frameRect.marginsRemoved(frame), frame);
}

void TFindList::WindowShown()
{
    TSearchListState& state = SearchListState();
    state.SearchListOpen = true;
    // Pages are shown at their hits while the list is open, not at their
    // stored carets; the setting itself stays as the user chose it.
    SuspendPageCursorRestore(true);
    const std::string find = SjisToUtf8(Window_.Host.DataMemo()->FindString());
    Form_->setWindowTitle(QString::fromStdString("[" + find + "] があるページのリスト"));
    Window_.ListShown(true);
    Window_.Host.UpdateToolButtons();
}

void TFindList::WindowClosed()
{
    TSearchListState& state = SearchListState();
    if (!state.SearchListOpen)
        return;
    SuspendPageCursorRestore(false);
    state.FindListMode = false;
    state.SearchListOpen = false;
    Window_.ListShown(false);
    Window_.Host.UpdateToolButtons();
}

void TFindList::RowChosen(int Row)
{
    FoundPages().SetPosition(Row);
    Window_.Host.SetActiveEditor(Window_.Host.DataMemo());
    Window_.Binding.DataTree().SetSelected(FoundPages().Current());
}

// A click on the only row changes no selection: it goes to its page.
void TFindList::RowClicked(int Row)
{
    if (FoundPages().Count() == 1 && Row == 0)
        RowChosen(0);
}

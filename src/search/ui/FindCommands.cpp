#include "Dialogs.h"
#include "EditorEx.h"
#include "NodeData.h"
#include "OutlineHost.h"
#include "PageHitCheck.h"
#include "SearchCommandScope.h"
#include "SearchForm.h"
#include "SearchListState.h"
#include "SearchMessages.h"
#include "TreeView.h"

#include <QApplication>
#include <QPointer>
#include <optional>

TSearchCommands::TSearchCommands(TSearchWindow Window) : Window_(std::move(Window))
{
    SearchListState().OnInvalidated = Window_.ListInvalidated;
}

TSearchCommands::~TSearchCommands() { SearchListState().OnInvalidated = nullptr; }

TEditorEx& TSearchCommands::Editor() const { return *Window_.Host.ActiveEditor(); }

bool TSearchCommands::BrowsePaneActive() const
{
    const IOutlineHost& host = Window_.Host;
    return host.BrowseViewOn() && host.SecondEditor() != nullptr && host.ActiveEditor() == host.SecondEditor();
}

const std::string& TSearchCommands::PageText(const TTreeNode* Node)
{
    static const std::string none;
    const auto* data = dynamic_cast<const TNodeData*>(Node->Data());
    return data ? data->ItemStr() : none;
}

bool TSearchCommands::RunDialog(const std::function<bool()>& Dialog)
{
    const QPointer<QWidget> focused = QApplication::focusWidget();
    Editor().setFocus();
    if (Dialog())
        return true;
    if (focused)
        focused->setFocus();
    return false;
}

void TSearchCommands::StartEscapePoll() { Esc_ = std::make_unique<TEscapePoll>(); }

bool TSearchCommands::Stopped() { return Esc_ && Esc_->Pressed(); }

void TSearchCommands::TakeSelectionAsFindStr()
{
    TEditorEx& editor = Editor();
    if (editor.SelLength() > 0) {
        const std::string selected = editor.SelText();
        FindStr_ = selected.substr(0, selected.find('\r'));
    }
}

bool TSearchCommands::InstallFindString(bool FromDialog)
{
    TEditorEx& editor = Editor();
    const auto options = TExSearchOptions::FromBits(SearchOptions_ & kExSearchOptionBits);
    // A pattern that does not compile never becomes the find string, where
    // every repaint would stumble on it.
    if (!FindPatternCompiles(FindStr_, options)) {
        MessageDlg(searchmsg::RegExpError, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
        return false;
    }
    editor.ExMarks()->FindMark()->SetVisible(true);
    editor.SetExSearchOptions(options);
    // Only a search confirmed in its dialog starts over at the top: the
    // steps that follow go on from the hit, or F3 would find it again.
    if (FromDialog && SearchOptions_ & soStartPos)
        editor.SetSelStart(0);
    editor.SetFindString(FindStr_);
    Window_.SetSearchAgainEnabled(!editor.FindString().empty());
    return true;
}

void TSearchCommands::NoFindString()
{
    Editor().SetFindString({});
    Window_.SetSearchAgainEnabled(false);
}

void TSearchCommands::SearchAndTell(bool Down, bool AcrossPages)
{
    TEditorEx& editor = Editor();
    StartEscapePoll();
    bool found;
    if (AcrossPages && !BrowsePaneActive())
        found = Down ? FindNextAcrossPages() : FindPrevAcrossPages();
    else
        found = Down ? editor.FindNext() : editor.FindPrevious();
    if (found)
        CenterCaretRow();
    else
        MessageDlg(searchmsg::NotFound(Down, FindStr_), TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
}

void TSearchCommands::FdGoFindClick()
{
    const TCommandScope scope(*this);
    TakeSelectionAsFindStr();
    Editor().SetHitStyle(TEditorHitStyle::hsCaret);
    if (!RunDialog([&] { return TfmSearch::Execute(&Window_.Window, FindStr_, SearchOptions_, BrowsePaneActive()); }))
        return;
    if (FindStr_.empty()) {
        NoFindString();
        return;
    }
    if (!InstallFindString(true))
        return;
    if (SearchListState().FindListMode && !BrowsePaneActive() && OnListSearch)
        OnListSearch();
    else
        SearchAndTell(SearchOptions_ & soDownward, SearchOptions_ & soWholeFile);
}

void TSearchCommands::FdForwardFindClick()
{
    const TCommandScope scope(*this);
    Editor().setFocus();
    if (!FindStr_.empty() && InstallFindString(false))
        SearchAndTell(true, SearchOptions_ & soWholeFile);
}

void TSearchCommands::FdBackFindClick()
{
    const TCommandScope scope(*this);
    Editor().setFocus();
    if (!FindStr_.empty() && InstallFindString(false))
        SearchAndTell(false, SearchOptions_ & soWholeFile);
}

void TSearchCommands::FdGoTopClick()
{
    TEditorEx& editor = Editor();
    editor.setFocus();
    editor.SetSelStart(0);
}

void TSearchCommands::FdGoBottomClick()
{
    TEditorEx& editor = Editor();
    editor.setFocus();
    editor.SetSelStart(editor.GetTextLen());
}

bool TSearchCommands::FindNextAcrossPages() { return WalkPages(true); }

bool TSearchCommands::FindPrevAcrossPages() { return WalkPages(false); }

bool TSearchCommands::WalkPages(bool Down)
{
    if (!SearchListState().FoundPageList.Empty())
        return WalkFoundPages(Down);
    TTreeNodes& items = Window_.Binding.Items();
    const auto step = [Down](TTreeNode* Node) { return Down ? Node->GetNext() : Node->GetPrev(); };
    std::optional<TPageHitCheck> check;
    for (;;) {
        if (Stopped())
            return false;
        TEditorEx& editor = Editor();
        if (Down ? editor.FindNext() : editor.FindPrevious())
            return true;
        TTreeNode* selected = items.Selected();
        if (!selected)
            return false;
        if (!check)
            check.emplace(editor.FindString(), editor.ExSearchOptions(), editor.WordWrap());
        // Pages without a hit are passed over unseen; the last page is
        // shown all the same, where the walk ends.
        TTreeNode* target = nullptr;
        bool stop = false;
        for (TTreeNode* node = step(selected); node; node = step(node)) {
            target = node;
            if (check->HasHit(PageText(node)) || !step(node))
                break;
            if (Stopped()) {
                stop = true;
                break;
            }
        }
        if (!target)
            return false;
        if (Down)
            ShowPageAtTop(target);
        else
            ShowPageAtBottom(target);
        if (stop)
            return false;
    }
}

bool TSearchCommands::WalkFoundPages(bool Down)
{
    TFoundPageList& pages = SearchListState().FoundPageList;
    // From the page shown when it is listed, wherever the list stood.
    pages.StandOn(Window_.Binding.Items().Selected());
    for (;;) {
        if (Stopped())
            return false;
        TEditorEx& editor = Editor();
        if (Down ? editor.FindNext() : editor.FindPrevious())
            return true;
        TTreeNode* next = pages.Step(Down ? 1 : 0);
        if (!next)
            return false;
        if (Down)
            ShowPageAtTop(next);
        else
            ShowPageAtBottom(next);
    }
}

void TSearchCommands::ShowPageAtTop(TTreeNode* Node)
{
    Window_.Binding.DataTree().SetSelected(Node);
    TEditorEx& editor = Editor();
    editor.SetSelStart(0);
    editor.SetTopRow(0);
}

// The caret goes after the last character, so that the search backwards
// finds a hit that ends the page too.
void TSearchCommands::ShowPageAtBottom(TTreeNode* Node)
{
    Window_.Binding.DataTree().SetSelected(Node);
    TEditorEx& editor = Editor();
    editor.SetSelStart(editor.GetTextLen());
}

void TSearchCommands::CenterCaretRow()
{
    TEditorEx& editor = Editor();
    const int visible = editor.VisibleRows();
    const int fromTop = editor.Row() - editor.TopRow();
    if (fromTop > visible * 4 / 5 || fromTop < visible / 5)
        editor.SetTopRow(std::max(0, editor.Row() - visible / 3));
}

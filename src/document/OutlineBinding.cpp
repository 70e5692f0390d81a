#include "OutlineBinding.h"

#include "EditorEx.h"
#include "HourGlass.h"
#include "NodeData.h"
#include "OutlineHost.h"
#include "PageTitle.h"
#include "StrDeleteEtc.h"
#include "SubIni.h"
#include "SubtreeItems.h"

#include <utility>

namespace {

TNodeData* PageData(const TTreeNode* Node)
{
    return Node != nullptr ? dynamic_cast<TNodeData*>(Node->Data()) : nullptr;
}

// The editor's modified flag, put back as it was when the scope ends.
class TKeepModified {
public:
    explicit TKeepModified(TEditor* Editor) : Editor_(Editor), Modified_(Editor && Editor->Modified()) {}
    ~TKeepModified()
    {
        if (Editor_ != nullptr)
            Editor_->SetModified(Modified_);
    }
    TKeepModified(const TKeepModified&) = delete;
    TKeepModified& operator=(const TKeepModified&) = delete;

private:
    TEditor* Editor_;
    bool Modified_;
};

} // namespace

TOutlineBinding::TOutlineBinding(TTreeView& DataTree, IOutlineHost& Host) : DataTree_(DataTree), Host_(Host)
{
    TTreeNodes& items = Items();
    items.OnChanging = [this](TTreeNode* Node) { DataTreeChanging(Node); };
    items.OnChange = [this](TTreeNode* Node) { DataTreeChange(Node); };
    items.OnDeletion = [this](TTreeNode* Node) { DataTreeDeletion(Node); };
    DataTree_.OnGetImageIndex = std::bind_front(&TOutlineBinding::DataTreeGetImageIndex, this);
    DataTree_.OnGetSelectedIndex = std::bind_front(&TOutlineBinding::DataTreeGetSelectedIndex, this);
    DataTree_.OnKeyDown = std::bind_front(&TOutlineBinding::DataTreeKeyDown, this);
    DataTree_.OnEnter = std::bind_front(&TOutlineBinding::DataTreeEnter, this);
    DataTree_.OnDragOver = std::bind_front(&TOutlineBinding::DataTreeDragOver, this);
    DataTree_.OnDragDrop = std::bind_front(&TOutlineBinding::DataTreeDragDrop, this);
    DataTree_.OnMouseDown = std::bind_front(&TOutlineBinding::DataTreeMouseDown, this);
}

TOutlineBinding::~TOutlineBinding()
{
    DropUnstoredPage();
    TTreeNodes& items = Items();
    items.OnChanging = nullptr;
    items.OnChange = nullptr;
    items.OnDeletion = nullptr;
    DataTree_.OnGetImageIndex = nullptr;
    DataTree_.OnGetSelectedIndex = nullptr;
    DataTree_.OnKeyDown = nullptr;
    DataTree_.OnEnter = nullptr;
    DataTree_.OnDragOver = nullptr;
    DataTree_.OnDragDrop = nullptr;
    DataTree_.OnMouseDown = nullptr;
}

// ---- Store and show ---------------------------------------------------------------

void TOutlineBinding::StorePage(TTreeNode* Node)
{
    if (Node == nullptr || !ActiveEditorHoldsPage())
        return;
    TNodeData& data = NodeRecord(*Node);
    // The editor's text is Node's page: it is stored now, and no record is
    // left to take it later.
    DropUnstoredPage();
    const TEditorEx& editor = PageEditor();
    std::string text = data.TakeItemStr();
    editor.GetTextInto(text);
    Node->SetText(PageTitle(text));
    data.SetItemStr(std::move(text));
    data.SetSelStart(editor.SelStart());
    data.SetSelLength(0);
}

void TOutlineBinding::PageEdited(TTreeNode* Node)
{
    if (Node == nullptr || !ActiveEditorHoldsPage())
        return;
    TNodeData& data = NodeRecord(*Node);
    if (UnstoredRecord_ != &data) {
        // Another record still waiting would take this page's text: it
        // keeps what it holds.
        DropUnstoredPage();
        UnstoredRecord_ = &data;
        data.SetUnstored(this);
    }
    const TEditorEx& editor = PageEditor();
    Node->SetText(PageTitle(editor.Lines()->Count() > 0 ? editor.Lines()->Get(0) : std::string()));
}

void TOutlineBinding::StoreUnstoredPage()
{
    if (UnstoredRecord_ != nullptr)
        UnstoredRecord_->StoreUnstored();
}

void TOutlineBinding::DropUnstoredPage()
{
    if (TNodeData* record = std::exchange(UnstoredRecord_, nullptr))
        record->SetUnstored(nullptr);
}

void TOutlineBinding::StoreInto(const TNodeData& Data, std::string& Text, int32_t& SelStart)
{
    Forget(Data);
    const TEditorEx& editor = PageEditor();
    editor.GetTextInto(Text);
    SelStart = editor.SelStart();
}

void TOutlineBinding::Forget(const TNodeData& Data)
{
    if (UnstoredRecord_ == &Data)
        UnstoredRecord_ = nullptr;
}

bool TOutlineBinding::ActiveEditorHoldsPage() const
{
    // The browse view's pane is read-only and may show another page.
    return !ShowingPage_ && !(Host_.BrowseViewOn() && Host_.ActiveEditor() != Host_.DataMemo());
}

const TEditorEx& TOutlineBinding::PageEditor() const
{
    return Host_.BrowseViewOn() ? *Host_.DataMemo() : *Host_.ActiveEditor();
}

void TOutlineBinding::ShowPage(const TNodeData* Data)
{
    // The editor's text is about to be another page's.
    StoreUnstoredPage();
    Host_.UpdateMarkMenus();
    if (Host_.BrowseViewOn() && Host_.ActiveEditor() == Host_.SecondEditor())
        Host_.SetActiveEditor(Host_.DataMemo());
    TEditorEx& editor = *Host_.ActiveEditor();
    {
        // Loading a page is not an edit: the document keeps its modified
        // state, and the change the load announces stores nothing.
        const TKeepModified keepMemo(Host_.DataMemo());
        const TKeepModified keepSecond(Host_.SecondEditor());
        ShowingPage_ = true;
        const struct TEndShowing {
            bool& Flag;
            ~TEndShowing() { Flag = false; }
        } endShowing{ShowingPage_};
        if (Data != nullptr) {
            editor.Lines()->SetTextStr(Data->ItemStr());
            editor.SetSelStart(PageCursorRestoreOn() ? Data->SelStart() : 0);
            ScrollCaretIntoBand(editor);
            editor.SetSelLength(0);
        } else {
            editor.Lines()->Clear();
        }
    }
    if (Host_.BoxSelectionOn())
        editor.SetSelectionMode(TEditorSelectionMode::smBox);
    if (Host_.SecondEditor() != nullptr)
        FollowActivePane(editor);
    Host_.SetEditUndoButtons(editor.CanUndo(), editor.CanRedo());
    Host_.UpdateStatusBar();
}

void TOutlineBinding::ScrollCaretIntoBand(TEditorEx& Editor)
{
    const int visible = Editor.VisibleRows();
    const int caretRow = Editor.Row();
    const int offset = caretRow - Editor.TopRow();
    if (visible * 4 / 5 < offset || offset < visible / 5)
        Editor.SetTopRow(caretRow - visible / 3);
    const bool horizontal = SettingsVars.Options.Scroll;
    if (Editor.RowCount() <= visible) {
        Editor.SetScrollBars(horizontal ? TScrollStyle::ssHorizontal : TScrollStyle::ssNone);
        Editor.SetTopRow(0);
    } else {
        Editor.SetScrollBars(horizontal ? TScrollStyle::ssBoth : TScrollStyle::ssVertical);
    }
}

void TOutlineBinding::FollowActivePane(TEditorEx& Active)
{
    TEditorEx* memo = Host_.DataMemo();
    TEditorEx* second = Host_.SecondEditor();
    const bool split = !Host_.BrowseViewOn();
    if (split) {
        TEditorEx& other = &Active == memo ? *second : *memo;
        other.SetSelectionMode(Active.SelectionMode());
        other.SetScrollBars(Active.ScrollBars());
        other.SetTopRow(Active.TopRow() + Active.VisibleRows());
        other.SetSelStart(Active.SelStart());
        if (Active.RowCount() <= other.TopRow())
            other.SetTopRow(Active.TopRow());
    }
    if (memo->RowCount() <= memo->VisibleRows()) {
        memo->SetTopRow(0);
        if (split)
            second->SetTopRow(0);
    }
}

// ---- Moving about ------------------------------------------------------------------

void TOutlineBinding::SelectRelative(int Mode)
{
    const TTreeNode* selected = Items().Selected();
    if (Items().Count() < 2 || selected == nullptr)
        return;
    TTreeNode* target = nullptr;
    switch (Mode) {
    case 0: target = selected->GetPrev(); break;
    case 1: target = selected->GetNext(); break;
    case 2: target = selected->getPrevSibling(); break;
    case 3: target = selected->getNextSibling(); break;
    default: return;
    }
    if (target != nullptr)
        DataTree_.SetSelected(target);
}

bool TOutlineBinding::PageBack(int Depth)
{
    History_.SetKeepUnique(SettingsVars.TreeUndoRedo);
    return GoTo(History_.Back(Depth, Items().Selected())) && !History_.BackList().empty();
}

bool TOutlineBinding::PageForward(int Depth)
{
    History_.SetKeepUnique(SettingsVars.TreeUndoRedo);
    return GoTo(History_.Forward(Depth, Items().Selected())) && !History_.ForwardList().empty();
}

bool TOutlineBinding::GoTo(TTreeNode* Node)
{
    if (Node == nullptr)
        return false;
    // The history has made Node the return node: leaving the current page
    // for it records nothing.
    DataTree_.SetSelected(Node);
    return true;
}

void TOutlineBinding::PageHistoryMenuClick(TPageHistoryMenu Menu, int Index)
{
    const bool back = Menu == TPageHistoryMenu::UndoPopup;
    const int count = static_cast<int>(back ? History_.BackList().size() : History_.ForwardList().size());
    const int depth = count - Index - 1;
    if (depth >= 0) {
        if (back)
            PageBack(depth);
        else
            PageForward(depth);
    }
    UpdatePageHistoryButtons();
}

void TOutlineBinding::ClearPageHistory()
{
    History_.Clear();
    BeforePageNode_ = nullptr;
    UpdatePageHistoryButtons();
}

void TOutlineBinding::UpdatePageHistoryButtons()
{
    Host_.SetPageHistoryButtons(!History_.BackList().empty(), !History_.ForwardList().empty());
}

// ---- Adding pages ---------------------------------------------------------------------

void TOutlineBinding::TreeInsClick()
{
    if (TTreeNode* selected = Items().Selected())
        AddPage(Items().Insert(selected, std::string(UnTitledTitle)));
}

void TOutlineBinding::TreeAddClick()
{
    TTreeNode* selected = Items().Selected();
    TTreeNode* next = selected != nullptr ? selected->getNextSibling() : nullptr;
    const std::string title(UnTitledTitle);
    AddPage(next != nullptr ? Items().Insert(next, title) : Items().Add(selected, title));
}

void TOutlineBinding::TreeAddChildClick()
{
    if (TTreeNode* selected = Items().Selected())
        AddPage(Items().AddChild(selected, std::string(UnTitledTitle)));
}

void TOutlineBinding::DeleteSubtree(TTreeNode* Node)
{
    if (Node == nullptr)
        return;
    // The tree selects the next page in the deleted one's place, and that
    // page is shown; with none left the editor is emptied.
    WithinUpdate(Items(), [&] { Items().Delete(Node); });
    Host_.MarkModified();
    if (Items().Count() == 0)
        TreeAddClick();
    Host_.UpdateToolButtons();
}

void TOutlineBinding::AddPage(TTreeNode* Node)
{
    DataTree_.SetSelected(Node);
    Host_.RefreshSubIconFinder();
}

// ---- The tree's events ----------------------------------------------------------------

void TOutlineBinding::DataTreeChanging(TTreeNode* Node)
{
    TTreeNode* old = Items().Selected();
    BeforePageNode_ = old;
    History_.SetKeepUnique(SettingsVars.TreeUndoRedo);
    History_.PageLeft(old, Node);
    if (old == nullptr)
        return;
    StorePage(old);
    UpdatePageHistoryButtons();
}

void TOutlineBinding::DataTreeChange(TTreeNode* Node)
{
    if (Host_.FindListMode() && Node != nullptr)
        Host_.ShowFindListPage(Node);
    else
        ShowPage(PageData(Node));
    // Only a real selection is dropped: clearing one that is not there
    // would also switch a box selection mode back to lines.
    TEditorEx& editor = *Host_.ActiveEditor();
    if (editor.SelLength() != 0)
        editor.SetSelLength(0);
    const int subIcon = Node != nullptr ? Node->StateIndex() : -1;
    Host_.SetSubIconButton(subIcon >= 1 ? subIcon : -1);
    Host_.UpdateToolButtons();
}

void TOutlineBinding::DataTreeDeletion(TTreeNode* Node)
{
    History_.Remove(Node);
    UpdatePageHistoryButtons();
    if (BeforePageNode_ == Node)
        BeforePageNode_ = nullptr;
    Host_.PageNodeDeleted(Node);
}

int TOutlineBinding::PageImageIndex(const TTreeNode& Node, bool Selected)
{
    if (Node.HasChildren())
        return Node.Expanded() ? 1 : 0;
    return Selected ? 3 : 2;
}

void TOutlineBinding::DataTreeGetImageIndex(TObject* /*Sender*/, TTreeNode* Node)
{
    Node->SetImageIndex(PageImageIndex(*Node, Node->Selected()));
}

void TOutlineBinding::DataTreeGetSelectedIndex(TObject* /*Sender*/, TTreeNode* Node)
{
    Node->SetSelectedIndex(PageImageIndex(*Node, true));
}

void TOutlineBinding::DataTreeKeyDown(TObject* /*Sender*/, uint16_t& Key, TShiftState Shift)
{
    const TShiftState keys{TShiftStateItem::ssShift, TShiftStateItem::ssAlt, TShiftStateItem::ssCtrl};
    if (Shift * keys != TShiftState{TShiftStateItem::ssCtrl})
        return;
    if (Key == VK_TAB) {
        if (!Host_.FocusSubIconFinder())
            Host_.ActiveEditor()->setFocus();
        Key = 0;
    } else if (Key == VK_SUBTRACT) {
        Host_.ActiveEditor()->setFocus();
        CleanUpPageText();
        Key = 0;
    }
}

void TOutlineBinding::CleanUpPageText()
{
    const THourGlass hourGlass;
    TEditorEx& editor = *Host_.ActiveEditor();
    const std::string text = editor.GetText();
    const std::string cleaned = textconv::DeleteEmptyLines(textconv::DeleteTrailingBlanks(text));
    if (cleaned == text)
        return;
    editor.Lines()->SetTextStr(cleaned);
    // Replacing the lines is not announced as an edit by the editor, yet
    // it is one: the page and the document must know.
    StorePage(Items().Selected());
    Host_.MarkModified();
    Host_.UpdateStatusBar();
}

void TOutlineBinding::DataTreeEnter(TObject* /*Sender*/)
{
    TEditorEx* second = Host_.SecondEditor();
    if (second == nullptr)
        return;
    TEditorEx* active = Host_.ActiveEditor();
    TEditorEx* other = active == second ? Host_.DataMemo() : second;
    other->SetSelectionMode(active->SelectionMode());
}

TTreeNode* TOutlineBinding::DropTarget(TObject* Source, int X, int Y) const
{
    const TTreeNode* dragged = Items().Selected();
    if (dynamic_cast<TTreeView*>(Source) == nullptr || dragged == nullptr)
        return nullptr;
    TTreeNode* target = DataTree_.GetNodeAt(X, Y);
    // A page cannot go into its own subtree.
    if (target == nullptr || target == dragged || target->HasAsParent(dragged))
        return nullptr;
    return target;
}

void TOutlineBinding::DataTreeDragOver(TObject* /*Sender*/, TObject* Source, int X, int Y, bool& Accept)
{
    Accept = DropTarget(Source, X, Y) != nullptr;
}

void TOutlineBinding::DataTreeDragDrop(TObject* /*Sender*/, TObject* Source, int X, int Y, TShiftState Shift)
{
    if (dynamic_cast<TTreeView*>(Source) == nullptr)
        return;
    if (TTreeNode* target = DropTarget(Source, X, Y)) {
        TTreeNode* dragged = Items().Selected();
        TTreeNode* next = target->getNextSibling();
        bool moved = true;
        if (Shift.Contains(TShiftStateItem::ssShift))
            dragged->MoveTo(target, TNodeAttachMode::naAddChild);
        else if (next == dragged)
            moved = false; // already directly after the target
        else if (next == nullptr)
            dragged->MoveTo(target, TNodeAttachMode::naAdd);
        else
            dragged->MoveTo(next, TNodeAttachMode::naInsert);
        if (moved)
            Host_.MarkModified();
    }
    Host_.UpdateToolButtons();
}

void TOutlineBinding::DataTreeMouseDown(TObject* /*Sender*/, TMouseButton Button, TShiftState /*Shift*/, int X, int Y)
{
    if (Button != TMouseButton::mbRight)
        return;
    if (TTreeNode* node = DataTree_.GetNodeAt(X, Y))
        DataTree_.SetSelected(node);
}

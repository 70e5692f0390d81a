// The glue between the page tree, the page editor and the buttons: the
// editor's events, the status bar and the buttons' enabled states.
#include "Main.h"

#include "Canvas.h"
#include "Cp932.h"
#include "DockButton.h"
#include "DocumentFiles.h"
#include "EditorEx.h"
#include "EditorGeometry.h"
#include "EditorQueries.h"
#include "ExceptionHandler.h"
#include "FindAndReplace.h"
#include "MenuStates.h"
#include "NodeData.h"
#include "OutlineBinding.h"
#include "PaneViews.h"
#include "SearchListState.h"
#include "StatusBarTexts.h"
#include "StatusPanel.h"
#include "SubIcons.h"
#include "SubIni.h"
#include "ToolButtonIds.h"
#include "ToolButtonRules.h"
#include "TreeChangeWatch.h"
#include "TreeView.h"
#include "WindowParts.h"

#include <QStyle>

namespace {

QString Text(const std::string& Utf8) { return QString::fromStdString(Utf8); }

} // namespace

// ---- The editor's events -------------------------------------------------------------------------------

void TVelkForm::DataMemoChange(TObject* Sender)
{
    // Showing a page replaces the text; that is no edit of the page.
    if (Parts_->Binding->ShowingPage())
        return;
    TEditorEx& editor = EditorOf(Sender, *ActiveEditor_);
    ApplyScrollBars(editor);
    Parts_->Binding->PageEdited(DataTree_->Selected());
    Button(Cmd::sbTextOutput)->SetEnabled(TextOutputEnabled(DataTree_->Items().Count(), TextEmpty(*ActiveEditor_)));
    SetEditUndoButtons(ActiveEditor_->CanUndo(), ActiveEditor_->CanRedo());
    Button(Cmd::sbSave)->SetEnabled(ActiveEditor_->Modified());
    UpdateToolButtons();
    UpdateStatusBar();
}

// No scroll bars while the whole text fits (the horizontal one stays when
// the options ask for it), and the text then starts at the top.
void TVelkForm::ApplyScrollBars(TEditorEx& Editor)
{
    const bool always = SettingsVars.Options.Scroll;
    if (Editor.RowCount() <= Editor.VisibleRows()) {
        Editor.SetScrollBars(always ? TScrollStyle::ssHorizontal : TScrollStyle::ssNone);
        Editor.SetTopRow(0);
    } else {
        Editor.SetScrollBars(always ? TScrollStyle::ssBoth : TScrollStyle::ssVertical);
    }
}

void TVelkForm::DataMemoCaretMoved(TObject*)
{
    DataMemo_->Leftbar()->SetZeroBase(!SettingsVars.Col_Row.Mode);
    UpdateCaretPanel();
    UpdatePageDevide(*ActiveEditor_);
}

void TVelkForm::UpdateCaretPanel()
{
    StatusPanels_[4]->setText(
        Text(CaretPanelText(ActiveEditor_->Col(), ActiveEditor_->Row(), SettingsVars.Col_Row.Mode)));
}

void TVelkForm::UpdatePageDevide(const TEditorEx& Editor)
{
    // Only whether the caret stands after the text's start counts, and that
    // is known without adding up the rows before it.
    const int caretAfterStart = Editor.Row() > 0 || Editor.Col() > 0 ? 1 : 0;
    Button(Cmd::sbPageDevide)
        ->SetEnabled(PageDevideEnabled(SearchListState().SearchListOpen, BrowseViewOn(), ActiveEditor_ == DataMemo_,
                                       caretAfterStart));
}

void TVelkForm::DataMemoSelectionChange(TObject*, bool) { UpdateSelectionButtons(false); }

void TVelkForm::UpdateSelectionButtons(bool OnEnter)
{
    TSelectionSnapshot snapshot;
    snapshot.BrowseView = BrowseViewOn();
    snapshot.ActiveIsDataMemo = ActiveEditor_ == DataMemo_;
    snapshot.SelLength = ActiveEditor_->SelLength();
    snapshot.LineSelection = ActiveEditor_->SelectionMode() == TEditorSelectionMode::smLine;
    snapshot.OnEnter = OnEnter;
    SetEnabled(SelectionButtonStates(snapshot));
}

void TVelkForm::DataMemoEnter(TObject* Sender)
{
    ActiveEditor_ = &EditorOf(Sender, *DataMemo_);
    // The selection mode follows the user from pane to pane, and only the
    // pane in use shows a selection.
    if (TEditorEx* second = SecondEditor()) {
        TEditorEx* other = ActiveEditor_ == DataMemo_ ? second : DataMemo_;
        ActiveEditor_->SetSelectionMode(other->SelectionMode());
        other->SetSelLength(0);
    }
    const bool box = ActiveEditor_->SelectionMode() == TEditorSelectionMode::smBox;
    StatusPanels_[5]->setText(Text(BoxSelectionText(box)));
    Menus_.Item(Cmd::OpBoxSel)->SetChecked(box);
    UpdateSelectionButtons(true);
    UpdatePageDevide(*DataMemo_);
}

void TVelkForm::DataMemoExit(TObject*)
{
    if (TTreeNode* selected = DataTree_->Selected())
        Parts_->Binding->StorePage(selected);
    Button(Cmd::sbPageDevide)->SetEnabled(false);
    Menus_.Item(Cmd::EdPageDevide)->SetEnabled(false);
    Menus_.Item(Cmd::pEdPageDevide)->SetEnabled(false);
}

void TVelkForm::DataMemoResize(TObject* Sender)
{
    TEditorEx& editor = EditorOf(Sender, *ActiveEditor_);
    TWindowWrapInputs inputs;
    inputs.WordWrap = editor.WordWrap();
    inputs.RightRtn = SettingsVars.RightRtn;
    // The width inside the frame: the vertical bar's room is taken off by
    // the rule itself, so not the viewport's, which lacks it already.
    inputs.EditorWidth = editor.contentsRect().width();
    inputs.TextOffset = editor.TextLeft();
    inputs.CharWidth = editor.ColWidth();
    inputs.VerticalScrollBar =
        editor.ScrollBars() == TScrollStyle::ssVertical || editor.ScrollBars() == TScrollStyle::ssBoth;
    inputs.ScrollBarExtent = editor.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    inputs.WrapMarkVisible = editor.Marks()->WrapMark()->Visible();
    if (const std::optional<int> wrapByte = WindowWrapByte(inputs)) {
        editor.WrapOption()->SetWrapByte(*wrapByte);
        ApplyScrollBars(editor);
    }
}

void TVelkForm::ApplyWindowWrap()
{
    for (TEditorEx* editor : {DataMemo_, SecondEditor()})
        if (editor)
            DataMemoResize(editor);
}

void TVelkForm::DataMemoDrawLine(TObject* Sender, const std::string& LineStr, int X, int Y, int, const QRect& ARect,
                                 bool Selected)
{
    Button(Cmd::sbPaste)->SetEnabled(PasteEnabled());
    TEditorEx& editor = EditorOf(Sender, *DataMemo_);
    if (!Selected || !editor.Canvas())
        return;
    // The rest of a selected row is blanked; a row wider than the window
    // has no rest.
    const int charWidth = editor.ColWidth();
    const int length = static_cast<int>(LineStr.size());
    const int count = editor.width() / charWidth - (length + 1);
    if (count < 0)
        return;
    // Only the blanks are filled: the selected text left of them keeps the
    // selection's colours.
    const int blanksLeft = (length + 1) * charWidth + X;
    QRect blanks = ARect;
    blanks.setLeft(std::max(ARect.left(), blanksLeft));
    if (blanks.isEmpty())
        return;
    editor.Canvas()->SetBrushColor(DataMemo_->Color());
    editor.DrawTextRect(blanks, blanksLeft, true, std::string(static_cast<size_t>(count) + 1, ' '), Y);
}

void TVelkForm::WMMouseWheel(int Notch)
{
    const TWheelScroll scroll = WheelScroll(Notch, SettingsVars.LineScrollFlg, SettingsVars.LineScroll);
    for (int i = 0; i < scroll.Count; ++i)
        ActiveEditor_->VScroll(static_cast<int>(scroll.Code));
}

// ---- Status bar and buttons -------------------------------------------------------------------------------

void TVelkForm::UpdateStatusBar()
{
    const TTreeNode* selected = DataTree_->Selected();
    StatusPanels_[0]->setText(
        Text(PagePositionText(selected ? selected->AbsoluteIndex() : -1, DataTree_->Items().Count())));
    StatusPanels_[1]->setText(selected ? Text(SjisToUtf8(selected->Text())) : QString());
    StatusPanels_[2]->setText(Text(SizePanelText(ActiveEditor_->GetTextLen())));
}

void TVelkForm::FollowTreeChanges()
{
    Parts_->TreeWatch = std::make_unique<TTreeChangeWatch>(DataTree_->Items(), [this] {
        if (StatusBarPending_)
            return;
        StatusBarPending_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                StatusBarPending_ = false;
                CatchExceptions([this] { UpdateStatusBar(); });
            },
            Qt::QueuedConnection);
    });
}

void TVelkForm::UpdateToolButtons()
{
    const TTreeNode* selected = DataTree_->Selected();
    TToolSnapshot snapshot;
    snapshot.NodeCount = DataTree_->Items().Count();
    snapshot.NodeSelected = selected != nullptr;
    if (selected) {
        const TTreeNode* next = selected->getNextSibling();
        snapshot.SelHasParent = selected->Parent() != nullptr;
        snapshot.SelHasPrevSibling = selected->getPrevSibling() != nullptr;
        snapshot.SelHasNextSibling = next != nullptr;
        snapshot.SelHasChildren = selected->HasChildren();
        snapshot.NextSiblingHasChildren = next && next->HasChildren();
    }
    snapshot.TextEmpty = TextEmpty(*ActiveEditor_);
    snapshot.TextIsCrLf = TextIsCrLf(*ActiveEditor_);
    snapshot.SubIconFinderClosed = Parts_->SubIcons->SubIconFinder() == nullptr;
    snapshot.HasFileName = Parts_->DocumentFiles->HasFileName();
    snapshot.BrowseView = BrowseViewOn();
    snapshot.ExtEditor = SettingsVars.ExtEditor;
    snapshot.GoEditorEnabled = Button(Cmd::sbGoEditor)->Enabled();
    snapshot.ClipMode = ClippingOn();
    snapshot.SearchListOpen = SearchListState().SearchListOpen;
    SetEnabled(ToolButtonStates(snapshot));
}

// Each id is a button, else a menu item.
void TVelkForm::SetEnabled(const TEnablings& List)
{
    for (const TEnabling& enabling : List) {
        if (TDockButton* button = FindButton(enabling.Id))
            button->SetEnabled(enabling.Enabled);
        else
            Menus_.Item(enabling.Id)->SetEnabled(enabling.Enabled);
    }
}

void TVelkForm::SetEditUndoButtons(bool CanUndo, bool CanRedo)
{
    Button(Cmd::sbUndo)->SetEnabled(CanUndo);
    Button(Cmd::sbRedo)->SetEnabled(CanRedo);
}

void TVelkForm::SetPageHistoryButtons(bool CanGoBack, bool CanGoForward)
{
    Button(Cmd::sbPageUndo)->SetEnabled(CanGoBack);
    Button(Cmd::sbPageRedo)->SetEnabled(CanGoForward);
}

void TVelkForm::MarkModified()
{
    DataMemo_->SetModified(true);
    // The save commands follow the active pane's flag.
    if (Parts_->PaneViews->SplitViewOn())
        SecondEditor()->SetModified(true);
    Button(Cmd::sbSave)->SetEnabled(true);
}

bool TVelkForm::PasteEnabled() const { return ClipboardHasText_ && (!BrowseViewOn() || ActiveEditor_ == DataMemo_); }

TEditorEx* TVelkForm::SecondEditor() const { return Parts_->PaneViews->SecondEditor(); }

bool TVelkForm::BrowseViewOn() const { return Parts_->PaneViews->BrowseViewOn(); }

bool TVelkForm::BoxSelectionOn() const { return Menus_.Item(Cmd::OpBoxSel)->Checked(); }

#include "EditorBase.h"

#include "EditorImageList.h"
#include "EditorLibrary.h"
#include "EditorPopupMenu.h"
#include "EditorPopupShortcuts.h"
#include "EditorRulerBitmaps.h"
#include "EditorScreen.h"

#include "ExceptionHandler.h"
#include "Method.h"
#include "QtFont.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

// ---- Construction --------------------------------------------------------------------

TEditor::TEditor(QWidget* Parent)
    : QAbstractScrollArea(Parent), TComponent(nullptr), Font_(std::make_unique<TFont>()),
      RulerBitmaps_(std::make_unique<TEditorRulerBitmaps>())
{
    StartEditorLibrary();
    resize(185, 89);
    setFrameShape(QFrame::StyledPanel);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    // The cursor follows the pointer over the bars and the selection.
    viewport()->setMouseTracking(true);
    // Every pixel of the viewport is painted by paintEvent.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()})
        connect(bar, &QScrollBar::actionTriggered, this, [this, bar](int Action) { ScrollBarAction(bar, Action); });
}

void TEditor::AfterConstruction()
{
    DefaultDelimiters();
    List_ = CreateScreenStrings();
    List_->AddEditor(this);
    Lines_ = CreateEditorStrings();
    Screen_ = CreateEditorScreen();
    View_ = Hooked(CreateViewInfo());
    Color_ = clWhite;
    Font_->SetColor(clBlack);
    Font_->SetName("FixedSys");
    Font_->OnChange = [this](TObject*) { FontChanged(); };
    Caret_ = Hooked(CreateEditorCaret());
    Marks_ = Hooked(CreateEditorMarks());
    Margin_ = Hooked(CreateEditorMargin());
    Imagebar_ = Hooked(CreateEditorImagebar());
    Leftbar_ = Hooked(CreateEditorLeftbar());
    Ruler_ = Hooked(CreateEditorRuler());
    Speed_ = CreateEditorSpeed();
    PopupMenu_ = CreateEditorPopupMenu();
    PopupShortcuts_ = std::make_unique<TPopupShortcuts>(PopupMenu_);
    FontChanged();
    UpdateScrollBarPolicy();
}

TEditor::~TEditor()
{
    Destroying_ = true;
    BlinkTimer_.stop();
    SetFountain(nullptr);
    Screen_.reset();
    LeaveList();
}

template <class T>
std::unique_ptr<T> TEditor::Hooked(std::unique_ptr<T> Option)
{
    Option->OnChange = [this](TObject* Sender) { ViewChanged(Sender); };
    return Option;
}

void TEditor::DefaultDelimiters() { Delimiters_ = DefaultDelimiterSet(); }

std::unique_ptr<TEditorCaret> TEditor::CreateEditorCaret() { return std::make_unique<TEditorCaret>(); }
std::unique_ptr<TEditorImagebar> TEditor::CreateEditorImagebar() { return std::make_unique<TEditorImagebar>(); }
std::unique_ptr<TEditorLeftbar> TEditor::CreateEditorLeftbar() { return std::make_unique<TEditorLeftbar>(); }
std::unique_ptr<TEditorMarks> TEditor::CreateEditorMarks() { return std::make_unique<TEditorMarks>(); }
std::unique_ptr<TEditorMargin> TEditor::CreateEditorMargin() { return std::make_unique<TEditorMargin>(); }
std::unique_ptr<TEditorRuler> TEditor::CreateEditorRuler() { return std::make_unique<TEditorRuler>(); }
std::unique_ptr<TEditorSpeed> TEditor::CreateEditorSpeed() { return std::make_unique<TEditorSpeed>(); }
QMenu* TEditor::CreateEditorPopupMenu() { return new TEditorPopupMenu(this, this); }
std::unique_ptr<TEditorScreen> TEditor::CreateEditorScreen() { return std::make_unique<TEditorScreen>(*this); }
std::shared_ptr<TEditorScreenStrings> TEditor::CreateScreenStrings() { return TEditorScreenStrings::Create(); }
std::unique_ptr<TEditorStrings> TEditor::CreateEditorStrings() { return std::make_unique<TEditorStrings>(*this); }
std::unique_ptr<TEditorViewInfo> TEditor::CreateViewInfo() { return TEditorViewInfo::Create(); }

// ---- Options ----------------------------------------------------------------------------

void TEditor::SetColor(TColor Value)
{
    if (Color_ == Value)
        return;
    Color_ = Value;
    viewport()->update();
}

void TEditor::SetHitStyle(TEditorHitStyle Value)
{
    if (HitStyle_ == Value)
        return;
    CleanSelection();
    HitStyle_ = Value;
}

TStringList* TEditor::ReserveWordList() const { return View_->Fountain()->ReserveWordList(); }

void TEditor::SetReserveWordList(const TStrings* Value)
{
    if (!Value || ReserveWordList()->Text() == Value->Text())
        return;
    View_->Fountain()->SetReserveWordList(Value);
}

void TEditor::SetScrollBars(TScrollStyle Value)
{
    if (ScrollBars_ == Value)
        return;
    ScrollBars_ = Value;
    UpdateScrollBarPolicy();
    InitDrawInfo();
    UpdateScrollBars();
}

void TEditor::SetView(const TEditorViewInfo* Value)
{
    View_->Assign(Value);
    ScrollToCaret();
    SetCaretPosition();
}

void TEditor::SetBorderStyle(TBorderStyle Value)
{
    if (BorderStyle_ == Value)
        return;
    BorderStyle_ = Value;
    setFrameShape(Value == TBorderStyle::bsSingle ? QFrame::StyledPanel : QFrame::NoFrame);
}

void TEditor::SetFountain(TFountain* Value)
{
    if (Fountain_ == Value)
        return;
    if (Fountain_) {
        ListenToFountain(Fountain_, false);
        RemoveFreeNotification(Fountain_);
    }
    Fountain_ = Value;
    if (Fountain_) {
        ListenToFountain(Fountain_, true);
        FreeNotification(Fountain_);
    }
    if (Destroying_)
        return;
    RescanRowStates();
    InitDrawInfo();
    viewport()->update();
}

void TEditor::ListenToFountain(TFountain* Fountain, bool Listen)
{
    const TMethod handler = MakeMethod<&TEditor::FountainChanged>(this);
    if (Listen)
        Fountain->NotifyEventList()->Add(handler);
    else
        Fountain->NotifyEventList()->Remove(handler);
}

void TEditor::FountainChanged(TObject* Sender) { ViewChanged(Sender); }

TFountain* TEditor::ActiveFountain() const { return Fountain_ ? Fountain_ : View_->Fountain(); }

void TEditor::SetImageDigits(TImageList* Value)
{
    if (ImageDigits_ == Value)
        return;
    if (ImageDigits_)
        RemoveFreeNotification(ImageDigits_);
    ImageDigits_ = Value;
    if (Value)
        FreeNotification(Value);
    if (Imagebar_->Visible())
        viewport()->update();
}

void TEditor::SetImageMarks(TImageList* Value)
{
    if (ImageMarks_ == Value)
        return;
    if (ImageMarks_)
        RemoveFreeNotification(ImageMarks_);
    ImageMarks_ = Value;
    if (Value)
        FreeNotification(Value);
    if (Imagebar_->Visible())
        viewport()->update();
}

void TEditor::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    // The component is going: its own members are gone already, so it is
    // only forgotten, never called.
    if (AComponent == Fountain_) {
        Fountain_ = nullptr;
        if (!Destroying_)
            RescanRowStates();
    }
    if (AComponent == ImageDigits_)
        ImageDigits_ = nullptr;
    if (AComponent == ImageMarks_)
        ImageMarks_ = nullptr;
    if (!Destroying_)
        viewport()->update();
}

void TEditor::SetLines(const TStrings* Value)
{
    Lines_->Assign(Value);
    List_->RefreshEditors();
}

void TEditor::SetReadOnly(bool Value)
{
    if (DragState_ != TDragState::None)
        return;
    if (Value && Selected())
        SetCursorKind(TCursorKind::Default);
    ReadOnly_ = Value;
}

void TEditor::SetOverWrite(bool Value)
{
    if (OverWrite_ == Value)
        return;
    OverWrite_ = Value;
    UpdateCaret();
}

void TEditor::FontChanged()
{
    QtFont_ = FontToQFont(*Font_);
    if (TopCol_ > 0)
        Col_ = 0;
    InitDrawInfo();
    UpdateScrollBars();
    viewport()->update();
    UpdateCaret();
}

void TEditor::ViewChanged(TObject* Sender)
{
    if (Destroying_)
        return;
    if (Sender == Marks_.get())
        Margin_->SetUnderline(Marks_->Underline()->Visible() ? 1 : 0);
    else if (Sender == View_.get() || (Sender && Sender == ActiveFountain()))
        RescanRowStates();
    InitDrawInfo();
    UpdateScrollBars();
    viewport()->update();
    if (Sender == Caret_.get()) {
        UpdateCaret();
    } else {
        ScrollToCaret();
        SetCaretPosition();
    }
}

// ---- Text access ----------------------------------------------------------------------------

std::string_view TEditor::RowText(int ARow) const
{
    return ARow >= 0 && ARow < List_->Count() ? List_->RowText(ARow) : std::string_view();
}

TRowAttribute TEditor::RowAttributeAt(int ARow) const
{
    return ARow >= 0 && ARow < List_->Count() ? List_->RowAttribute(ARow) : TRowAttribute::raEof;
}

TColumnModel TEditor::ColumnModel() const { return List_->ColumnModel(); }

std::string TEditor::ExpandedRowText(int ARow) const
{
    std::string buffer;
    return std::string(DisplayText(ARow, buffer));
}

int TEditor::ExpandedWidth(std::string_view S) const { return ::ExpandedWidth(S, ColumnModel()); }

int TEditor::RowWidth(int ARow) const { return ::RowWidth(*List_, ARow); }

int TEditor::RowToLine(int ARow) const { return ::RowToLine(*List_, WordWrap(), ARow); }

// ---- Undo -------------------------------------------------------------------------------------------

void TEditor::Undo()
{
    CleanSelection();
    List_->Undo();
}

void TEditor::Redo()
{
    CleanSelection();
    List_->Redo();
}

// ---- Sharing and the row list's client --------------------------------------------------------------

void TEditor::LeaveList()
{
    if (!List_)
        return;
    List_->RemoveEditor(this);
    List_.reset();
}

void TEditor::ShareList(TEditor* Other)
{
    if (!Other || Other == this || Other->List_ == List_)
        return;
    CleanSelection();
    LeaveList();
    List_ = Other->List_;
    List_->AddEditor(this);
    List_->ClampEditorRows();
    RefreshView();
    UpdateCaret();
}

void TEditor::RescanRowStates()
{
    List_->RescanRowStates();
    StatesAheadTimer_.start(0, this);
}

void TEditor::DoChange()
{
    const TChangeExtent& extent = List_->ChangeExtent();
    if (extent.Valid)
        Screen_->Update(extent);
    // A load announces no extent, yet leaves the most states to compute.
    StatesAheadTimer_.start(0, this);
    const int oldWidth = M_.LeftbarWidth;
    if (Leftbar_->Visible() && Leftbar_->ShowNumber() && LeftbarDigits()) {
        InitDrawInfo();
        ScrollColumns(oldWidth, M_.LeftbarWidth);
        PlaceCaret();
    }
    UpdateScrollBars();
    if (extent.Valid) {
        Modified_ = true;
        if (OnChange)
            OnChange(this);
    }
}

void TEditor::ClampRows(int MaxRow)
{
    Row_ = std::min(Row_, MaxRow);
    TopRow_ = std::min(TopRow_, MaxRow);
}

void TEditor::ResetCol() { Col_ = 0; }

void TEditor::RefreshView() { RefreshDrawInfo(); }

QSize TEditor::ScreenSize() const
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize();
}

int TEditor::ScreenHeight() const { return ScreenSize().height(); }

void TEditor::BeginLinesUpdate()
{
    CaretBeginUpdate();
    UnderlineBeginUpdate();
    viewport()->setUpdatesEnabled(false);
}

void TEditor::EndLinesUpdate()
{
    viewport()->setUpdatesEnabled(true);
    UnderlineEndUpdate();
    CaretEndUpdate();
    UpdateCaret();
}

// ---- Events ------------------------------------------------------------------------------------------

void TEditor::DoCaretMoved()
{
    if (OnCaretMoved)
        OnCaretMoved(this);
}

void TEditor::DoDrawLine(const QRect& Rect, int X, TEditorSelectionState ASelected, int ARow, std::string_view Text,
                         int Y)
{
    if (OnDrawLine)
        OnDrawLine(this, std::string(Text), X, Y, ARow, Rect, ASelected != TEditorSelectionState::sstNone);
}

void TEditor::DoSelectionChange(bool ASelected)
{
    if (OnSelectionChange)
        OnSelectionChange(this, ASelected);
}

void TEditor::DoSelectionModeChange()
{
    if (OnSelectionModeChange)
        OnSelectionModeChange(this);
}

void TEditor::DoTopColChange()
{
    if (OnTopColChange)
        OnTopColChange(this);
}

void TEditor::DoTopRowChange()
{
    if (OnTopRowChange)
        OnTopRowChange(this);
}

void TEditor::contextMenuEvent(QContextMenuEvent* Event)
{
    CatchExceptions([&] {
        if (PopupMenu_ && !MouseBusy())
            PopupMenu_->popup(Event->globalPos());
    });
}

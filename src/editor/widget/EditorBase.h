// The Shift-JIS text editor control. Its viewport holds what the control
// calls its client area: the corner, the ruler above the text, the image
// bar and the left bar beside it, and the text, all drawn on a fixed cell
// grid (one cell per byte, two per double-byte character), so that
// columns, the caret and wrapping agree exactly.
//
// The work is spread by job: this file and EditorBase.cpp hold the control
// with its options, events and the row list's client interface;
// EditorCaret.cpp the caret and its column rule; EditorScroll.cpp metrics,
// scroll bars and invalidation; EditorPaint.cpp the paint pass, which
// computes a plain plan per row (edPaintPlan.h, edBarPlan.h) and has
// edRowRenderer and edRulerBitmaps draw it.
//
// Make editors with Create<T>(...): the option objects and the row list are
// made by overridable factories once the object is whole.
#pragma once

#include "edBarPlan.h"
#include "edColumns.h"
#include "edEditorClient.h"
#include "edEditorStrings.h"
#include "edOptions.h"
#include "edPaintPlan.h"
#include "edPopupClient.h"
#include "edScreenStrings.h"
#include "edViewInfo.h"
#include "EdtProp.h"

#include "Graphics.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QFont>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

class QMenu;
class TCanvas;
class TEditorRulerBitmaps;
class TEditorScreen;
class TImageList;

enum class TBorderStyle { bsNone, bsSingle };

// A selection is shown in the states sstSelected and sstHitSelected (a
// search hit); Selected is true only in sstSelected.
enum class TEditorSelectionState { sstNone, sstSelecting, sstSelected, sstHitSelected };

// The selection in display cells: rows StartRow .. EndRow, from StartCol on
// the first row to EndCol (exclusive) on the last; in box mode the columns
// bound every row.
struct TSelectionRange {
    int StartRow = 0;
    int StartCol = 0;
    int EndRow = 0;
    int EndCol = 0;
};

using TDrawLineEvent = std::function<void(TObject* Sender, const std::string& LineStr, int X, int Y, int Index,
                                          const QRect& ARect, bool Selected)>;
using TSelectionChangeEvent = std::function<void(TObject* Sender, bool Selected)>;

class TEditor : public QAbstractScrollArea,
                public TComponent,
                public TEditorClient,
                public TEditorPropClient,
                public TEditorPopupClient {
    Q_OBJECT

public:
    template <class T = TEditor, class... Args>
    static T* Create(Args&&... Arguments)
    {
        T* editor = new T(std::forward<Args>(Arguments)...);
        try {
            static_cast<TEditor*>(editor)->AfterConstruction();
        } catch (...) {
            delete editor;
            throw;
        }
        return editor;
    }

    explicit TEditor(QWidget* Parent = nullptr);
    ~TEditor() override;

    // ---- Options ------------------------------------------------------------
    TColor Color() const override { return Color_; }
    void SetColor(TColor Value) override;
    TEditorCaret* Caret() const override { return Caret_.get(); }
    void SetCaret(const TEditorCaret* Value) override { Caret_->Assign(Value); }
    TFont* Font() const override { return Font_.get(); }
    void SetFont(const TFont* Value) override { Font_->Assign(Value); }
    TEditorHitStyle HitStyle() const override { return HitStyle_; }
    // A change drops a shown selection first.
    void SetHitStyle(TEditorHitStyle Value) override;
    TEditorImagebar* Imagebar() const override { return Imagebar_.get(); }
    void SetImagebar(const TEditorImagebar* Value) override { Imagebar_->Assign(Value); }
    TEditorLeftbar* Leftbar() const override { return Leftbar_.get(); }
    void SetLeftbar(const TEditorLeftbar* Value) override { Leftbar_->Assign(Value); }
    TEditorMargin* Margin() const override { return Margin_.get(); }
    void SetMargin(const TEditorMargin* Value) override { Margin_->Assign(Value); }
    TEditorMarks* Marks() const override { return Marks_.get(); }
    void SetMarks(const TEditorMarks* Value) override { Marks_->Assign(Value); }
    // The view fountain's reserved words.
    TStringList* ReserveWordList() const override;
    void SetReserveWordList(const TStrings* Value) override;
    TEditorRuler* Ruler() const override { return Ruler_.get(); }
    void SetRuler(const TEditorRuler* Value) override { Ruler_->Assign(Value); }
    TScrollStyle ScrollBars() const override { return ScrollBars_; }
    void SetScrollBars(TScrollStyle Value) override;
    TEditorSpeed* Speed() const override { return Speed_.get(); }
    void SetSpeed(const TEditorSpeed* Value) override { Speed_->Assign(Value); }
    TEditorViewInfo* View() const override { return View_.get(); }
    void SetView(const TEditorViewInfo* Value) override;
    // The row list's: shared by every editor that shows the list.
    bool WordWrap() const override { return List_->WordWrap(); }
    void SetWordWrap(bool Value) override { List_->SetWordWrap(Value); }
    TEditorWrapOption* WrapOption() const override { return List_->WrapOption(); }
    void SetWrapOption(const TEditorWrapOption* Value) override { List_->WrapOption()->Assign(Value); }

    TBorderStyle BorderStyle() const { return BorderStyle_; }
    void SetBorderStyle(TBorderStyle Value);
    // The colouring scheme in use; not owned (the editor hears when it
    // goes). Without one the view's own scheme colours the text.
    TFountain* Fountain() const { return Fountain_; }
    void SetFountain(TFountain* Value);
    TFountain* ActiveFountain() const override;
    // Pictures of the row marks 0-9 and 10-15 in place of the defaults;
    // not owned.
    TImageList* ImageDigits() const { return ImageDigits_; }
    void SetImageDigits(TImageList* Value);
    TImageList* ImageMarks() const { return ImageMarks_; }
    void SetImageMarks(TImageList* Value);

    TEditorStrings* Lines() const { return Lines_.get(); }
    // Takes the lines of Value; every editor sharing the list refreshes.
    void SetLines(const TStrings* Value);
    bool Modified() const { return Modified_; }
    void SetModified(bool Value) { Modified_ = Value; }
    bool ReadOnly() const override { return ReadOnly_; }
    void SetReadOnly(bool Value) { ReadOnly_ = Value; }
    bool OverWrite() const { return OverWrite_; }
    void SetOverWrite(bool Value);
    bool WantReturns() const { return WantReturns_; }
    void SetWantReturns(bool Value) { WantReturns_ = Value; }
    bool WantTabs() const { return WantTabs_; }
    void SetWantTabs(bool Value) { WantTabs_ = Value; }

    // ---- Caret and view -------------------------------------------------------
    // The caret row: 0 .. RowCount (RowCount only after a final line break).
    int Row() const override { return Row_; }
    void SetRow(int Value);
    // The caret column, a display column: 0 .. 1001.
    int Col() const { return Col_; }
    void SetCol(int Value);
    int TopRow() const override { return TopRow_; }
    void SetTopRow(int Value);
    int TopCol() const { return TopCol_; }
    void SetTopCol(int Value);
    // Places the caret, off trail bytes and (unless Caret.InTab) tab fill;
    // nothing when both are unchanged.
    void SetRowCol(int ARow, int ACol) override;
    // Places the caret Length character positions after the start of ARow.
    void PutCaretAfterText(int ARow, int Length);
    // Moves the view by N rows, the caret keeping its place in it.
    void ScrollByRows(int N);
    int RowCount() const { return List_->Count(); }

    // ---- Metrics (viewport pixels) ----------------------------------------------
    int FontHeight() const { return M_.FontHeight; }
    // One cell: the font's ASCII advance plus Margin.Character, at least 1.
    int ColWidth() const { return M_.ColWidth; }
    int RowHeight() const override { return M_.RowHeight; }
    int VisibleRows() const { return M_.VisibleRows; }
    int VisibleCols() const { return M_.VisibleCols; }
    int TextTop() const { return M_.TextTop; }
    int TextLeft() const { return M_.TextLeft; }
    // The highest TopCol before halving: 250 with word wrap, 1000 without.
    int MaxCol() const { return WordWrap() ? 250 : PaintColumnLimit; }
    // Painting draws tokens one by one on a transparent background (the
    // font or a colour of the scheme is italic).
    bool PerTokenMode() const { return M_.PerToken; }
    virtual int ImagebarWidth() const;
    virtual int LeftbarWidth() const;
    virtual int RulerHeight() const;
    // Recounts the left bar's digits; true when the count changed.
    virtual bool LeftbarDigits();
    int LeftbarDigitCount() const { return M_.LeftbarDigits; }
    // Recomputes the metrics; RefreshDrawInfo also the scroll bars, bars
    // and the picture.
    void InitDrawInfo();
    void RefreshDrawInfo();

    // ---- Caret display ---------------------------------------------------------
    // Nested: hidden at the first begin, shown again at the last end.
    void CaretBeginUpdate() override;
    void CaretEndUpdate() override;
    virtual void HideCaret();
    virtual void ShowCaret();
    virtual bool IsCaretOutOfView() const;
    virtual void InitCaret();
    virtual void SetCaretPosition();
    virtual void ScrollToCaret();
    virtual QPoint CaretPoint() const;
    virtual void UpdateCaret();
    // True while the caret is drawn (blinking aside); its rectangle.
    bool CaretShown() const { return CaretShown_; }
    QRect CaretRect() const { return CaretRect_; }
    virtual void UnderlineBeginUpdate();
    virtual void UnderlineEndUpdate();
    // The y of the caret-row underline of Row, or -1 when it is not on screen.
    virtual int UnderlinePos(int ARow) const;

    // ---- Text access --------------------------------------------------------------
    // The row's bytes; empty outside the rows.
    const std::string& RowText(int ARow) const;
    // raEof outside the rows.
    TRowAttribute RowAttributeAt(int ARow) const;
    // The row with each tab replaced by the blanks up to its tab stop.
    std::string ExpandedRowText(int ARow) const;
    int ExpandedWidth(std::string_view S) const;
    int RowWidth(int ARow) const;
    int RowToLine(int ARow) const;
    int GetTextLen() const override { return List_->GetTextLen(); }
    TColumnModel ColumnModel() const;

    // ---- Selection as painting reads it --------------------------------------
    TEditorSelectionState SelectionState() const { return SelectionState_; }
    bool Selected() const { return SelectionState_ == TEditorSelectionState::sstSelected; }
    TEditorSelectionMode SelectionMode() const override { return SelectionMode_; }
    void SetSelectionMode(TEditorSelectionMode Value) override;
    const TSelectionRange& SelectionRange() const { return SelRange_; }
    // Shows a selection over Range in State (the selection commands set it
    // through here).
    void SetSelection(TEditorSelectionState State, const TSelectionRange& Range);
    // A hit selection becomes a normal one; with hsCaret the caret first
    // goes to the hit's end.
    void CommitHitSelection();

    // ---- Row marks -------------------------------------------------------------------
    uint16_t RowMarks(int ARow) const override;
    void SetRowMarks(int ARow, uint16_t Value);
    uint16_t RowMarksInUse() const override { return List_->GetRowMarksInUse(); }
    void PutRowMark(int ARow, int Mark) override;
    void DeleteRowMark(int ARow, int Mark) override;
    void GotoRowMark(int Mark) override;

    // ---- Undo ----------------------------------------------------------------------
    bool CanUndo() const override { return List_->UndoObj()->CanUndo(); }
    bool CanRedo() const override { return List_->UndoObj()->CanRedo(); }
    void Undo() override;
    void Redo() override;

    // ---- Commands of the context menu that the selection and editing code
    // carries out; until it does they change nothing.
    int SelLength() const override { return 0; }
    void CutToClipboard() override {}
    void CopyToClipboard() override {}
    void PasteFromClipboard() override {}
    void PasteBox(const std::string&) override {}
    void ClearSelection() override {}
    void SelectAll() override {}

    // ---- Sharing ---------------------------------------------------------------------
    // Shows Other's row list (text, wrapping, marks and undo history) in
    // place of the own one.
    virtual void ShareList(TEditor* Other);
    TEditorScreenStrings& ScreenStrings() const override { return *List_; }

    // ---- Painting ------------------------------------------------------------------------
    // The plan of a row as painting makes it for the whole visible width.
    TRowPlan RowPlan(int ARow);
    // The picture the image bar shows for row mark Mark (0-15): the
    // editor's own list's when it holds one, else the default; null for
    // no mark.
    const QPixmap* ImagebarPicture(int Mark) const;
    // The canvas of the paint pass; null outside paintEvent.
    TCanvas* Canvas() const { return Canvas_; }
    // Draws Text (at most 1000 bytes, 1001 after a lead byte) on the cell
    // grid at (X, Y), clipped to Rect, over the brush colour when Opaque.
    void DrawTextRect(const QRect& Rect, int X, bool Opaque, std::string_view Text, int Y);
    // The text part of a row, from text left to the right edge.
    void InvalidateRow(int ARow) override;
    // Rows Row1 .. Row2 (either order, clamped to the view) across the
    // whole width, repainted at once.
    void RepaintRows(int Row1, int Row2);
    // The left-bar cells of rows Row1 .. Row2, repainted at once.
    virtual void InvalidateRows(int Row1, int Row2);
    // Rows ARow on, from the top of ARow to the bottom of the viewport,
    // bars included.
    void InvalidateFromRow(int ARow);

    // ---- Events ----------------------------------------------------------------------------
    TNotifyEvent OnCaretMoved;
    TNotifyEvent OnChange;
    TDrawLineEvent OnDrawLine;
    TSelectionChangeEvent OnSelectionChange;
    TNotifyEvent OnSelectionModeChange;
    TNotifyEvent OnTopColChange;
    TNotifyEvent OnTopRowChange;

    // ---- The row list's client ------------------------------------------------------------
    void DoChange() override;
    void CleanSelection() override;
    void ClampRows(int MaxRow) override;
    void ResetCol() override;
    void RefreshView() override;
    bool Focused() const override { return hasFocus(); }
    int CaretRow() const override { return Row_; }
    int CaretCol() const override { return Col_; }
    bool Loading() const override { return false; }
    bool Destroying() const override { return Destroying_; }
    int TabSpaceCount() const override { return Caret_->TabSpaceCount(); }
    const TDelimiters& Delimiters() const override { return Delimiters_; }
    int ScreenHeight() const override;
    bool InitBracketsFull() const override { return Speed_->InitBracketsFull(); }
    void BeginLinesUpdate() override;
    void EndLinesUpdate() override;

protected:
    // Runs the factories; Create calls it once the object is whole.
    virtual void AfterConstruction();

    virtual void DefaultDelimiters();
    virtual std::unique_ptr<TEditorCaret> CreateEditorCaret();
    virtual std::unique_ptr<TEditorImagebar> CreateEditorImagebar();
    virtual std::unique_ptr<TEditorLeftbar> CreateEditorLeftbar();
    virtual std::unique_ptr<TEditorMarks> CreateEditorMarks();
    virtual std::unique_ptr<TEditorMargin> CreateEditorMargin();
    virtual std::unique_ptr<TEditorRuler> CreateEditorRuler();
    virtual std::unique_ptr<TEditorSpeed> CreateEditorSpeed();
    virtual QMenu* CreateEditorPopupMenu();
    virtual std::unique_ptr<TEditorScreen> CreateEditorScreen();
    virtual std::shared_ptr<TEditorScreenStrings> CreateScreenStrings();
    virtual std::unique_ptr<TEditorStrings> CreateEditorStrings();
    virtual std::unique_ptr<TEditorViewInfo> CreateViewInfo();

    virtual void DoCaretMoved();
    virtual void DoDrawLine(const QRect& Rect, int X, TEditorSelectionState Selected, int ARow,
                            const std::string& Text, int Y);
    virtual void DoSelectionChange(bool ASelected);
    virtual void DoSelectionModeChange();
    virtual void DoTopColChange();
    virtual void DoTopRowChange();
    // The change event of every option object and of the fountain.
    virtual void ViewChanged(TObject* Sender);

    // Column rule after every caret move (Vertical: an up or down move;
    // Step: +1 or -1, the direction of the move).
    void AdjustCol(bool Vertical, int Step);

    // The marks at row ends, drawn on the paint pass's canvas; X is the
    // cell's left, Y the row's top.
    virtual void DrawEofMark(int X, int Y);
    virtual void DrawRetMark(int X, int Y);
    virtual void DrawRetMarkSelected(int X, int Y);
    virtual void DrawWrapMark(int X, int Y);
    virtual void DrawWrapMarkSelected(int X, int Y);
    virtual void DrawHideMark(int X, int Y);
    virtual void DrawHideMarkSelected(int X, int Y);
    virtual void ShowUnderline(int ARow);
    virtual void HideUnderline(int ARow);

    // Paints the parts of the viewport that meet Rect.
    virtual void PaintRect(const QRect& Rect);
    virtual void PaintLeftbars(int FirstRow, int LastRow);
    virtual void PaintImagebar(int FirstRow, int LastRow);
    virtual void PaintRuler();
    virtual void DrawCornerBitmap();

    void Notification(TComponent* AComponent, TOperation Operation) override;

    void paintEvent(QPaintEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;
    void timerEvent(QTimerEvent* Event) override;
    void scrollContentsBy(int DX, int DY) override;
    void contextMenuEvent(QContextMenuEvent* Event) override;

private:
    struct TMetrics {
        int FontHeight = 1;
        int ColWidth = 1;
        int RowHeight = 1;
        int VisibleRows = 1;
        int VisibleCols = 0;
        int TextTop = 0;
        int TextLeft = 0;
        int RulerHeight = 0;
        int ImagebarWidth = 0;
        int LeftbarWidth = 0;
        int LeftbarDigits = 4;
        bool PerToken = false;
    };

    // The option objects' change events go to ViewChanged.
    template <class T>
    std::unique_ptr<T> Hooked(std::unique_ptr<T> Option);
    void FontChanged();
    void UpdateScrollBars();
    void UpdateScrollBarPolicy();
    void SyncScrollBar(QScrollBar* Bar, int Maximum, int Page, int Value);
    void VScrollAction(int Action);
    void HScrollAction(int Action);
    void UpdateBlink();
    void ListenToFountain(TFountain* Fountain, bool Listen);
    void FountainChanged(TObject* Sender);
    // Leaves the row list (it goes with its last editor).
    void LeaveList();
    // The column of Col on ARow moved left off a trail byte and, unless
    // Caret.InTab, out of tab fill.
    int ColOffTrail(int ARow, int ACol) const;
    TRowColors RowColors() const;
    // The selected cells of ARow, [Start, End); empty when none.
    std::pair<int, int> SelectedCells(int ARow) const;
    bool SelectionPainted() const;
    void PlanRow(int ARow, int FirstCol, int LastCol, TFountainParser* Parser, TRowPlan& Plan);
    void PaintTextRows(const QRect& Rect, int FirstRow, int LastRow, int RowTop);
    void DrawMark(const TRowPlan& Plan, int X, int Y);
    void DrawMarkLines(TColor Color, std::initializer_list<QPoint> Points);
    TColor MarkColor(const TEditorMark& Mark) const;
    TColor SelectionForeground() const;
    QRect RowRect(int ARow) const;
    // The row's display text: the row itself, or Buffer holding it with
    // its tabs expanded.
    const std::string& DisplayText(int ARow, std::string& Buffer) const;
    void DrawRetArrow(int X, int Y, TColor Color);
    void DrawChevron(int X, int Y, TColor Color, bool PointsLeft);
    void DrawLeftbarEdge(int Top, int Bottom);
    void InvalidateUnderline(int ARow);
    // The size of the screen the editor is on.
    QSize ScreenSize() const;

    std::shared_ptr<TEditorScreenStrings> List_;
    std::unique_ptr<TEditorStrings> Lines_;
    std::unique_ptr<TEditorScreen> Screen_;
    std::unique_ptr<TEditorViewInfo> View_;
    std::unique_ptr<TEditorCaret> Caret_;
    std::unique_ptr<TEditorMarks> Marks_;
    std::unique_ptr<TEditorMargin> Margin_;
    std::unique_ptr<TEditorImagebar> Imagebar_;
    std::unique_ptr<TEditorLeftbar> Leftbar_;
    std::unique_ptr<TEditorRuler> Ruler_;
    std::unique_ptr<TEditorSpeed> Speed_;
    std::unique_ptr<TFont> Font_;
    std::unique_ptr<TEditorRulerBitmaps> RulerBitmaps_;
    QMenu* PopupMenu_ = nullptr;

    TColor Color_ = clWhite;
    TBorderStyle BorderStyle_ = TBorderStyle::bsSingle;
    TEditorHitStyle HitStyle_ = TEditorHitStyle::hsSelect;
    TScrollStyle ScrollBars_ = TScrollStyle::ssNone;
    TFountain* Fountain_ = nullptr;
    TImageList* ImageDigits_ = nullptr;
    TImageList* ImageMarks_ = nullptr;
    TDelimiters Delimiters_;
    QFont QtFont_;
    TMetrics M_;

    bool Modified_ = false;
    bool OverWrite_ = false;
    bool ReadOnly_ = false;
    bool WantReturns_ = true;
    bool WantTabs_ = true;
    bool Destroying_ = false;

    int Row_ = 0;
    int Col_ = 0;
    int TopRow_ = 0;
    int TopCol_ = 0;
    // The column a vertical move comes back to (Caret.KeepCaret).
    int KeepCol_ = 0;
    bool KeepColValid_ = false;

    bool CaretUpdateSuppressed_ = false;
    int CaretUpdateCount_ = 0;
    bool CaretCreated_ = false;
    bool CaretShown_ = false;
    bool CaretBlinkOn_ = true;
    QRect CaretRect_;
    QBasicTimer BlinkTimer_;
    int UnderlineUpdateCount_ = 0;
    bool SyncingScrollBars_ = false;

    TEditorSelectionState SelectionState_ = TEditorSelectionState::sstNone;
    TEditorSelectionMode SelectionMode_ = TEditorSelectionMode::smLine;
    TSelectionRange SelRange_;

    TCanvas* Canvas_ = nullptr;
    // Reused by every row of a paint pass.
    std::string RowTextBuffer_;
    std::string NextTextBuffer_;
    std::string PlanScratch_;
    TRowPlan RowPlan_;
    std::vector<int> LeftbarNumbers_;
};

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
// EditorRowRenderer and EditorRulerBitmaps draw it. The controller turns events
// into the core's text commands (edEditing.h, edKeyEditing.h, ...):
// EditorSelection.cpp the selection, EditorClipboard.cpp the clipboard,
// EditorEditing.cpp the editing commands, marks, tokens and search,
// EditorKeys.cpp the keys and typed characters, EditorMouse.cpp the mouse
// and dragging, EditorInputMethod.cpp the input method, EditorMessages.cpp
// the edit-control messages.
//
// Make editors with Create<T>(...): the option objects and the row list are
// made by overridable factories once the object is whole.
#pragma once

#include "EdtProp.h"
#include "HTSearch.h"
#include "edBarPlan.h"
#include "edColumns.h"
#include "edEditing.h"
#include "edEditorClient.h"
#include "edEditorStrings.h"
#include "edIndent.h"
#include "edOptions.h"
#include "edPaintPlan.h"
#include "edPopupClient.h"
#include "edPositions.h"
#include "edPreeditLayout.h"
#include "edScreenStrings.h"
#include "edSelection.h"
#include "edTokens.h"
#include "edViewInfo.h"

#include "Construction.h"
#include "Graphics.h"
#include "VirtualKeys.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QFont>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class QMenu;
class QAction;
class QImage;
class QInputMethodEvent;
class TCanvas;
class TEditorRulerBitmaps;
struct TRulerLook;
class TEditorScreen;
class TImageList;
class TPopupShortcuts;
struct TKeyCode;

enum class TBorderStyle { bsNone, bsSingle };

using TDrawLineEvent = std::function<void(TObject* Sender, const std::string& LineStr, int X, int Y, int Index,
                                          const QRect& ARect, bool Selected)>;
using TSelectionChangeEvent = std::function<void(TObject* Sender, bool Selected)>;
// A key went down: its virtual-key code (set it to 0 and the editor does
// nothing with the key) and the modifiers held.
using TKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
// A typed character's byte (set it to 0 and the character is dropped).
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;

// The notice that Count characters with no Shift-JIS form became "?".
std::string UnmappedCharactersText(int Count);

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
        return Construction::Create<TEditor, T>(std::forward<Args>(Arguments)...).release();
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
    // Ignored while a selection is dragged.
    void SetReadOnly(bool Value);
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
    // The font's average character width: a column less the character margin.
    int CharWidth() const { return M_.CharWidth; }
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
    // Puts the caret where its row and column are shown, and tells the
    // owner that it moved.
    virtual void SetCaretPosition();
    // The same when only the view moved: the caret keeps its row and
    // column, so nothing is told.
    void PlaceCaret();
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
    std::string_view RowText(int ARow) const;
    // raEof outside the rows.
    TRowAttribute RowAttributeAt(int ARow) const;
    // The row with each tab replaced by the blanks up to its tab stop.
    std::string ExpandedRowText(int ARow) const;
    int ExpandedWidth(std::string_view S) const;
    int RowWidth(int ARow) const;
    int RowToLine(int ARow) const;
    int GetTextLen() const override { return List_->GetTextLen(); }
    TColumnModel ColumnModel() const;
    // The character offset of (ARow, ACol) from the start of its logical
    // line; -1 outside the rows.
    int LineCharIndex(int ARow, int ACol) const;
    // The row and byte index of the character under viewport point P;
    // false (both -1) when no character of a row lies there.
    virtual bool PosToRowCol(QPoint P, int& ARow, int& Index) const;

    // ---- Selection ---------------------------------------------------------------
    // sstSelecting: anchored, nothing shown yet. sstSelected: shown and
    // selected. sstHitSelected: a search hit, shown as HitStyle says but
    // never copied, cut, measured or replaced.
    TEditorSelectionState SelectionState() const { return SelectionState_; }
    bool Selected() const { return SelectionState_ == TEditorSelectionState::sstSelected; }
    TEditorSelectionMode SelectionMode() const override { return SelectionMode_; }
    // Ignored while a selection is dragged.
    void SetSelectionMode(TEditorSelectionMode Value) override;
    const TSelectionRange& SelectionRange() const { return SelRange_; }
    const TSelectionAnchor& SelectionAnchor() const { return Anchor_; }
    // Anchors a selection at the caret (a shown one is dropped first).
    void StartSelection();
    // Shows the anchored selection up to the caret.
    void EndSelection();
    // After each caret move that extends the selection: shows it, or
    // follows the caret with it.
    void SelectionChanged();
    // The ranges from the anchor to the caret, repainting what changed.
    void UpdateSelection();
    // Removes the selected text.
    void DeleteSelection();
    // True when (ARow, ACol) lies inside the selection (sstSelected only).
    bool IsInSelection(int ARow, int ACol) const;
    // Character positions (a raCrlf row counts its length + 2): the start
    // of the shown selection, else the caret's.
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const override;
    // Selects Value positions from the selection's start, or the caret;
    // box mode is switched off first.
    void SetSelLength(int Value);
    std::string SelText() const;
    // Replaces the selection, or inserts at the caret (not when ReadOnly).
    void SetSelText(std::string_view Value);
    // Selects a search hit of Value bytes at the caret, shown as HitStyle
    // says.
    int HitSelLength() const { return HitLength_; }
    void SetHitSelLength(int Value);
    // A hit selection becomes a normal one; with hsCaret the caret first
    // goes to the hit's end.
    void CommitHitSelection();
    // Whole rows from the left bar: a click selects ARow with its line
    // break, moving with the button held extends the selection.
    void SelectRows(int ARow);
    void ExtendRowSelection(int ARow);
    // A selection may be dragged to another place: not ReadOnly, a line
    // selection, Caret.SelMove.
    bool CanSelMove() const;
    // Copy or move the selected text to (ARow, ACol); a place inside the
    // selection only drops it.
    virtual void CopySelectionTo(int ARow, int ACol);
    void MoveSelectionTo(int ARow, int ACol);

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
    int UndoListMax() const { return List_->UndoObj()->UndoListMax(); }
    // Never below 64.
    void SetUndoListMax(int Value) { List_->UndoObj()->SetUndoListMax(Value); }

    // ---- Clipboard ------------------------------------------------------------------
    // Plain text; a box selection also as "TEditor Box Type".
    void CopyToClipboard() override;
    void CutToClipboard() override;
    // A box copied as a box pastes as a box; other text at the caret.
    // Text from other programs comes with CR LF line ends, and a character
    // Shift-JIS cannot hold as "?", reported by OnUnmappedCharacters.
    void PasteFromClipboard() override;
    void PasteBoxFromClipboard() override;

    // ---- Editing (each command is one undo step) ----------------------------------
    // Typed text at the caret or in place of the selection, honouring
    // OverWrite. Its callers refuse it while ReadOnly.
    void InsertString(std::string_view S);
    // Pasted or dropped text at the caret or in place of the selection.
    void InsertText(std::string_view Text);
    // The lines of Text as a box at the caret column.
    void PasteBox(const std::string& Text);
    void ClearSelection() override;
    void SelectAll() override;
    // The selected lines one column (or one tab) further in or out.
    void IndentSelection();
    void UnIndentSelection();
    void TabIndentSelection();
    void TabUnIndentSelection();
    void DeleteRow(int ARow);
    void Clear();

    // ---- Tokens under a point (viewport) or the caret --------------------------------
    // The token and its kind under P: with UseFountain the active
    // fountain's (KeepState keeps a bracket region from the rows above),
    // else the plain word scanner's. False, Text empty and Kind 0 when no
    // character lies there.
    virtual bool GetTokenAtPos(QPoint P, bool UseFountain, std::string& Text, bool KeepState, int& Kind);
    virtual void SelectTokenAtPos(QPoint P, bool UseFountain, bool KeepState);
    void SelectRegionAt(QPoint P) { SelectTokenAtPos(P, true, true); }
    void SelectRegionAtCaret() { SelectRegionAt(CaretPoint()); }
    void SelectTokenAt(QPoint P) { SelectTokenAtPos(P, true, false); }
    void SelectTokenAtCaret() { SelectTokenAt(CaretPoint()); }
    void SelectWordAt(QPoint P) { SelectTokenAtPos(P, false, false); }
    int TokenKindAt(QPoint P);
    int TokenKindAtCaret() { return TokenKindAt(CaretPoint()); }
    std::string RegionTextAt(QPoint P);
    std::string RegionTextAtCaret() { return RegionTextAt(CaretPoint()); }

    // ---- Plain search ------------------------------------------------------------------
    // Selects the next (esDown) or previous hit of Pattern from the
    // selection or the caret and scrolls it into view; false when none.
    virtual bool Search(std::string_view Pattern, TEditorSearchOptions Options);

    // ---- The edit-control messages -------------------------------------------------------
    // Positions are full values; only Perform packs two into one result,
    // and gives -1 when they do not fit.
    void GetSel(int& Start, int& End) const;
    // (0, -1) selects all; Start -1 drops the selection.
    void SetSel(int Start, int End);
    // Brings an off-screen caret a third into the view.
    void ScrollCaret();
    // ARow -1 is the caret row.
    int LineIndex(int ARow) const;
    // Pos -1: the caret row's length, or with a selection the characters
    // of its rows outside it.
    int LineLength(int Pos) const;
    // Pos -1: the caret row, or the selection's start row.
    int LineFromChar(int Pos) const;
    std::string GetLine(int ARow, int MaxBytes) const;
    // The viewport point of the character at Pos.
    QPoint PosFromChar(int Pos) const;
    // The position of the character nearest viewport point P, and its row;
    // -1 outside the viewport.
    int CharFromPos(QPoint P, int* ARow = nullptr) const;
    // Refused while ReadOnly.
    void ReplaceSel(std::string_view Text);
    std::string GetText() const { return List_->GetTextStr(); }
    // The whole text into Text, reusing its storage.
    void GetTextInto(std::string& Text) const { List_->GetTextInto(Text); }
    void SetText(std::string_view Text);
    // Scroll-bar requests by the SB_ codes; Pos for SB_THUMBPOSITION and
    // SB_THUMBTRACK.
    void VScroll(int Code, int Pos = 0);
    void HScroll(int Code, int Pos = 0);
    // The messages that carry integers only (Messages.h): WM_VSCROLL and
    // WM_HSCROLL, the clipboard's WM_ messages, WM_GETTEXTLENGTH and the EM_
    // messages but EM_GETLINE and EM_REPLACESEL. EM_GETSEL stores its full
    // values through WParam and LParam when they are not 0.
    intptr_t Perform(uint32_t Msg, intptr_t WParam = 0, intptr_t LParam = 0);

    // ---- Input method ------------------------------------------------------------------
    // The text being composed, shown as if inserted at the caret (the text
    // after it moves aside and wraps) with the input method's looks and
    // cursor; never part of the text.
    const QString& Preedit() const { return Preedit_; }
    QVariant inputMethodQuery(Qt::InputMethodQuery Query) const override;

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
    // whole width, repainted with the next paint.
    void RepaintRows(int Row1, int Row2);
    // The left-bar cells of rows Row1 .. Row2, repainted with the next paint.
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
    // Keys the editor's owner sees first: every key with a code, then each
    // byte of the characters it types (none while Ctrl, Alt or Meta is
    // held).
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    // A press and release of the left button; a double click instead of
    // the second press.
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    // The editor gained or lost the keyboard focus; its size changed.
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TNotifyEvent OnResize;
    // One notch of the wheel (+1 away from the user, -1 towards), in place
    // of the editor's own scrolling when set.
    std::function<void(TObject* Sender, int Notch)> OnMouseWheel;
    // The pointer moved over the viewport with no button held (P in the
    // viewport), after the editor chose its cursor; the owner may show
    // another, and RestoreAreaCursor gives the editor's back.
    std::function<void(TObject* Sender, QPoint P)> OnMouseMove;
    // The cursor of what lies under the pointer, as the editor last chose it.
    void RestoreAreaCursor();
    // Text pasted, committed by the input method or typed held Count
    // characters that Shift-JIS cannot hold; each became "?". Once per
    // action; without a handler the editor says so in a message box.
    std::function<void(TObject* Sender, int Count)> OnUnmappedCharacters;

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
    friend struct Construction;
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
    virtual void DoDrawLine(const QRect& Rect, int X, TEditorSelectionState Selected, int ARow, std::string_view Text,
                            int Y);
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
    // Rebuilds the ruler's pictures for its options, colours and font.
    void UpdateBars();
    // The caret's mark on the ruler: ShowRulerMark marks column ACol,
    // HideRulerMark takes the mark off it; each repaints that one cell.
    void ShowRulerMark(int ACol);
    void HideRulerMark(int ACol);
    // The left bar went from OldWidth to NewWidth pixels: what lies right
    // of the image bar moves sideways by the difference, and the bar is
    // repainted.
    void ScrollColumns(int OldWidth, int NewWidth);

    // The row painters of the paint pass, for list row ARow whose display
    // text is Text: Rect is the part to paint, X the x of the text's
    // column 0 and Y the row's top. PaintRow paints it unselected,
    // PaintRowSelected in the selection's colours, and
    // PaintRowWithSelection cuts it where the selection begins and ends
    // and paints each piece with one of the two.
    void PaintRow(const QRect& Rect, int X, TFountainParser* Parser, int ARow, std::string_view Text, int Y);
    void PaintRowSelected(const QRect& Rect, int X, TFountainParser* Parser, int ARow, std::string_view Text, int Y);
    void PaintRowWithSelection(const QRect& Rect, int X, TFountainParser* Parser, int ARow, std::string_view Text,
                               int Y);

    // What painting shares with an editor that draws over its rows.
    // The columns the view shows, [first, last).
    std::pair<int, int> ViewColumns() const;
    // The row's display text: the row itself, or Buffer holding it with
    // its tabs expanded to blanks.
    std::string_view DisplayText(int ARow, std::string& Buffer) const;
    // Sets the parts of a row plan's input that come from row ARow: Text
    // (its display text), its attribute, whether it is the last row, the
    // next row's display text (in NextBuffer) for a token running on past
    // a wrap, and its stored colouring state.
    void FillRowInput(int ARow, std::string_view Text, std::string& NextBuffer, TRowPlanInput& Input) const;
    // A mark's colour; the font's when the mark has none.
    TColor MarkColor(const TEditorMark& Mark) const;
    // clNone in an editor colour means the editor's own: its font colour in
    // front, its Color behind.
    TColor ForegroundOf(TColor Value) const { return Value == clNone ? Font_->Color() : Value; }
    TColor BackgroundOf(TColor Value) const { return Value == clNone ? Color_ : Value; }
    // "[EOF]" from (X, Y) in the end-of-file mark's colour, over the
    // editor's colour when Opaque.
    void DrawEofText(int X, int Y, bool Opaque);

    void Notification(TComponent* AComponent, TOperation Operation) override;

    bool event(QEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;
    void timerEvent(QTimerEvent* Event) override;
    void scrollContentsBy(int DX, int DY) override;
    void contextMenuEvent(QContextMenuEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void keyReleaseEvent(QKeyEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void wheelEvent(QWheelEvent* Event) override;
    void inputMethodEvent(QInputMethodEvent* Event) override;

private:
    struct TMetrics {
        int FontHeight = 1;
        int CharWidth = 1;
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

    // Recomputes the list's colouring states and lets the idle work
    // compute the rest.
    void RescanRowStates();

    // The option objects' change events go to ViewChanged.
    template <class T>
    std::unique_ptr<T> Hooked(std::unique_ptr<T> Option);
    void FontChanged();
    // Recomputes the visible columns alone, from the viewport's width.
    void UpdateVisibleCols();
    void UpdateScrollBars();
    void UpdateScrollBarPolicy();
    void SyncScrollBar(QScrollBar* Bar, int Maximum, int Page, int Value);
    // A scroll bar's action as the SB_ code it stands for.
    void ScrollBarAction(QScrollBar* Bar, int Action);
    void UpdateBlink();
    void ListenToFountain(TFountain* Fountain, bool Listen);
    void FountainChanged(TObject* Sender);
    // Leaves the row list (it goes with its last editor).
    void LeaveList();
    // The column of Col on ARow moved left off a trail byte and, unless
    // Caret.InTab, out of tab fill.
    int ColOffTrail(int ARow, int ACol) const;
    // ARow within the rows a caret may stand on: up to the last row of a
    // text without a final line break, else the row after the last.
    int ClampCaretRow(int ARow) const;
    TRowColors RowColors() const;
    // The selected cells of ARow, [Start, End); empty when none.
    std::pair<int, int> SelectedCells(int ARow) const;
    // Shown: sstSelected or sstHitSelected; painted: shown in colours
    // (a hit only with hsDraw).
    bool SelectionShown() const;
    bool SelectionPainted() const;
    // A search hit shown as a caret as wide as the hit (hsCaret).
    bool HitShownAsCaret() const;
    void RepaintSelectionChange(const TSelectionRange& Old, const TSelectionRange& New);

    // ---- Editing ----
    // The part of every text command that is the same: the caret and the
    // underline stay hidden, a shown selection is dropped (Change sees it
    // when it was selected), and the caret goes where Change leaves it.
    using TChange = std::function<std::optional<TCaretPos>(const TEditPlace& Place)>;
    void RunEdit(const TChange& Change);
    void Indent(TIndentKind Kind);
    // Tells of Count characters that became "?" (OnUnmappedCharacters, or
    // a message box); nothing for 0.
    void ReportUnmapped(int Count);
    void InvalidateImagebar();
    // The cell under viewport point P; Round takes the nearer column
    // boundary, as a click places the caret.
    TCaretPos PointToCell(QPoint P, bool Round) const;
    std::optional<TTokenInfo> TokenAtPoint(QPoint P, bool UseFountain, bool KeepState);

    // ---- Keys ----
    void KeyPressed(QKeyEvent& Event);
    // The item of the context menu whose shortcut the key Code is, if any.
    QAction* PopupShortcut(const TKeyCode& Code) const;
    // The editor's own keys (cursor keys and Delete).
    void EditorKeyDown(uint16_t Key, TShiftState Shift);
    void CursorKey(uint16_t Key, bool Shift, bool Ctrl);
    void DeleteKey();
    // The characters Event types, one by one through OnKeyPress.
    void TypeCharacters(const QKeyEvent& Event, TShiftState Shift);
    // One typed character (Backspace, Tab and Enter included).
    void EditorChar(std::string_view Bytes, TShiftState Shift);
    void BackSpaceChar();
    void TabChar();
    void ReturnChar(bool Shift);
    // Moves the input method's window to the caret, or marks it to follow
    // when the key stops repeating.
    void UpdateImePosition();

    // ---- Mouse ----
    enum class TDragState : uint8_t { None, Pending, Dragging };
    // The mouse cursors by what lies under the pointer (Caret.Cursors).
    enum class TCursorKind : uint8_t { Default, LeftMargin, TopMargin, InSel, DragSel, DragSelCopy };
    void MousePressed(const QMouseEvent& Event);
    void MouseMoved(const QMouseEvent& Event);
    void MouseReleased(const QMouseEvent& Event);
    // The left button is held or a selection is being dragged: characters,
    // other buttons, double clicks and the wheel are ignored.
    bool MouseBusy() const { return LeftButtonDown_ || DragState_ != TDragState::None; }
    // The pointer has moved half a column from where the button went down.
    bool PastDragThreshold(QPoint P) const;
    void StartSelDrag(bool Copy);
    void EndSelDrag(QPoint P, bool Copy);
    void CancelSelDrag();
    void SetCursorKind(TCursorKind Kind);

    // ---- Input method ----
    void InputMethod(const QInputMethodEvent& Event);
    // Takes the preedit, its looks and cursor from Event (EditorPreedit.cpp).
    void SetPreedit(const QInputMethodEvent& Event);
    void ClearPreedit();
    // Lays the preedit out for screen rows up to LastRow.
    void LayOutPreedit(int LastRow);
    // The preedit cursor's cell in the viewport; empty when hidden.
    QRect PreeditCursorRect() const;
    void ScrollToPreeditCursor();
    // The list row a screen row shows (-1 for a row the preedit added).
    int ListRowAt(int ScreenRow) const { return PreeditLayout_.ListRow(ScreenRow); }
    // Plans row I of the composed rows; returns its display text.
    const std::string& PlanComposedRow(int I, TRowPlanInput& Input, TRowPlan& Plan);
    // The left bar's numbers of screen rows FirstRow .. LastRow.
    void ShownLeftbarNumbers(int FirstRow, int LastRow);
    // The caret's logical line, its first row, and the caret's byte offset
    // in it.
    struct TCaretLine {
        std::string Text;
        int FirstRow = 0;
        int CaretOffset = 0;
    };
    TCaretLine CaretLine() const;
    // Inserts Commit in place of the characters [caret + Start, + Length)
    // of the caret's logical line (UTF-16 offsets).
    void ReplaceAroundCaret(const std::string& Commit, int Start, int Length);
    // The parts of a row plan's input that are the same on every row of a
    // paint pass.
    TRowPlanInput PassPlanInput(int FirstCol, int LastCol, TFountainParser* Parser) const;
    // Plans row ARow with Input, setting its row's parts and selected
    // cells; returns the row's display text.
    std::string_view PlanRow(int ARow, TRowPlanInput& Input, TRowPlan& Plan);
    void PaintTextRows(const QRect& Rect, int FirstRow, int LastRow, int RowTop);
    // Paints a piece of a list row with its selection state Selected
    // (sstNone: unselected).
    void PaintRowPiece(const QRect& Rect, int X, TFountainParser* Parser, int ARow, std::string_view Text, int Y,
                       TEditorSelectionState Selected);
    // Draws RowPlan_, planned for the row whose display text is Text, in
    // Rect; its end mark is drawn apart.
    void DrawPlannedRow(const QRect& Rect, int X, std::string_view Text, int Y);
    void DrawMark(const TRowPlan& Plan, int X, int Y);
    void DrawMarkLines(TColor Color, std::initializer_list<QPoint> Points);
    TColor SelectionForeground() const;
    QRect RowRect(int ARow) const;
    void DrawRetArrow(int X, int Y, TColor Color);
    void DrawChevron(int X, int Y, TColor Color, bool PointsLeft);
    // The two pixel columns at the left bar's right, Height high: a raised
    // edge, or a line in the bar's text colour between the bar and the
    // text.
    QImage CreateLeftbarEdge(int Height) const;
    void DrawLeftbarEdge(int Top, int Bottom);
    TRulerLook RulerLook() const;
    // The ruler cell of column ACol, where its mark goes; empty when the
    // column is out of view.
    QRect RulerMarkRect(int ACol) const;
    // The ruler's mark follows the caret's column.
    void MoveRulerMark();
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
    std::unique_ptr<TPopupShortcuts> PopupShortcuts_;

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
    // Computes the colouring states below the view while the program is idle.
    QBasicTimer StatesAheadTimer_;
    int UnderlineUpdateCount_ = 0;
    // The column whose ruler cell was last repainted with the mark.
    int RulerMarkCol_ = 0;
    bool SyncingScrollBars_ = false;

    TEditorSelectionState SelectionState_ = TEditorSelectionState::sstNone;
    TEditorSelectionMode SelectionMode_ = TEditorSelectionMode::smLine;
    TSelectionAnchor Anchor_;
    TSelectionRange SelRange_;
    // Set while a search hit is selected: the selection becomes a hit.
    bool HitFlag_ = false;
    int HitLength_ = 0;
    // A row selection from the left bar: its first row, the row the
    // pointer is on, and whether the first row is a last row without a
    // line break.
    bool RowSelecting_ = false;
    int RowSelFirst_ = 0;
    int RowSelCurrent_ = 0;
    bool RowSelEof_ = false;

    bool LeftButtonDown_ = false;
    // A press of the left button waits for its release to be a click.
    bool ClickPending_ = false;
    QPoint MouseDownPoint_;
    TDragState DragState_ = TDragState::None;
    TCursorKind CursorKind_ = TCursorKind::Default;
    // Wheel turns not yet scrolled, in eighths of a degree.
    int WheelDelta_ = 0;

    bool KeyRepeating_ = false;
    bool ImePositionPending_ = false;
    QString Preedit_;
    TComposition Composition_;
    TPreeditLayout PreeditLayout_;
    // The view as composing found it, given back when it is cancelled.
    std::optional<std::pair<int, int>> PreeditView_;

    TCanvas* Canvas_ = nullptr;
    // Reused by every row of a paint pass.
    std::string RowTextBuffer_;
    std::string NextTextBuffer_;
    std::string PlanScratch_;
    TRowPlan RowPlan_;
    std::vector<int> LeftbarNumbers_;
};

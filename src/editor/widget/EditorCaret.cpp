// The editor's caret: where it stands (the column rule that keeps it off
// trail bytes and tab fill), its shape, keeping it in view, and showing it.
// There is no system caret: the caret is a rectangle that the paint pass
// draws, blinking on a timer.
#include "EditorBase.h"

#include "ExceptionHandler.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QStyleHints>
#include <QTimerEvent>
#include <algorithm>
#include <chrono>

namespace {

// The widest the caret's column may be: 1000, or 1001 right after a
// double-byte character whose first byte is the 1000th.
int CapColumn(int Col, const std::string& Attributes)
{
    if (Col <= PaintColumnLimit)
        return Col;
    return Attributes.size() > PaintColumnLimit - 1 && Attributes[PaintColumnLimit - 1] == ca::Lead
               ? PaintColumnLimit + 1
               : PaintColumnLimit;
}

// A menu that opens, from the menu bar or as a popup, only borrows the keys:
// the editor stays the one the user works in, so its owner hears neither
// an exit nor an enter, and the menu's states see the editor as it was.
bool MenuTookKeys(const QFocusEvent& Event)
{
    return Event.reason() == Qt::PopupFocusReason || Event.reason() == Qt::MenuBarFocusReason;
}

} // namespace

// ---- Where the caret stands ---------------------------------------------------------------

void TEditor::AdjustCol(bool Vertical, int Step)
{
    std::string attributes;
    ExpandTabs(RowText(Row_), ColumnModel(), attributes);
    const int width = static_cast<int>(attributes.size());
    const auto at = [&](int C) { return C >= 0 && C < width ? attributes[static_cast<size_t>(C)] : ca::End; };
    const auto remember = [&] {
        if (Caret_->KeepCaret() && !KeepColValid_) {
            KeepCol_ = Col_;
            KeepColValid_ = true;
        }
    };
    if (!Vertical)
        KeepColValid_ = false;
    else if (KeepColValid_)
        Col_ = KeepCol_;

    if (!Caret_->FreeCaret() && Col_ > width) {
        remember();
        if (!(Caret_->FreeRow() && Vertical))
            Col_ = width;
    }
    if (at(Col_) == ca::Trail) {
        remember();
        Col_ += Step;
    }
    if (!Caret_->InTab())
        while (at(Col_) == ca::TabFill) {
            remember();
            Col_ += Step;
        }
    if (WordWrap() && Col_ >= width) {
        remember();
        const int wrapByte = WrapOption()->WrapByte();
        if (RowAttributeAt(Row_) == TRowAttribute::raWrapped)
            Col_ = std::max(0, width - 1);
        else if (Col_ >= wrapByte)
            Col_ = std::max(width, wrapByte - 1);
        if (at(Col_) == ca::Trail)
            --Col_;
        if (!Caret_->InTab())
            while (Col_ > 0 && at(Col_) == ca::TabFill)
                --Col_;
    }
    Col_ = CapColumn(std::max(0, Col_), attributes);
    if (!CaretUpdateSuppressed_)
        UpdateCaret();
}

int TEditor::ColOffTrail(int ARow, int ACol) const
{
    const std::string attributes = ExpandTabs(RowText(ARow), ColumnModel());
    const auto at = [&](int C) {
        return C >= 0 && C < static_cast<int>(attributes.size()) ? attributes[static_cast<size_t>(C)] : ca::End;
    };
    if (at(ACol) == ca::Trail)
        --ACol;
    if (!Caret_->InTab())
        while (ACol > 0 && at(ACol) == ca::TabFill)
            --ACol;
    return ACol;
}

int TEditor::ClampCaretRow(int ARow) const { return std::clamp(ARow, 0, MaxCaretRow(*List_)); }

void TEditor::SetRow(int Value)
{
    if (Value == Row_ && Value != RowCount())
        return;
    UnderlineBeginUpdate();
    Row_ = ClampCaretRow(Value);
    AdjustCol(true, -1);
    UnderlineEndUpdate();
}

void TEditor::SetCol(int Value)
{
    Value = std::clamp(Value, 0, PaintColumnLimit + 1);
    const int old = Col_;
    Col_ = Value;
    AdjustCol(false, Value > old ? 1 : -1);
    MoveRulerMark();
}

void TEditor::SetRowCol(int ARow, int ACol)
{
    if (ARow == Row_ && ACol == Col_)
        return;
    const bool suppressed = CaretUpdateSuppressed_;
    CaretUpdateSuppressed_ = true;
    SetRow(ARow);
    SetCol(ColOffTrail(Row_, ACol));
    CaretUpdateSuppressed_ = suppressed;
    if (!suppressed)
        UpdateCaret();
}

void TEditor::PutCaretAfterText(int ARow, int Length)
{
    int row = 0;
    int col = 0;
    List_->RowColAfterText(ARow, Length, row, col);
    SetRowCol(row, col);
}

// ---- Keeping it in view --------------------------------------------------------------------------

void TEditor::ScrollToCaret()
{
    const int rows = VisibleRows();
    if (Row_ < TopRow_)
        SetTopRow(Row_);
    else if (Row_ > TopRow_ + rows - 1)
        SetTopRow(Row_ - (rows - 1));
    const int cols = VisibleCols();
    if (Col_ < TopCol_)
        SetTopCol(std::max(0, std::min(Col_, TopCol_ - cols / 4)));
    else if (Col_ > TopCol_ + cols - 1)
        // The view jumps by a quarter of its width.
        SetTopCol(std::max(0, std::min(std::max(Col_ - (cols - 1), TopCol_ + cols / 4), MaxCol() - cols / 2)));
}

bool TEditor::IsCaretOutOfView() const
{
    return Row_ < TopRow_ || Row_ > TopRow_ + VisibleRows() || Col_ < TopCol_ || Col_ > TopCol_ + VisibleCols();
}

// ---- Shape and place -------------------------------------------------------------------------------

void TEditor::InitCaret()
{
    if (!hasFocus())
        return;
    HideCaret();
    CaretCreated_ = true;
    if (HitShownAsCaret()) {
        // As wide as the hit's part on its first row.
        const int cols = SelRange_.StartRow == SelRange_.EndRow ? SelRange_.EndCol - SelRange_.StartCol
                                                                : RowWidth(SelRange_.StartRow) - SelRange_.StartCol;
        CaretRect_.setSize({std::max(2, cols * ColWidth()), FontHeight()});
        return;
    }
    const std::string attributes = ExpandTabs(RowText(Row_), ColumnModel());
    const bool onLead = Col_ < static_cast<int>(attributes.size()) && attributes[static_cast<size_t>(Col_)] == ca::Lead;
    const int cellWidth = CharWidth() * (onLead ? 2 : 1);
    if (OverWrite_)
        CaretRect_.setSize({cellWidth, FontHeight()});
    else if (Caret_->Style() == TEditorCaretStyle::csBrief)
        CaretRect_.setSize({cellWidth, 2});
    else
        CaretRect_.setSize({2, FontHeight()});
}

QPoint TEditor::CaretPoint() const
{
    int y = TextTop() + (Row_ - TopRow_) * RowHeight();
    if (!OverWrite_ && !HitShownAsCaret() && Caret_->Style() == TEditorCaretStyle::csBrief)
        y += FontHeight() - 2;
    return {TextLeft() + (Col_ - TopCol_) * ColWidth(), y};
}

void TEditor::SetCaretPosition()
{
    PlaceCaret();
    DoCaretMoved();
}

void TEditor::PlaceCaret()
{
    const QRect old = CaretRect_;
    CaretRect_.moveTopLeft(CaretPoint());
    if (CaretShown_ && old != CaretRect_) {
        viewport()->update(old);
        viewport()->update(CaretRect_);
    }
    MoveRulerMark();
    if (!Preedit_.isEmpty())
        viewport()->update();
    UpdateImePosition();
}

void TEditor::UpdateCaret()
{
    InitCaret();
    ScrollToCaret();
    SetCaretPosition();
    ShowCaret();
}

// ---- Showing it --------------------------------------------------------------------------------------

void TEditor::HideCaret()
{
    if (!CaretShown_)
        return;
    CaretShown_ = false;
    viewport()->update(CaretRect_);
}

void TEditor::ShowCaret()
{
    if (CaretUpdateCount_ > 0 || CaretShown_ || !CaretCreated_ || IsCaretOutOfView())
        return;
    CaretShown_ = true;
    CaretBlinkOn_ = true;
    UpdateBlink();
    viewport()->update(CaretRect_);
}

void TEditor::CaretBeginUpdate()
{
    if (++CaretUpdateCount_ == 1)
        HideCaret();
}

void TEditor::CaretEndUpdate()
{
    if (CaretUpdateCount_ == 0)
        return;
    if (--CaretUpdateCount_ == 0)
        ShowCaret();
}

void TEditor::UpdateBlink()
{
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (CaretCreated_ && flash > 0)
        BlinkTimer_.start(flash / 2, this);
    else
        BlinkTimer_.stop();
}

void TEditor::timerEvent(QTimerEvent* Event)
{
    if (Event->timerId() == StatesAheadTimer_.timerId()) {
        // Slices short enough that a key pressed meanwhile never waits.
        static constexpr std::chrono::milliseconds Slice{3};
        CatchExceptions([this] {
            if (!List_->ComputeRowStatesAhead(Slice))
                StatesAheadTimer_.stop();
        });
        return;
    }
    if (Event->timerId() != BlinkTimer_.timerId()) {
        QAbstractScrollArea::timerEvent(Event);
        return;
    }
    CaretBlinkOn_ = !CaretBlinkOn_;
    if (CaretShown_)
        viewport()->update(CaretRect_);
}

void TEditor::focusInEvent(QFocusEvent* Event)
{
    QAbstractScrollArea::focusInEvent(Event);
    CatchExceptions([&] {
        InitCaret();
        SetCaretPosition();
        ShowCaret();
        if (OnEnter && !MenuTookKeys(*Event))
            OnEnter(this);
    });
}

void TEditor::focusOutEvent(QFocusEvent* Event)
{
    QAbstractScrollArea::focusOutEvent(Event);
    CatchExceptions([&] {
        HideCaret();
        CaretCreated_ = false;
        BlinkTimer_.stop();
        // A button released in another window never comes back here.
        LeftButtonDown_ = false;
        RowSelecting_ = false;
        if (DragState_ != TDragState::None)
            CancelSelDrag();
        if (OnExit && !MenuTookKeys(*Event))
            OnExit(this);
    });
}

// ---- The caret-row underline -------------------------------------------------------------------------

void TEditor::UnderlineBeginUpdate()
{
    if (++UnderlineUpdateCount_ == 1 && Marks_->Underline()->Visible() && !SelectionPainted())
        HideUnderline(Row_);
}

void TEditor::UnderlineEndUpdate()
{
    if (UnderlineUpdateCount_ == 0)
        return;
    if (--UnderlineUpdateCount_ == 0 && Marks_->Underline()->Visible() && !SelectionPainted())
        ShowUnderline(Row_);
}

int TEditor::UnderlinePos(int ARow) const
{
    const int y = (ARow - TopRow_) * RowHeight() + TextTop() + FontHeight();
    return TextTop() < y && y <= viewport()->height() ? y : -1;
}

// The underline is drawn by the paint pass while the count is 0; showing
// and hiding it repaint its pixel row.
void TEditor::InvalidateUnderline(int ARow)
{
    const int y = UnderlinePos(ARow);
    if (y >= 0)
        viewport()->update(TextLeft(), y, viewport()->width() - TextLeft(), 1);
}

void TEditor::ShowUnderline(int ARow) { InvalidateUnderline(ARow); }

void TEditor::HideUnderline(int ARow) { InvalidateUnderline(ARow); }

// The mouse on the viewport: a click places the caret and anchors a
// selection that moving with the button held extends (once the pointer has
// moved half a column); Shift+click extends from the anchor; a click left
// of the text selects whole rows; a press inside a selection may drag it,
// to be moved, or copied with Ctrl, where the button is released. The
// pointer takes a cursor by what lies under it.
#include "EditorBase.h"

#include "ExceptionHandler.h"
#include "Messages.h"
#include "Screen.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <cstdlib>

namespace {

// Rows one wheel notch scrolls, and the notch in eighths of a degree.
constexpr int WheelRows = 3;
constexpr int WheelNotch = 120;

} // namespace

void TEditor::mousePressEvent(QMouseEvent* Event)
{
    CatchExceptions([&] { MousePressed(*Event); });
}

void TEditor::mouseMoveEvent(QMouseEvent* Event)
{
    CatchExceptions([&] { MouseMoved(*Event); });
}

void TEditor::mouseReleaseEvent(QMouseEvent* Event)
{
    CatchExceptions([&] { MouseReleased(*Event); });
}

void TEditor::mouseDoubleClickEvent(QMouseEvent* Event)
{
    // It comes in place of the second press, which places nothing.
    CatchExceptions([&] {
        if (MouseBusy() || Event->button() != Qt::LeftButton)
            return;
        ClickPending_ = false;
        if (OnDblClick)
            OnDblClick(this);
    });
}

void TEditor::wheelEvent(QWheelEvent* Event)
{
    CatchExceptions([&] {
        if (MouseBusy())
            return;
        // Touchpads send many small deltas: they add up to whole notches.
        WheelDelta_ += Event->angleDelta().y();
        const auto notch = [this](int Direction) {
            if (OnMouseWheel)
                OnMouseWheel(this, Direction);
            else
                for (int i = 0; i < WheelRows; ++i)
                    VScroll(Direction > 0 ? SB_LINEUP : SB_LINEDOWN);
        };
        for (; WheelDelta_ >= WheelNotch; WheelDelta_ -= WheelNotch)
            notch(1);
        for (; WheelDelta_ <= -WheelNotch; WheelDelta_ += WheelNotch)
            notch(-1);
    });
}

void TEditor::MousePressed(const QMouseEvent& Event)
{
    if (Event.button() != Qt::LeftButton || MouseBusy())
        return;
    const QPoint p = Event.position().toPoint();
    MouseDownPoint_ = p;
    ClickPending_ = true;
    const TCaretPos cell = PointToCell(p, true);
    if (Event.modifiers() & Qt::ShiftModifier) {
        LeftButtonDown_ = true;
        if (!Selected())
            StartSelection();
        SetRowCol(cell.Row, cell.Col);
        SelectionChanged();
        return;
    }
    const TCaretPos under = PointToCell(p, false);
    if (CanSelMove() && p.x() >= TextLeft() && IsInSelection(under.Row, under.Col)) {
        SetRowCol(cell.Row, cell.Col);
        // An automatic drag waits for the pointer to move; the button then
        // counts as released.
        if (Caret_->SelDragMode() == TDragMode::dmAutomatic)
            DragState_ = TDragState::Pending;
        else
            LeftButtonDown_ = true;
        return;
    }
    LeftButtonDown_ = true;
    if (p.x() < TextLeft() && Caret_->RowSelect()) {
        SelectRows(cell.Row);
        return;
    }
    CaretBeginUpdate();
    SetRowCol(cell.Row, cell.Col);
    StartSelection();
    CaretEndUpdate();
}

bool TEditor::PastDragThreshold(QPoint P) const
{
    const int threshold = ColWidth() / 2;
    return std::abs(P.x() - MouseDownPoint_.x()) >= threshold || std::abs(P.y() - MouseDownPoint_.y()) >= threshold;
}

void TEditor::MouseMoved(const QMouseEvent& Event)
{
    const QPoint p = Event.position().toPoint();
    TCaretPos cell = PointToCell(p, true);
    // Above the text the caret goes up a row, so that dragging there
    // scrolls.
    if (p.y() < TextTop())
        cell.Row = std::max(0, TopRow_ - 1);

    if (DragState_ == TDragState::Pending) {
        if (!PastDragThreshold(p))
            return;
        StartSelDrag(Event.modifiers() & Qt::ControlModifier);
    }
    if (DragState_ == TDragState::Dragging) {
        // The caret marks where the text will go.
        SetRowCol(cell.Row, cell.Col);
        return;
    }
    if (LeftButtonDown_) {
        if (RowSelecting_) {
            ExtendRowSelection(cell.Row);
            return;
        }
        SetRowCol(cell.Row, cell.Col);
        // A click without movement leaves no selection.
        if (Selected())
            UpdateSelection();
        else if (PastDragThreshold(p))
            EndSelection();
        return;
    }
    if (Event.buttons() != Qt::NoButton)
        return;
    const TCaretPos under = PointToCell(p, false);
    if (p.x() < TextLeft())
        SetCursorKind(TCursorKind::LeftMargin);
    else if (p.y() < TextTop())
        SetCursorKind(TCursorKind::TopMargin);
    else if (CanSelMove() && IsInSelection(under.Row, under.Col))
        SetCursorKind(TCursorKind::InSel);
    else
        SetCursorKind(TCursorKind::Default);
    if (OnMouseMove)
        OnMouseMove(this, p);
}

void TEditor::MouseReleased(const QMouseEvent& Event)
{
    if (Event.button() != Qt::LeftButton)
        return;
    const QPoint p = Event.position().toPoint();
    if (DragState_ == TDragState::Dragging)
        EndSelDrag(p, Event.modifiers() & Qt::ControlModifier);
    else if (DragState_ == TDragState::Pending)
        CancelSelDrag();
    RowSelecting_ = false;
    LeftButtonDown_ = false;
    if (ClickPending_) {
        ClickPending_ = false;
        if (OnClick && viewport()->rect().contains(p))
            OnClick(this);
    }
}

// ---- Dragging the selection --------------------------------------------------------------------

void TEditor::StartSelDrag(bool Copy)
{
    DragState_ = TDragState::Dragging;
    SetCursorKind(Copy ? TCursorKind::DragSelCopy : TCursorKind::DragSel);
}

void TEditor::EndSelDrag(QPoint P, bool Copy)
{
    DragState_ = TDragState::None;
    SetCursorKind(TCursorKind::Default);
    if (!viewport()->rect().contains(P) || IsInSelection(Row_, Col_)) {
        CleanSelection();
        return;
    }
    if (Copy)
        CopySelectionTo(Row_, Col_);
    else
        MoveSelectionTo(Row_, Col_);
}

void TEditor::CancelSelDrag()
{
    DragState_ = TDragState::None;
    SetCursorKind(TCursorKind::Default);
    CleanSelection();
}

void TEditor::SetCursorKind(TCursorKind Kind)
{
    if (!Caret_->AutoCursor() || Kind == CursorKind_)
        return;
    CursorKind_ = Kind;
    RestoreAreaCursor();
}

void TEditor::RestoreAreaCursor()
{
    const TEditorCursors& cursors = *Caret_->Cursors();
    TCursor id = cursors.DefaultCursor();
    switch (CursorKind_) {
    case TCursorKind::Default: break;
    case TCursorKind::LeftMargin: id = cursors.LeftMarginCursor(); break;
    case TCursorKind::TopMargin: id = cursors.TopMarginCursor(); break;
    case TCursorKind::InSel: id = cursors.InSelCursor(); break;
    case TCursorKind::DragSel: id = cursors.DragSelCursor(); break;
    case TCursorKind::DragSelCopy: id = cursors.DragSelCopyCursor(); break;
    }
    viewport()->setCursor(Screen().Cursors(id));
}

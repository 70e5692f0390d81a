// What the mouse does to a tool window: a press on its handle, caption or
// empty client area drags it, a press on a floating window's edge resizes
// it, a press on its close button closes it, and a double-click floats a
// docked window or docks a floating one.
#include "CloseButtonSession.h"
#include "DragOutline.h"
#include "DragSession.h"
#include "Monitors.h"
#include "ResizeSession.h"
#include "ToolWindow.h"

#include "ExceptionHandler.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

void TCustomToolWindow::mousePressEvent(QMouseEvent* Event)
{
    CatchExceptions([&] {
        const QPoint at = Event->position().toPoint();
        TellMouseButton(OnMouseDown, this, *Event, at - Client_->pos());
        if (Event->button() == Qt::LeftButton)
            LeftPress(at, Event->globalPosition().toPoint());
    });
}

void TCustomToolWindow::mouseReleaseEvent(QMouseEvent* Event)
{
    CatchExceptions([&] { TellMouseButton(OnMouseUp, this, *Event, Event->position().toPoint() - Client_->pos()); });
}

namespace {

// The pointer over an edge of a floating window shows which way it sizes.
Qt::CursorShape SizingCursor(THitCode Code)
{
    switch (Code) {
    case htLeft:
    case htRight: return Qt::SizeHorCursor;
    case htTop:
    case htBottom: return Qt::SizeVerCursor;
    case htTopLeft:
    case htBottomRight: return Qt::SizeFDiagCursor;
    case htTopRight:
    case htBottomLeft: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
    }
}

} // namespace

void TCustomToolWindow::mouseMoveEvent(QMouseEvent* Event)
{
    CatchExceptions([&] {
        const QPoint at = Event->position().toPoint();
        if (IsDocked())
            unsetCursor();
        else
            setCursor(SizingCursor(HitTestFloatingFrame(at)));
        TellMouseMove(OnMouseMove, this, *Event, at - Client_->pos());
    });
}

void TCustomToolWindow::mouseDoubleClickEvent(QMouseEvent* Event)
{
    CatchExceptions([&] {
        if (Event->button() == Qt::LeftButton)
            DoubleClick();
    });
}

void TCustomToolWindow::keyPressEvent(QKeyEvent* Event)
{
    CatchExceptions([&] {
        // Esc in a floating bar gives the keyboard back to its form.
        if (!IsDocked() && FloatForm() && Event->key() == Qt::Key_Escape && Event->modifiers() == Qt::NoModifier)
            FloatForm()->activateWindow();
        else
            Event->ignore();
    });
}

void TCustomToolWindow::closeEvent(QCloseEvent* Event)
{
    // The window manager's close of a floating bar closes its form.
    Event->ignore();
    CatchExceptions([&] {
        if (!IsDocked() && FloatForm())
            FloatForm()->close();
    });
}

THitCode TCustomToolWindow::HitTestFloatingFrame(QPoint Point) const
{
    const TFrameMargins frame = FrameMarginsFor(nullptr);
    return HitTestFloating(Point.x(), Point.y(), width(), height(),
                           {.Frame = frame.Left,
                            .CaptionHeight = ShowCaption_ ? SmallCaptionHeight : 0,
                            .CloseButton = CloseButton_,
                            .SizableFrame = SizableFrame_,
                            .ResizeAtCorners = ResizeAtCorners_});
}

QRect TCustomToolWindow::CloseButtonRect() const
{
    const TBarRect r = IsDocked() ? DockedCloseButtonRect(FrameOptions(), ClientWidth())
                                  : FloatingCloseButtonRect(FrameOptions(), ClientWidth());
    return {r.Left, r.Top, r.Width, r.Height};
}

void TCustomToolWindow::LeftPress(QPoint Point, QPoint Global)
{
    // A disabled control passes its presses on to the bar; they do not
    // drag it.
    if (QWidget* control = childAt(Point); control && control != Client_)
        return;
    if (IsDocked()) {
        if (!DockedTo_->AllowDrag())
            return;
        if (CloseButtonWhenDocked_ && CloseButtonRect().contains(Point))
            RunCloseButton();
        else
            DragLoop(Point, Global);
        return;
    }
    raise();
    if (ActivateParent_ && FloatingMode_ == TToolWindowFloatingMode::fmOnTopOfParentForm && FloatForm())
        FloatForm()->activateWindow();
    const THitCode code = HitTestFloatingFrame(Point);
    if (code == htClose)
        RunCloseButton();
    else if (const int edge = SizingEdge(code); edge >= 0)
        RunResize(edge, Point, Global);
    else if (code == htClient)
        DragLoop(Point, Global);
}

void TCustomToolWindow::DoubleClick()
{
    if (IsDocked()) {
        if (!DockedTo_->AllowDrag() || DockMode_ != TToolWindowDockMode::dmCanFloat)
            return;
        SetDockedTo(nullptr);
        KeepOnScreen(true);
    } else if (LastDock_) {
        SetDockedTo(LastDock_);
    } else if (DefaultDock_) {
        // In front of every bar of the first row.
        DockRow_ = 0;
        DockPos_ = -8;
        SetDockedTo(DefaultDock_);
    }
}

void TCustomToolWindow::DragLoop(QPoint Point, QPoint Global)
{
    TDragOutline outline;
    const bool ctrl = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
    const QPointer<TCustomToolWindow> alive(this);
    {
        TDragSession session(*this, Point, Global, ctrl, &outline);
        session.Finish(RunMouseLoop(*this, session, TEscKey::Cancels));
    }
    // The drag took the release; the press the handlers saw still gets
    // one, at a point off the bar.
    if (alive && OnMouseUp)
        OnMouseUp(this, TMouseButton::mbLeft, {}, -1, -1);
}

void TCustomToolWindow::RunResize(int Edge, QPoint Point, QPoint Global)
{
    TDragOutline outline;
    TResizeSession session(*this, Edge, Point, Global, &outline);
    session.Finish(RunMouseLoop(*this, session, TEscKey::Cancels));
}

void TCustomToolWindow::RunCloseButton()
{
    TCloseButtonSession session(*this);
    session.Finish(RunMouseLoop(*this, session, TEscKey::Ignored));
}

void TCustomToolWindow::SetClosePressed(bool Pressed)
{
    ClosePressed_ = Pressed;
    if (IsDocked())
        PostDockedFrameRepaint();
    else
        PostFloatingFrameRepaint(fpCloseButton);
}

void TCustomToolWindow::DockAt(TToolDock& Dock, int32_t Row, int32_t Pos)
{
    DockRow_ = Row;
    DockPos_ = Pos;
    if (DockedTo_ != &Dock)
        SetParent(&Dock);
    Dock.LayoutBars(true);
}

void TCustomToolWindow::KeepOnScreen(bool OnlyIfFullyOffscreen)
{
    if (IsDocked() || !isWindow())
        return;
    const QRect bounds = geometry();
    const QRect work = WorkAreaNearest(bounds);
    if (work.isEmpty())
        return;
    const TBarRect kept =
        KeepRectOnScreen({bounds.left(), bounds.top(), bounds.width(), bounds.height()},
                         {work.left(), work.top(), work.width(), work.height()}, OnlyIfFullyOffscreen);
    SetBounds(QRect(kept.Left, kept.Top, kept.Width, kept.Height));
}

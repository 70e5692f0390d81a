#include "DragSession.h"

#include "DragOutline.h"
#include "Monitors.h"
#include "ToolWindow.h"

#include <QGuiApplication>

namespace {

TBarRect ToBarRect(const QRect& R) { return {R.left(), R.top(), R.width(), R.height()}; }

QRect ToQRect(const TBarRect& R) { return {R.Left, R.Top, R.Width, R.Height}; }

QSize WithFrame(QSize Client, const TFrameMargins& Frame) { return Client + QSize(Frame.Width(), Frame.Height()); }

} // namespace

TDragSession::TDragSession(TCustomToolWindow& Bar, QPoint Press, QPoint Global, bool CtrlDown, TDragOutline* Outline)
    : Bar_(Bar), Grip_{Press.x(), Press.y(), Bar.width() - 1, Bar.height() - 1}, CtrlDown_(CtrlDown),
      NoFloat_(Bar.DockMode() != TToolWindowDockMode::dmCanFloat), Outline_(Outline), Cursor_(Global)
{
    if (Bar.DockMode() == TToolWindowDockMode::dmCannotFloatOrChangeDocks) {
        if (Bar.DockedTo())
            AddCandidate(*Bar.DockedTo());
    } else if (QWidget* form = Bar.FormOf()) {
        FindCandidates(*form);
    }
    TToolDock* present = Bar.DockedTo();
    FloatingSize_ = WithFrame(Bar.LayoutControls(false, nullptr), Bar.FrameMarginsFor(nullptr));
    for (TCandidate& candidate : Candidates_)
        candidate.Size = candidate.Dock == present ? Bar.size()
                                                   : WithFrame(Bar.LayoutControls(false, candidate.Dock),
                                                               Bar.FrameMarginsFor(candidate.Dock));
    Recompute();
}

TDragSession::~TDragSession() { SetForbidden(false); }

void TDragSession::FindCandidates(QWidget& Control)
{
    if (!Control.isVisible() || &Control == &Bar_ || Bar_.isAncestorOf(&Control))
        return;
    std::vector<QWidget*> children;
    for (QObject* object : Control.children())
        if (auto* child = qobject_cast<QWidget*>(object); child && !child->isWindow())
            children.push_back(child);
    for (TDockPosition position :
         {TDockPosition::dpTop, TDockPosition::dpBottom, TDockPosition::dpLeft, TDockPosition::dpRight})
        for (QWidget* child : children)
            if (auto* dock = qobject_cast<TToolDock*>(child); dock && dock->Position() == position)
                FindCandidates(*dock);
    for (QWidget* child : children)
        if (!qobject_cast<TToolDock*>(child))
            FindCandidates(*child);
    if (auto* dock = qobject_cast<TToolDock*>(&Control);
        dock && dock->AllowDrag() && Bar_.DockableTo().Contains(dock->Position()))
        AddCandidate(*dock);
}

void TDragSession::AddCandidate(TToolDock& Dock) { Candidates_.push_back({&Dock, {}}); }

std::vector<TToolDock*> TDragSession::Candidates() const
{
    std::vector<TToolDock*> docks;
    for (const TCandidate& candidate : Candidates_)
        docks.push_back(candidate.Dock);
    return docks;
}

void TDragSession::Move(QPoint Global)
{
    Cursor_ = Global;
    Recompute();
}

void TDragSession::SetCtrl(bool Down)
{
    if (Down == CtrlDown_)
        return;
    CtrlDown_ = Down;
    Recompute();
}

void TDragSession::Recompute()
{
    QPoint p = Cursor_;
    DockingTo_ = nullptr;
    QSize size = FloatingSize_;
    for (const TCandidate& candidate : Candidates_) {
        if (CtrlDown_)
            break;
        TToolDock* dock = candidate.Dock;
        if (!dock)
            continue;
        const QRect dockRect(dock->mapToGlobal(QPoint(0, 0)), dock->size());
        const TBarRect outline = PlaceOutline(Grip_, p.x(), p.y(), {candidate.Size.width(), candidate.Size.height()});
        if (!DockCatches(Grip_, p.x(), p.y(), ToBarRect(dockRect), dock->Vertical(), outline))
            continue;
        bool accept = true;
        if (dock->OnRequestDock)
            dock->OnRequestDock(dock, &Bar_, accept);
        if (accept) {
            DockingTo_ = dock;
            size = candidate.Size;
            break;
        }
    }
    if (!DockingTo_) {
        const QRect work = WorkAreaNearest(p);
        p.setX(std::clamp(p.x(), work.left(), std::max(work.left(), work.right())));
        p.setY(std::clamp(p.y(), work.top(), std::max(work.top(), work.bottom())));
    }
    TBarRect outline = PlaceOutline(Grip_, p.x(), p.y(), {size.width(), size.height()});
    const TFrameMargins floatingFrame = Bar_.FrameMarginsFor(nullptr);
    if (!DockingTo_)
        outline = ClampFloatingOutline(outline, ToBarRect(WorkAreaNearest(p)), floatingFrame.Left, floatingFrame.Top);
    const bool forbidden = NoFloat_ && !DockingTo_;
    OutlineRect_ = forbidden ? QRect() : ToQRect(outline);
    SetForbidden(forbidden);
    if (Outline_)
        Outline_->Show(OutlineRect_, DockingTo_ ? 1 : floatingFrame.Left);
}

void TDragSession::SetForbidden(bool Forbidden)
{
    if (Forbidden == Forbidden_)
        return;
    Forbidden_ = Forbidden;
    if (Forbidden)
        QGuiApplication::setOverrideCursor(Qt::ForbiddenCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void TDragSession::Finish(bool Accept)
{
    SetForbidden(false);
    if (Outline_)
        Outline_->Show({}, 0);
    if (!Accept || OutlineRect_.isEmpty())
        return;
    if (DockingTo_)
        DropOnDock(*DockingTo_);
    else
        DropFloating();
}

void TDragSession::DropOnDock(TToolDock& Dock)
{
    const QRect outline(Dock.mapFromGlobal(OutlineRect_.topLeft()) - Dock.ClientOrigin(), OutlineRect_.size());
    const int across = Dock.Vertical() ? (outline.left() + outline.left() + outline.width()) / 2
                                       : (outline.top() + outline.top() + outline.height()) / 2;
    const TRowDrop drop = Dock.RowForDrop(across);
    int32_t row = drop.Row;
    if (drop.Before) {
        Dock.OpenRowAt(row);
    } else if (Bar_.FullSize() && Dock.CountBarsOnRow(row, &Bar_) > 0) {
        ++row;
        Dock.OpenRowAt(row);
    }
    Bar_.DockAt(Dock, row, Dock.Vertical() ? outline.top() : outline.left());
}

void TDragSession::DropFloating()
{
    Bar_.SetFloatPosition(OutlineRect_.topLeft());
    if (Bar_.IsDocked())
        Bar_.SetDockedTo(nullptr);
    else
        Bar_.SetBounds(QRect(OutlineRect_.topLeft(), Bar_.size()));
    Bar_.KeepOnScreen(true);
}

// One drag of a tool window with the mouse: the docks it may go to, the
// outline that follows the pointer (thin over a dock that takes it, as
// thick as a window frame where it would float), and the drop into a row
// of that dock or onto the screen.
#pragma once

#include "DragGeometry.h"
#include "MouseLoop.h"

#include <QPointer>
#include <QRect>
#include <QSize>
#include <vector>

class TCustomToolWindow;
class TDragOutline;
class TToolDock;

class TDragSession : public TMouseSession {
public:
    // Press and Global: where the bar was pressed, in its window
    // coordinates and on the screen; the outline starts there, around the
    // bar where the user sees it. Outline (may be none) shows where it
    // would go.
    TDragSession(TCustomToolWindow& Bar, QPoint Press, QPoint Global, bool CtrlDown, TDragOutline* Outline);
    ~TDragSession() override;

    void Move(QPoint Global) override;
    // Ctrl held: the bar would float even over a dock.
    void SetCtrl(bool Down) override;
    // Docks or floats the bar at the outline when Accept and it may go
    // there; otherwise nothing changes.
    void Finish(bool Accept);

    // The docks the bar may go to, in the order they are tried.
    std::vector<TToolDock*> Candidates() const;
    // The dock the outline is over; none where the bar would float.
    TToolDock* DockingTo() const { return DockingTo_; }
    // The outline in screen coordinates; empty where the bar may not go.
    const QRect& OutlineRect() const { return OutlineRect_; }

private:
    struct TCandidate {
        QPointer<TToolDock> Dock;
        QSize Size; // the bar's window size on that dock
    };
    void FindCandidates(QWidget& Control);
    void AddCandidate(TToolDock& Dock);
    void Recompute();
    void SetForbidden(bool Forbidden);
    void DropOnDock(TToolDock& Dock);
    void DropFloating();

    TCustomToolWindow& Bar_;
    TDragGrip Grip_;
    bool CtrlDown_;
    bool NoFloat_;
    TDragOutline* Outline_;
    std::vector<TCandidate> Candidates_;
    QSize FloatingSize_;
    QPoint Cursor_;
    QPointer<TToolDock> DockingTo_;
    QRect OutlineRect_;
    bool Forbidden_ = false;
};

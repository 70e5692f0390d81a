// One resize of a floating tool window by an edge or a corner: an outline
// follows the pointer, never smaller than the window's frame, taking the
// sizes the window proposes (a toolbar snaps to the sizes it can wrap to);
// the window takes the outline's bounds when the button is released.
#pragma once

#include "MouseLoop.h"

#include <QRect>

class TCustomToolWindow;
class TDragOutline;

class TResizeSession : public TMouseSession {
public:
    // Press and Global: the pointer as the resize starts, in the window's
    // coordinates and on the screen. The window is taken to be where they
    // put it, which is where the user sees it.
    TResizeSession(TCustomToolWindow& Bar, int Edge, QPoint Press, QPoint Global, TDragOutline* Outline);

    void Move(QPoint Global) override;
    void Finish(bool Accept);
    // The bounds the window would take, in screen coordinates.
    const QRect& NewRect() const { return NewRect_; }

private:
    void ShowOutline();

    TCustomToolWindow& Bar_;
    int Edge_;
    QPoint Start_;
    QPoint Last_;
    QRect StartRect_;
    QRect NewRect_;
    TDragOutline* Outline_;
};

// Following the mouse while a button is held: a tool window grabs the mouse
// and the keyboard and runs a nested event loop until the left button is
// released (accepted) or the move is cancelled (Esc, another left press, a
// double-click, the application losing the focus). Other buttons and keys
// are swallowed meanwhile; timers and painting go on. What the pointer does
// is handed to a session object that holds all the logic.
#pragma once

#include <QPoint>

class QWidget;

class TMouseSession {
public:
    virtual ~TMouseSession() = default;
    // The pointer moved to Global (screen coordinates).
    virtual void Move(QPoint Global) = 0;
    // The Ctrl key went down or up.
    virtual void SetCtrl(bool) {}
};

// What Esc does during the loop: cancel it, or nothing (it is swallowed like
// any other key).
enum class TEscKey { Cancels, Ignored };

// Whether the loop ended accepted.
bool RunMouseLoop(QWidget& Grabber, TMouseSession& Session, TEscKey Esc);

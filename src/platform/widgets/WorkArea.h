// Keeping the windows the program places on the screen: a place worked out
// from the main window can run past the screen's edge or under a panel
// when the main window is maximised or near an edge.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

// The work area (the screen less its panels) of the screen holding Point,
// else of the primary screen; empty without a screen.
QRect WorkAreaAt(QPoint Point);

// What the window manager adds around Window's client area; none before
// the window has been framed.
QMargins FrameMargins(const QWidget& Window);

// The client rectangle Client moved, and shrunk where it is larger, so that
// it lies within Area together with its frame (KeptWithin of ScreenRect.h).
QRect KeptWithin(const QRect& Client, const QMargins& Frame, const QRect& Area);

// Gives Window the client rectangle Client, kept within the work area of
// its screen together with the frame Frame the window manager will add.
// The window is placed by its frame, which is what a window manager
// honours for a window it has not framed yet.
void PlaceWithinWorkArea(QWidget& Window, const QRect& Client, const QMargins& Frame);

// Keeps Window, frame and all, on the work area of its screen once the
// window manager has framed it in the normal state: a place chosen before
// the window is shown cannot allow for a frame it does not know. Once
// only, by the frame the window settles with: a window shown maximised is
// kept when it is first restored, and again when it is restored once more
// after it was maximised before its frame settled.
void KeepWithinWorkAreaOnceFramed(QWidget& Window);

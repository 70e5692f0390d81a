// The mouse events a dock or a tool window tells its handlers of: the
// button, the shift keys and buttons held, and the point in the control's
// client area.
#pragma once

#include "Classes.h"
#include "TreeView.h"

#include <QPoint>
#include <functional>

class QMouseEvent;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

// Tells Handler (when set) of the press or release Event, at At.
void TellMouseButton(const TMouseEvent& Handler, TObject* Sender, const QMouseEvent& Event, QPoint At);
void TellMouseMove(const TMouseMoveEvent& Handler, TObject* Sender, const QMouseEvent& Event, QPoint At);

#include "ControlMouse.h"

#include "KeyTable.h"

#include <QMouseEvent>

void TellMouseButton(const TMouseEvent& Handler, TObject* Sender, const QMouseEvent& Event, QPoint At)
{
    if (Handler)
        Handler(Sender, MouseButtonOf(Event.button()), ShiftStateOf(Event.modifiers(), Event.buttons()), At.x(),
                At.y());
}

void TellMouseMove(const TMouseMoveEvent& Handler, TObject* Sender, const QMouseEvent& Event, QPoint At)
{
    if (Handler)
        Handler(Sender, ShiftStateOf(Event.modifiers(), Event.buttons()), At.x(), At.y());
}

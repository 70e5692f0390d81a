// One watcher over the whole application that any number of clients listen
// to: the application becoming active or inactive, windows moving, being
// resized, shown or hidden, windows going away, and mouse moves. A client
// is a plain procedure registered for the kinds it wants; registering the
// same procedure again only counts it. The watcher is an event filter on
// the application, installed while some client needs it, and it lets every
// event through.
#pragma once

class QEvent;
class QObject;

enum THookKind : unsigned {
    ActivateAppEvent = 1,
    WindowPosEvent = 2,
    DestroyEvent = 4,
    MouseMoveEvent = 8,
};
using THookKinds = unsigned;

// Window: the window the event is about (none for ActivateAppEvent).
// Event: the event itself for WindowPosEvent and MouseMoveEvent, else none.
using THookProc = void (*)(THookKind Kind, QObject* Window, QEvent* Event);

void AddHookClient(THookProc Proc, THookKinds Kinds);
// Unregisters one registration of Proc; an unknown procedure is ignored.
void RemoveHookClient(THookProc Proc);

#include "Application.h"

#include "ExceptionHandler.h"

#include <QWindow>

TApplication::TApplication(int& Argc, char** Argv) : QApplication(Argc, Argv)
{
    // A closed window may still tell the application of its focus object:
    // closing a dialog destroys its native window, which stops it being the
    // focus window without unhooking its reports. Deleted after the window
    // under it took the focus back (as when the Esc that closed it came back
    // late from the input method), it reports no focus object at all, and
    // the input method stops taking text for the widget that has the focus,
    // until the focus moves. What the focus window holds is told again, once
    // everyone has heard the wrong report.
    connect(this, &QGuiApplication::focusObjectChanged, this, [this](QObject* Reported) {
        if (focusWindow() && Reported != focusWindow()->focusObject())
            QMetaObject::invokeMethod(this, &TApplication::RetellFocusObject, Qt::QueuedConnection);
    });
}

void TApplication::RetellFocusObject()
{
    if (QWindow* window = focusWindow())
        emit window->focusObjectChanged(window->focusObject());
}

bool TApplication::notify(QObject* Receiver, QEvent* Event)
{
    try {
        return QApplication::notify(Receiver, Event);
    } catch (...) {
        HandleException();
        return false;
    }
}

// The application object of velk and of the tests that need one. No
// exception may leave a Qt event handler: every event is delivered inside
// a handler that passes what escapes to HandleException, and the event
// loop goes on (see ExceptionHandler.h for why handlers catch their own).
// It also keeps the input method working for the focused widget after a
// dialog closes.
#pragma once

#include <QApplication>

class TApplication : public QApplication {
public:
    TApplication(int& Argc, char** Argv);

    bool notify(QObject* Receiver, QEvent* Event) override;

private:
    void RetellFocusObject();
};

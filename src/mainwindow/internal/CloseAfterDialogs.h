// A request to close the main window while a command holds a modal dialog
// open over it. The window manager keeps its close button away from a
// window under a modal dialog, but the program's own close on a
// termination signal comes at any time. Closing then would leave the
// command running with the window gone: the dialog's command would go on,
// and the program would end when it returns, without the question about
// the document. So the dialog is ended first, as its Cancel ends it, and
// the close is asked again once the command that opened it has returned.
#pragma once

#include <QObject>
#include <limits>

class QWidget;

class TCloseAfterDialogs : public QObject {
public:
    explicit TCloseAfterDialogs(QWidget& Window) : Window_(Window) {}

    // True when the close must wait for a modal dialog, which this ends,
    // or for a close that waits already; the window is asked to close
    // again later.
    bool Postpone();

private:
    // Ends the dialog; one that runs its own event loop is waited for
    // until that loop is left.
    void End(QWidget& Dialog);
    void Retry();
    void RetryLater();

    static constexpr int NoLoop = std::numeric_limits<int>::max();

    QWidget& Window_;
    bool Pending_ = false;
    // The depth of the event loop of the dialog ended last.
    int DialogLoopLevel_ = NoLoop;
};

// Esc during a long walk over pages. While a poll lives, an application
// event filter notes every press of Esc and keeps other keys and the mouse
// away from the windows, so that nothing runs a command in the middle of
// the walk; a modal box the walk asks (a confirmation) keeps its own input.
// A poll is made when a walk starts, so an Esc pressed before it (the one
// that closed a window, say) never stops it.
//
// A request to close a window (from the window manager, or the program's
// own close on a termination signal) must not close it in the middle of
// the walk, where its save question would save half the work and the rest
// would be lost. The poll holds the request back, stops the walk as Esc
// does, and asks for the close again when the walk is over, so that the
// window closes then with its question. A question the walk is asking when
// the request comes is answered as its Cancel would answer it, so the walk
// ends now instead of when the user answers.
//
// A walk is a modal activity (ModalActivity.h): the auto-save waits until it
// is over rather than save pages half replaced.
#pragma once

#include "ModalActivity.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class TEscapePoll : public QObject {
public:
    TEscapePoll();
    // Asks the windows whose close was held back to close now.
    ~TEscapePoll() override;
    TEscapePoll(const TEscapePoll&) = delete;
    TEscapePoll& operator=(const TEscapePoll&) = delete;

    // True when Esc was pressed since the last call, and at every call
    // after a close was requested. Lets the window handle its events now
    // and then, so it repaints and hears Esc at all.
    bool Pressed();

    // Runs at every poll; tests press Esc through it mid-walk.
    static std::function<void()>& OnPoll();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    // True when Event closes one of the program's windows (not a modal
    // dialog ending itself, nor a popup): the close is held back.
    bool HoldClose(QObject* Watched, QEvent* Event);

    const TModalActivity Walk_;
    bool Pressed_ = false;
    std::vector<QPointer<QWidget>> HeldCloses_;
    QElapsedTimer SinceEvents_;
};

// Esc during a long walk over pages. While a poll lives, an application
// event filter notes every press of Esc and keeps other keys and the mouse
// away from the windows, so that nothing runs a command in the middle of
// the walk; a modal box the walk asks (a confirmation) keeps its own input.
// A poll is made when a walk starts, so an Esc pressed before it (the one
// that closed a window, say) never stops it.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <functional>

class TEscapePoll : public QObject {
public:
    TEscapePoll();
    ~TEscapePoll() override;
    TEscapePoll(const TEscapePoll&) = delete;
    TEscapePoll& operator=(const TEscapePoll&) = delete;

    // True when Esc was pressed since the last call. Lets the window handle
    // its events now and then, so it repaints and hears Esc at all.
    bool Pressed();

    // Runs at every poll; tests press Esc through it mid-walk.
    static std::function<void()>& OnPoll();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool Pressed_ = false;
    QElapsedTimer SinceEvents_;
};

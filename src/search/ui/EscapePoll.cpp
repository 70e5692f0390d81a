#include "EscapePoll.h"

#include "ExceptionHandler.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

// How often a walk lets the window handle its events.
constexpr qint64 kEventsEveryMs = 30;

} // namespace

TEscapePoll::TEscapePoll()
{
    QApplication::instance()->installEventFilter(this);
    SinceEvents_.start();
}

TEscapePoll::~TEscapePoll() { QApplication::instance()->removeEventFilter(this); }

std::function<void()>& TEscapePoll::OnPoll()
{
    static std::function<void()> hook;
    return hook;
}

bool TEscapePoll::Pressed()
{
    if (OnPoll())
        OnPoll()();
    if (SinceEvents_.elapsed() >= kEventsEveryMs) {
        QApplication::processEvents();
        SinceEvents_.restart();
    }
    return std::exchange(Pressed_, false);
}

bool TEscapePoll::eventFilter(QObject*, QEvent* Event)
{
    bool swallow = false;
    CatchExceptions([&] {
        if (QApplication::activeModalWidget())
            return;
        switch (Event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(Event)->key() == Qt::Key_Escape)
                Pressed_ = true;
            swallow = true;
            break;
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel: swallow = true; break;
        default: break;
        }
    });
    return swallow;
}

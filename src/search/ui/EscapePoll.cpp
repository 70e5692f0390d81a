#include "EscapePoll.h"

#include "ExceptionHandler.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <algorithm>

namespace {

// How often a walk lets the window handle its events.
constexpr qint64 kEventsEveryMs = 30;

} // namespace

TEscapePoll::TEscapePoll()
{
    QApplication::instance()->installEventFilter(this);
    SinceEvents_.start();
}

TEscapePoll::~TEscapePoll()
{
    QApplication::instance()->removeEventFilter(this);
    // Asked through the event loop: the command that walked has returned
    // by the time the request is heard.
    for (const QPointer<QWidget>& window : HeldCloses_)
        if (window)
            QMetaObject::invokeMethod(
                window, [window] { window->close(); }, Qt::QueuedConnection);
}

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
    return std::exchange(Pressed_, false) || !HeldCloses_.empty();
}

bool TEscapePoll::HoldClose(QObject* Watched, QEvent* Event)
{
    if (Event->type() != QEvent::Close)
        return false;
    auto* window = qobject_cast<QWidget*>(Watched);
    if (!window || !window->isWindow() || window->isModal())
        return false;
    const Qt::WindowType type = window->windowType();
    if (type != Qt::Window && type != Qt::Dialog && type != Qt::Tool)
        return false;
    // An accepted close event would close the window all the same.
    Event->ignore();
    if (std::find(HeldCloses_.begin(), HeldCloses_.end(), window) == HeldCloses_.end())
        HeldCloses_.emplace_back(window);
    if (auto* question = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        question->reject();
    return true;
}

bool TEscapePoll::eventFilter(QObject* Watched, QEvent* Event)
{
    bool swallow = false;
    CatchExceptions([&] {
        // Held also while the walk asks its question, which then ends:
        // the window would close under the box.
        if (HoldClose(Watched, Event)) {
            swallow = true;
            return;
        }
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

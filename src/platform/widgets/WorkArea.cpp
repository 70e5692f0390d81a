#include "WorkArea.h"

#include "ScreenRect.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindowStateChangeEvent>

namespace {

// Waits for the first show, move or resize of the window after which it
// has a frame in the normal state: some window systems frame a window as
// it is shown, others move it into its frame later. A window shown
// maximised waits until it is restored: its normal place has never had a
// frame around it.
class TFramedKeeper : public QObject {
public:
    explicit TFramedKeeper(QWidget& Window) : QObject(&Window), Window_(Window) { Window.installEventFilter(this); }

    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Watched != &Window_)
            return false;
        const QEvent::Type type = Event->type();
        if (type == QEvent::WindowStateChange)
            Restoring_ = (static_cast<QWindowStateChangeEvent*>(Event)->oldState()
                          & (Qt::WindowMaximized | Qt::WindowFullScreen))
                         != 0;
        const bool placed =
            type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowStateChange;
        if (!placed || !Window_.isVisible() || Window_.windowState() != Qt::WindowNoState)
            return false;
        const QMargins frame = FrameMargins(Window_);
        if (frame.isNull())
            return false;
        // The window manager may tell of the restore before it gives the
        // window its normal place back.
        const QRect area = WorkAreaAt(Window_.geometry().center());
        if (Restoring_ && Window_.frameGeometry() == area)
            return false;
        Window_.removeEventFilter(this);
        deleteLater();
        PlaceWithinWorkArea(Window_, Window_.geometry(), frame);
        return false;
    }

private:
    QWidget& Window_;
    // Back from maximised or full screen, the normal place not yet seen.
    bool Restoring_ = false;
};

} // namespace

QRect WorkAreaAt(QPoint Point)
{
    const QScreen* screen = QGuiApplication::screenAt(Point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QMargins FrameMargins(const QWidget& Window)
{
    const QRect frame = Window.frameGeometry();
    const QRect client = Window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

QRect KeptWithin(const QRect& Client, const QMargins& Frame, const QRect& Area)
{
    if (Area.isEmpty())
        return Client;
    const QRect outer = Client.marginsAdded(Frame);
    const TScreenRect kept = KeptWithin(TScreenRect{outer.x(), outer.y(), outer.width(), outer.height()},
                                        TScreenRect{Area.x(), Area.y(), Area.width(), Area.height()});
    return QRect(kept.Left, kept.Top, kept.Width, kept.Height).marginsRemoved(Frame);
}

void PlaceWithinWorkArea(QWidget& Window, const QRect& Client, const QMargins& Frame)
{
    const QRect kept = KeptWithin(Client, Frame, WorkAreaAt(Client.center()));
    Window.resize(kept.size());
    Window.move(kept.topLeft() - QPoint(Frame.left(), Frame.top()));
}

void KeepWithinWorkAreaOnceFramed(QWidget& Window) { new TFramedKeeper(Window); }

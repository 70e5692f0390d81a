#include "WorkArea.h"

#include "ScreenRect.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

// Waits for the first show, move or resize of the window after which it
// has a frame: some window systems frame a window as it is shown, others
// move it into its frame later.
class TFramedKeeper : public QObject {
public:
    explicit TFramedKeeper(QWidget& Window) : QObject(&Window), Window_(Window) { Window.installEventFilter(this); }

    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        const QEvent::Type type = Event->type();
        const bool placed = type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize;
        if (Watched != &Window_ || !placed || !Window_.isVisible())
            return false;
        const QMargins frame = FrameMargins(Window_);
        if (frame.isNull())
            return false;
        Window_.removeEventFilter(this);
        deleteLater();
        if (Window_.windowState() == Qt::WindowNoState)
            PlaceWithinWorkArea(Window_, Window_.geometry(), frame);
        return false;
    }

private:
    QWidget& Window_;
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

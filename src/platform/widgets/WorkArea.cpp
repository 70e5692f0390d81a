#include "WorkArea.h"

#include "FramedPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindowStateChangeEvent>

namespace {

TScreenRect ScreenRectOf(const QRect& Rect) { return {Rect.x(), Rect.y(), Rect.width(), Rect.height()}; }

QRect QRectOf(const TScreenRect& Rect) { return {Rect.Left, Rect.Top, Rect.Width, Rect.Height}; }

TFrameExtents ExtentsOf(const QMargins& Frame) { return {Frame.left(), Frame.top(), Frame.right(), Frame.bottom()}; }

// Gives Window the client rectangle Client by placing its frame Frame.
void SetClientRect(QWidget& Window, const QRect& Client, const QMargins& Frame)
{
    Window.resize(Client.size());
    Window.move(Client.topLeft() - QPoint(Frame.left(), Frame.top()));
}

// Tells TFramedPlacement of the window's shows, moves, resizes and changes
// of state, and places the window as it says.
class TFramedKeeper : public QObject {
public:
    explicit TFramedKeeper(QWidget& Window) : QObject(&Window), Window_(Window) { Window.installEventFilter(this); }

    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        const QEvent::Type type = Event->type();
        const bool stateChanged = type == QEvent::WindowStateChange;
        if (Watched != &Window_
            || !(stateChanged || type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize))
            return false;
        const QMargins frame = FrameMargins(Window_);
        const std::optional<TScreenRect> place = Placement_.Place({
            .StateChanged = stateChanged,
            .LeftMaximised = stateChanged
                             && (static_cast<QWindowStateChangeEvent*>(Event)->oldState()
                                 & (Qt::WindowMaximized | Qt::WindowFullScreen))
                                    != 0,
            .Normal = Window_.isVisible() && Window_.windowState() == Qt::WindowNoState,
            .Client = ScreenRectOf(Window_.geometry()),
            .Frame = ExtentsOf(frame),
            .Area = ScreenRectOf(WorkAreaAt(Window_.geometry().center())),
        });
        if (Placement_.Done()) {
            Window_.removeEventFilter(this);
            deleteLater();
        }
        if (place)
            SetClientRect(Window_, QRectOf(*place), frame);
        return false;
    }

private:
    QWidget& Window_;
    TFramedPlacement Placement_;
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
    return QRectOf(KeptWithin(ScreenRectOf(Client), ExtentsOf(Frame), ScreenRectOf(Area)));
}

void PlaceWithinWorkArea(QWidget& Window, const QRect& Client, const QMargins& Frame)
{
    SetClientRect(Window, KeptWithin(Client, Frame, WorkAreaAt(Client.center())), Frame);
}

void KeepWithinWorkAreaOnceFramed(QWidget& Window) { new TFramedKeeper(Window); }

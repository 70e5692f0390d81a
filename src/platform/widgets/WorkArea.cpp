#include "WorkArea.h"

#include "FramedPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
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

// The frame as the window system tells it now, which may be newer than the
// one the widget took at its last move or resize.
QMargins CurrentFrame(const QWidget& Window)
{
    const QWindow* handle = Window.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

// Tells TFramedPlacement of the window's shows, moves, resizes and changes
// of state, and places the window as it says.
class TFramedKeeper : public QObject {
public:
    explicit TFramedKeeper(QWidget& Window) : QObject(&Window), Window_(Window)
    {
        // Long enough for a window manager to tell of the frame it gives a
        // window it has just placed or restored; short enough to look like
        // one move.
        Settle_.setSingleShot(true);
        Settle_.setInterval(500);
        connect(&Settle_, &QTimer::timeout, this, [this] {
            const TWindowEvent now = Now();
            Apply(Placement_.Settle(now));
        });
        Window.installEventFilter(this);
    }

    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        const QEvent::Type type = Event->type();
        const bool stateChanged = type == QEvent::WindowStateChange;
        // Qt tells of the resize and move it is asked for at once, with the
        // frame the window was placed by: no news of the frame.
        if (Watched != &Window_ || Placing_
            || !(stateChanged || type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize))
            return false;
        TWindowEvent now = Now();
        now.StateChanged = stateChanged;
        now.LeftMaximised = stateChanged
                            && (static_cast<QWindowStateChangeEvent*>(Event)->oldState()
                                & (Qt::WindowMaximized | Qt::WindowFullScreen))
                                   != 0;
        Apply(Placement_.Place(now));
        // The frame has settled once nothing more is told for a while.
        Settle_.start();
        return false;
    }

private:
    TWindowEvent Now() const
    {
        const QRect client = Window_.geometry();
        return {.Normal = Window_.isVisible() && Window_.windowState() == Qt::WindowNoState,
                .Client = ScreenRectOf(client),
                .Frame = ExtentsOf(CurrentFrame(Window_)),
                .Area = ScreenRectOf(WorkAreaAt(client.center()))};
    }

    // The window is framed by now: it is given its client rectangle, which
    // needs no frame of Qt's. Qt places a window by its frame with the one
    // it last took, which may be the maximised one still.
    void Apply(const std::optional<TScreenRect>& Place)
    {
        if (Place) {
            Placing_ = true;
            Window_.setGeometry(QRectOf(*Place));
            Placing_ = false;
            Settle_.start();
        }
        if (Placement_.Done()) {
            Window_.removeEventFilter(this);
            deleteLater();
        }
    }

    QWidget& Window_;
    TFramedPlacement Placement_;
    QTimer Settle_;
    bool Placing_ = false;
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

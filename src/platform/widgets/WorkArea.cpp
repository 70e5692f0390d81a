#include "WorkArea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

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
    QRect outer = Client.marginsAdded(Frame);
    outer.setWidth(std::min(outer.width(), Area.width()));
    outer.setHeight(std::min(outer.height(), Area.height()));
    outer.moveLeft(std::clamp(outer.left(), Area.left(), Area.right() - outer.width() + 1));
    outer.moveTop(std::clamp(outer.top(), Area.top(), Area.bottom() - outer.height() + 1));
    return outer.marginsRemoved(Frame);
}

void PlaceWithinWorkArea(QWidget& Window, const QRect& Client, const QMargins& Frame)
{
    const QRect kept = KeptWithin(Client, Frame, WorkAreaAt(Client.center()));
    Window.resize(kept.size());
    Window.move(kept.topLeft() - QPoint(Frame.left(), Frame.top()));
}

#include "Screen.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>

namespace {

Qt::CursorShape StandardShape(TCursor Id)
{
    switch (Id) {
    case crIBeam: return Qt::IBeamCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crDrag: return Qt::DragMoveCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    default: return Qt::ArrowCursor;
    }
}

void ReleaseCursors() { Screen() = TScreen(); }

} // namespace

QCursor TScreen::Cursors(TCursor Id) const
{
    if (const auto it = Cursors_.find(Id); it != Cursors_.end())
        return it->second;
    return QCursor(StandardShape(Id));
}

void TScreen::SetCursors(TCursor Id, const QCursor& Cursor)
{
    if (Cursors_.empty())
        qAddPostRoutine(ReleaseCursors);
    Cursors_.insert_or_assign(Id, Cursor);
}

int TScreen::DesktopWidth() const
{
    QRect desktop;
    for (const QScreen* screen : QGuiApplication::screens())
        desktop |= screen->geometry();
    return desktop.width();
}

TScreen& Screen()
{
    static TScreen screen;
    return screen;
}

#include "MouseLoop.h"

#include "ExceptionHandler.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {

class TLoopFilter : public QObject {
public:
    TLoopFilter(TMouseSession& Session, TEscKey Esc) : Session_(Session), Esc_(Esc) {}

    bool Run()
    {
        qApp->installEventFilter(this);
        Loop_.exec();
        qApp->removeEventFilter(this);
        return Accepted_;
    }

protected:
    bool eventFilter(QObject*, QEvent* Event) override
    {
        bool consumed = false;
        CatchExceptions([&] { consumed = Handle(Event); });
        return consumed;
    }

private:
    void End(bool Accepted)
    {
        Accepted_ = Accepted;
        Loop_.quit();
    }

    bool Handle(QEvent* Event)
    {
        switch (Event->type()) {
        case QEvent::MouseMove:
            Session_.Move(static_cast<QMouseEvent*>(Event)->globalPosition().toPoint());
            return true;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton)
                End(true);
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton)
                End(false);
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const int key = static_cast<QKeyEvent*>(Event)->key();
            if (key == Qt::Key_Control)
                Session_.SetCtrl(Event->type() == QEvent::KeyPress);
            else if (key == Qt::Key_Escape && Esc_ == TEscKey::Cancels)
                End(false);
            return true;
        }
        case QEvent::ApplicationStateChange:
            if (static_cast<QApplicationStateChangeEvent*>(Event)->applicationState() != Qt::ApplicationActive)
                End(false);
            return false;
        default: return false;
        }
    }

    TMouseSession& Session_;
    TEscKey Esc_;
    bool Accepted_ = false;
    QEventLoop Loop_;
};

} // namespace

bool RunMouseLoop(QWidget& Grabber, TMouseSession& Session, TEscKey Esc)
{
    TLoopFilter filter(Session, Esc);
    Grabber.grabMouse();
    Grabber.grabKeyboard();
    const bool accepted = filter.Run();
    Grabber.releaseKeyboard();
    Grabber.releaseMouse();
    return accepted;
}

#include "ControlDrag.h"

#include "ExceptionHandler.h"

#include <QDropEvent>
#include <QWidget>

namespace {

TObject* SourceObject(const QDropEvent& Event) { return dynamic_cast<TObject*>(Event.source()); }

} // namespace

TControlDrag::TControlDrag(QWidget& Control, TObject& Sender, const TDragOverEvent& OnDragOver,
                           const TDragDropEvent& OnDragDrop, std::function<QPoint()> ClientOrigin)
    : QObject(&Control), Sender_(Sender), OnDragOver_(OnDragOver), OnDragDrop_(OnDragDrop),
      ClientOrigin_(std::move(ClientOrigin))
{
    Control.setAcceptDrops(true);
    Control.installEventFilter(this);
}

bool TControlDrag::eventFilter(QObject* Watched, QEvent* Event)
{
    switch (Event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto& drag = static_cast<QDragMoveEvent&>(*Event);
        const QPoint at = drag.position().toPoint() - ClientOrigin_();
        const TDragState state = Event->type() == QEvent::DragEnter ? TDragState::dsDragEnter : TDragState::dsDragMove;
        bool accept = false;
        if (OnDragOver_) {
            accept = true;
            CatchExceptions([&] { OnDragOver_(&Sender_, SourceObject(drag), at.x(), at.y(), state, accept); });
        }
        drag.setAccepted(accept);
        if (accept)
            drag.acceptProposedAction();
        return true;
    }
    case QEvent::DragLeave:
        if (OnDragOver_) {
            bool accept = false;
            CatchExceptions([&] { OnDragOver_(&Sender_, nullptr, 0, 0, TDragState::dsDragLeave, accept); });
        }
        return true;
    case QEvent::Drop: {
        auto& drop = static_cast<QDropEvent&>(*Event);
        const QPoint at = drop.position().toPoint() - ClientOrigin_();
        if (OnDragDrop_)
            CatchExceptions([&] { OnDragDrop_(&Sender_, SourceObject(drop), at.x(), at.y()); });
        drop.acceptProposedAction();
        return true;
    }
    default: return QObject::eventFilter(Watched, Event);
    }
}

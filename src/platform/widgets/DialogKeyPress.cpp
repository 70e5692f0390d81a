#include "DialogKeyPress.h"

#include <QDialog>
#include <QKeyEvent>

TDialogKey DialogKeyOf(const QDialog& Dialog, const QObject* Receiver, const QEvent& Event)
{
    if (Event.type() != QEvent::KeyPress && Event.type() != QEvent::ShortcutOverride)
        return TDialogKey::None;
    const auto* widget = qobject_cast<const QWidget*>(Receiver);
    if (!widget || widget->window() != &Dialog)
        return TDialogKey::None;
    switch (static_cast<const QKeyEvent&>(Event).key()) {
    case Qt::Key_Escape: return TDialogKey::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter: return TDialogKey::Enter;
    default: return TDialogKey::None;
    }
}

#include "DialogKeys.h"

#include "DialogHook.h"
#include "ExceptionHandler.h"

#include <QAbstractButton>
#include <QDialog>
#include <QKeyEvent>

TDialogKeys::TDialogKeys(QDialog& Dialog, std::function<void()> Escape, std::function<void()> Enter)
    : QObject(&Dialog), Escape_(std::move(Escape)), Enter_(std::move(Enter))
{
    Dialog.installEventFilter(this);
    for (QWidget* child : Dialog.findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool TDialogKeys::eventFilter(QObject*, QEvent* Event)
{
    if (Event->type() != QEvent::KeyPress && Event->type() != QEvent::ShortcutOverride)
        return false;
    const int key = static_cast<QKeyEvent*>(Event)->key();
    const bool escape = key == Qt::Key_Escape;
    if (!escape && key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    // A shortcut override is only claimed, so the key press follows.
    if (Event->type() == QEvent::ShortcutOverride) {
        Event->accept();
        return true;
    }
    CatchExceptions([&] { (escape ? Escape_ : Enter_)(); });
    return true;
}

void ConnectOkCancel(QDialog& Dialog, QAbstractButton& Ok, QAbstractButton& Cancel, std::function<void()> Confirm)
{
    QObject::connect(&Ok, &QAbstractButton::clicked, &Dialog, [Confirm] { CatchExceptions(Confirm); });
    QObject::connect(&Cancel, &QAbstractButton::clicked, &Dialog, [&Dialog] { Dialog.done(mrCancel); });
    new TDialogKeys(
        Dialog, [&Dialog] { Dialog.done(mrCancel); }, std::move(Confirm));
}

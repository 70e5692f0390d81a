#include "DialogKeys.h"

#include "DialogHook.h"
#include "DialogKeyPress.h"
#include "ExceptionHandler.h"

#include <QAbstractButton>
#include <QDialog>
#include <QEvent>

TDialogKeys::TDialogKeys(QDialog& Dialog, std::function<void()> Escape, std::function<void()> Enter)
    : QObject(&Dialog), Dialog_(Dialog), Escape_(std::move(Escape)), Enter_(std::move(Enter))
{
    Dialog.installEventFilter(this);
    for (QWidget* child : Dialog.findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool TDialogKeys::eventFilter(QObject* Watched, QEvent* Event)
{
    const TDialogKey key = DialogKeyOf(Dialog_, Watched, *Event);
    if (key == TDialogKey::None)
        return false;
    // A shortcut override is only claimed, so the key press follows.
    if (Event->type() == QEvent::ShortcutOverride) {
        Event->accept();
        return true;
    }
    CatchExceptions([&] { (key == TDialogKey::Escape ? Escape_ : Enter_)(); });
    return true;
}

void ConnectOkCancel(QDialog& Dialog, QAbstractButton& Ok, QAbstractButton& Cancel, std::function<void()> Confirm)
{
    QObject::connect(&Ok, &QAbstractButton::clicked, &Dialog, [Confirm] { CatchExceptions(Confirm); });
    QObject::connect(&Cancel, &QAbstractButton::clicked, &Dialog, [&Dialog] { Dialog.done(mrCancel); });
    new TDialogKeys(
        Dialog, [&Dialog] { Dialog.done(mrCancel); }, std::move(Confirm));
}

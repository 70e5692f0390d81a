#include "CloseAfterDialogs.h"

#include "ExceptionHandler.h"

#include <QApplication>
#include <QDialog>
#include <QThread>
#include <QTimer>

namespace {

int LoopLevel() { return QThread::currentThread()->loopLevel(); }

} // namespace

bool TCloseAfterDialogs::Postpone()
{
    QWidget* dialog = QApplication::activeModalWidget();
    // A request that comes while one waits is answered by that one.
    if (!dialog && !Pending_)
        return false;
    if (!Pending_) {
        Pending_ = true;
        DialogLoopLevel_ = NoLoop;
        RetryLater();
    }
    if (dialog)
        End(*dialog);
    return true;
}

void TCloseAfterDialogs::End(QWidget& Dialog)
{
    // A dialog shown by exec runs in a loop of its own, and the command
    // that opened it goes on when that loop is left.
    if (Dialog.testAttribute(Qt::WA_ShowModal))
        DialogLoopLevel_ = LoopLevel();
    if (auto* form = qobject_cast<QDialog*>(&Dialog))
        form->reject();
    else
        Dialog.close();
}

// The command may open another dialog when the first has ended (a
// message, say): that one is ended too before the window closes.
void TCloseAfterDialogs::Retry()
{
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        End(*dialog);
        RetryLater();
        return;
    }
    if (LoopLevel() >= DialogLoopLevel_) {
        RetryLater();
        return;
    }
    Pending_ = false;
    Window_.close();
}

void TCloseAfterDialogs::RetryLater()
{
    QTimer::singleShot(0, this, [this] { CatchExceptions([this] { Retry(); }); });
}

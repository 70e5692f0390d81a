// Escape cancels and Enter confirms in the conversion dialogs wherever the
// focus is, a spin edit or line edit included; both keys go no further.
// An open drop-down list or menu keeps them (DialogKeyPress.h).
#pragma once

#include <QObject>
#include <functional>

class QAbstractButton;
class QDialog;

class TDialogKeys : public QObject {
public:
    // Watches Dialog and every widget in it as they are now.
    TDialogKeys(QDialog& Dialog, std::function<void()> Escape, std::function<void()> Enter);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    QDialog& Dialog_;
    std::function<void()> Escape_;
    std::function<void()> Enter_;
};

// The OK and Cancel buttons of a conversion dialog: OK and Enter run
// Confirm, Cancel and Escape close the dialog with mrCancel.
void ConnectOkCancel(QDialog& Dialog, QAbstractButton& Ok, QAbstractButton& Cancel, std::function<void()> Confirm);

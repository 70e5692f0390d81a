// The host of a floating tool window: while the bar floats on a form, this
// borderless window is its parent, and it follows the form. Its own window
// never appears on the screen; it is shown exactly while its bar should
// show (WantShown), which is while the form is shown and not minimised.
// The bar's window belongs to the form's window, so it stays above the
// form, but only the program shows and hides it: a bar the window manager
// minimised along with the form comes back as a normal window when the
// form is restored.
#pragma once

#include <QPointer>
#include <QWidget>

class TFloatingWindowParent : public QWidget {
    Q_OBJECT

public:
    // A child of OwnerForm, which frees it, and with it its bar.
    explicit TFloatingWindowParent(QWidget* OwnerForm);
    ~TFloatingWindowParent() override;

    // The form the bar floats for.
    QWidget* OwnerForm() const { return OwnerForm_; }
    bool WantShown() const { return WantShown_; }
    // Shows or hides the host with its bar.
    void SetWantShown(bool WantShown);

private:
    QPointer<QWidget> OwnerForm_;
    bool WantShown_ = false;
};

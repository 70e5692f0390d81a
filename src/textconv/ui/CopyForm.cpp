#include "CopyForm.h"

#include "DialogHook.h"
#include "DialogKeys.h"
#include "Dialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TCopyForm::TCopyForm(QWidget* Parent) : QDialog(Parent)
{
    setWindowTitle(QStringLiteral("原稿用紙換算"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    const auto label = [&](const QString& Text = {}) {
        auto* result = new QLabel(Text, this);
        layout->addWidget(result);
        return result;
    };
    label(QStringLiteral("４００字詰め原稿用紙"));
    LbGPage = label();
    LbGPageUnder = label();
    LbGFile = label();
    Label2 = label();
    LbHPage = label();
    LbHPageUnder = label();
    LbHFile = label();
    label(QStringLiteral("※改行だけの行も１行としてカウントします。"));
    label(QStringLiteral("※半角文字は２文字で１文字分と見なします。"));
    OkButton = new QPushButton(QStringLiteral("OK!"), this);
    layout->addWidget(OkButton, 0, Qt::AlignHCenter);
    connect(OkButton, &QPushButton::clicked, this, [this] { done(mrOk); });
    // Escape closes the window; Enter presses OK.
    new TDialogKeys(
        *this, [this] { done(mrCancel); }, [this] { done(mrOk); });
}

bool ShowCopyForm(const std::array<std::string, 7>& Texts, QWidget* Parent)
{
    TCopyForm form(Parent);
    QLabel* const labels[] = {form.LbGPage,      form.LbGPageUnder, form.LbGFile, form.LbHPage,
                              form.LbHPageUnder, form.LbHFile,      form.Label2};
    for (size_t i = 0; i < Texts.size(); ++i)
        labels[i]->setText(QString::fromStdString(Texts[i]));
    return ShowModal(form) == mrOk;
}

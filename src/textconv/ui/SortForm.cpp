#include "SortForm.h"

#include "DialogHook.h"
#include "DialogKeys.h"
#include "ExceptionHandler.h"
#include "NumberField.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

TSortChoice& SortChoice()
{
    static TSortChoice choice;
    return choice;
}

TSortForm::TSortForm(QWidget* Parent) : QDialog(Parent)
{
    setWindowTitle(QStringLiteral("ソート"));
    setProperty("HelpContext", 15);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* position = new QHBoxLayout;
    position->addWidget(new QLabel(QStringLiteral("Position"), this));
    Edit1 = new QLineEdit(this);
    MakeNumberField(*Edit1, IsPartialInteger);
    position->addWidget(Edit1);
    layout->addLayout(position);
    auto* group = new QGroupBox(QStringLiteral("方向"), this);
    auto* radios = new QVBoxLayout(group);
    RadioGroup1 = new QButtonGroup(this);
    for (const QString& caption : {QStringLiteral("昇順"), QStringLiteral("降順")}) {
        auto* radio = new QRadioButton(caption, group);
        RadioGroup1->addButton(radio, static_cast<int>(RadioGroup1->buttons().size()));
        radios->addWidget(radio);
    }
    RadioGroup1->button(0)->setChecked(true);
    layout->addWidget(group);
    auto* buttons = new QHBoxLayout;
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);

    ConnectOkCancel(*this, *OKButton, *CancelButton, [this] { OKButtonClick(); });
}

void TSortForm::OKButtonClick()
{
    TSortChoice& choice = SortChoice();
    bool number = false;
    const int position = Edit1->text().trimmed().toInt(&number);
    choice.SortPosition = number ? position : 1;
    choice.SortDirection = RadioGroup1->checkedId();
    choice.SortPositionEmpty = Edit1->text().isEmpty();
    done(mrOk);
}

void TSortForm::showEvent(QShowEvent* Event)
{
    CatchExceptions([&] {
        if (const QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
        QDialog::showEvent(Event);
    });
}

#include "SortForm.h"

#include "DialogHook.h"
#include "DialogKeys.h"
#include "Dialogs.h"
#include "ExceptionHandler.h"
#include "NumberField.h"
#include "SubIni.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <limits>

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
    // Columns count from 0 unless the settings count from 1; the command
    // adds the 1 to a column counted from 0.
    const int32_t most = std::numeric_limits<int32_t>::max();
    auto* column =
        SettingsVars.Col_Row.Mode ? new TNumberField(*Edit1, 1, most) : new TNumberField(*Edit1, 0, most - 1);
    // Empty is a choice of its own: from the start of the line.
    column->SetEmptyAllowed(true);
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
    // A column the sort cannot use, or a sign typed on the way to one, is
    // refused with the range and stays to be corrected: it is never taken
    // for the start of the line.
    TNumberField& column = *TNumberField::Of(*Edit1);
    if (!column.Confirm())
        return;
    const QString text = Edit1->text();
    TSortChoice& choice = SortChoice();
    choice.SortPosition = text.isEmpty() ? 1 : column.Value();
    choice.SortDirection = RadioGroup1->checkedId();
    choice.SortPositionEmpty = text.isEmpty();
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

#include "ChooserForm.h"

#include "DialogHook.h"
#include "DialogKeys.h"
#include "ExceptionHandler.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TChooserForm::TChooserForm(QWidget* Parent, const char* Caption, const char* GroupCaption,
                           std::span<const char* const> Captions, int Columns, int32_t& Choice)
    : QDialog(Parent), Choice_(Choice)
{
    setWindowTitle(QString::fromUtf8(Caption));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    GroupBox = new QGroupBox(QString::fromUtf8(GroupCaption), this);
    auto* grid = new QGridLayout(GroupBox);
    RadioGroup1 = new QButtonGroup(this);
    const int rows = (static_cast<int>(Captions.size()) + Columns - 1) / Columns;
    for (int i = 0; i < static_cast<int>(Captions.size()); ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(Captions[i]), GroupBox);
        RadioGroup1->addButton(radio, i);
        grid->addWidget(radio, i % rows, i / rows);
        Radios_.push_back(radio);
    }
    layout->addWidget(GroupBox);
    auto* buttons = new QHBoxLayout;
    OKButton = new QPushButton(QStringLiteral("OK!"), this);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);

    ConnectOkCancel(*this, *OKButton, *CancelButton, [this] { OKButtonClick(); });
    SetItemIndex(Choice_);
}

int TChooserForm::ItemIndex() const { return RadioGroup1->checkedId(); }

void TChooserForm::SetItemIndex(int Index)
{
    if (Index >= 0 && Index < static_cast<int>(Radios_.size()))
        Radios_[Index]->setChecked(true);
}

void TChooserForm::OKButtonClick()
{
    if (ItemIndex() >= 0)
        Choice_ = ItemIndex();
    done(mrOk);
}

void TChooserForm::showEvent(QShowEvent* Event)
{
    CatchExceptions([&] {
        if (QAbstractButton* checked = RadioGroup1->checkedButton())
            checked->setFocus();
        QDialog::showEvent(Event);
    });
}

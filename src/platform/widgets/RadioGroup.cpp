#include "RadioGroup.h"

#include "ExceptionHandler.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(const QString& Caption, const QStringList& Items, QWidget* Parent)
    : QGroupBox(Caption, Parent), Buttons_(new QButtonGroup(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    for (int i = 0; i < Items.size(); ++i) {
        auto* button = new QRadioButton(Items[i], this);
        Buttons_->addButton(button, i);
        layout->addWidget(button);
    }
    Buttons_->button(0)->setChecked(true);
    connect(Buttons_, &QButtonGroup::idToggled, this, [this](int, bool Checked) {
        if (Checked && OnClick)
            CatchExceptions([this] { OnClick(); });
    });
}

int TRadioGroup::ItemIndex() const { return Buttons_->checkedId(); }

void TRadioGroup::SetItemIndex(int Index)
{
    if (QAbstractButton* button = Buttons_->button(Index))
        button->setChecked(true);
}

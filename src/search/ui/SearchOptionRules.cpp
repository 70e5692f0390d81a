#include "SearchOptionRules.h"

#include <QCheckBox>

void TSearchOptionBoxes::Connect() const
{
    const TSearchOptionBoxes b = *this;
    QObject::connect(RegExp, &QCheckBox::clicked, RegExp, [b] {
        b.Fuzzy->setEnabled(b.RegExp->isChecked());
        b.WholeWord->setEnabled(!b.RegExp->isChecked());
    });
    QObject::connect(WholeWord, &QCheckBox::clicked, WholeWord, [b] {
        if (b.WholeWord->isChecked()) {
            b.Fuzzy->setEnabled(false);
            b.RegExp->setEnabled(false);
        } else {
            b.Fuzzy->setEnabled(b.RegExp->isChecked());
            b.RegExp->setEnabled(true);
        }
    });
    QObject::connect(Fuzzy, &QCheckBox::clicked, Fuzzy, [b] {
        if (b.Fuzzy->isChecked())
            b.MatchCase->setChecked(false);
    });
    QObject::connect(MatchCase, &QCheckBox::clicked, MatchCase, [b] {
        if (b.MatchCase->isChecked())
            b.Fuzzy->setChecked(false);
    });
}

void TSearchOptionBoxes::ApplyShownState() const
{
    WholeWord->setEnabled(!RegExp->isChecked());
    Fuzzy->setEnabled(RegExp->isChecked());
}

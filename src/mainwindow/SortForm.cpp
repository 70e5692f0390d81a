#include "SortForm.h"

#include "DialogHook.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

int SortPosition = 1;
int SortDirection = 0;
bool SortPositionEmpty = false;

TSortForm::TSortForm(QWidget* Parent) : QDialog(Parent)
{
    setWindowTitle(QStringLiteral("ソート"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Position"), this), 0, 0);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, false);
    layout->addWidget(Edit1, 0, 1);
    auto* group = new QGroupBox(QStringLiteral("方向"), this);
    auto* directions = new QVBoxLayout(group);
    Ascending = new QRadioButton(QStringLiteral("昇順"), group);
    Descending = new QRadioButton(QStringLiteral("降順"), group);
    directions->addWidget(Ascending);
    directions->addWidget(Descending);
    (SortDirection == 1 ? Descending : Ascending)->setChecked(true);
    layout->addWidget(group, 1, 0, 1, 2);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    OKButton->setDefault(true);
    layout->addWidget(OKButton, 2, 0);
    layout->addWidget(CancelButton, 2, 1);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TSortForm::OKButtonClick()
{
    bool number = false;
    const int position = Edit1->text().trimmed().toInt(&number);
    SortPosition = number ? position : 1;
    SortDirection = Descending->isChecked() ? 1 : 0;
    SortPositionEmpty = Edit1->text().isEmpty();
    done(mrOk);
}

#include "TextForm.h"

#include "DialogHook.h"
#include "ExceptionHandler.h"
#include "TextOutputs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char* const OutputCaptions[TextOutputKindCount] = {
    "ファイル全体を保存する(&A)",
    "ファイル全体をタイトル行抜きで保存する(&S)",
    "ファイル全体を階層付きテキストとして保存する(&D)",
    "現在のページを保存する(&F)",
    "現在のページを下の階層も含めて保存する(&G)",
    "現在のページを下の階層も含めタイトル行抜きで保存する(&H)",
    "現在のページを階層付きテキストとして保存する(&J)",
    "現在のページを下の階層も含めタブテキストで保存する(&K)",
    "現在のページを下の階層も含めインデント整形して保存する(&L)",
    "現在のページを下の階層も含めて個別に保存する(&V)",
    "タイトル行を保存する(&B)",
    "タイトル行をインデントして保存する(&N)",
    "タイトル行をツリー構造で保存する(&M)",
};

} // namespace

TTextOutputChoice& LastTextOutputChoice()
{
    static TTextOutputChoice choice;
    return choice;
}

TTextForm::TTextForm(QWidget* Parent) : QDialog(Parent)
{
    setWindowTitle(QStringLiteral("テキスト出力"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(this);
    auto* radios = new QVBoxLayout(group);
    RadioGroup1 = new QButtonGroup(this);
    for (int i = 0; i < TextOutputKindCount; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(OutputCaptions[i]), group);
        RadioGroup1->addButton(radio, i);
        radios->addWidget(radio);
    }
    layout->addWidget(group);
    CheckBox1 = new QCheckBox(QStringLiteral("タイトル行に番号を付加する(&Z)"), this);
    CheckTree = new QCheckBox(QStringLiteral("タイトル行間を一行開ける(&X)"), this);
    LbNumber = new QLabel(QStringLiteral("階層深度は１０以下に限る"), this);
    LbNumber->setStyleSheet(QStringLiteral("color: blue"));
    for (QWidget* widget :
         {static_cast<QWidget*>(CheckBox1), static_cast<QWidget*>(CheckTree), static_cast<QWidget*>(LbNumber)})
        layout->addWidget(widget);
    auto* buttons = new QHBoxLayout;
    OKButton = new QPushButton(QStringLiteral("OK!"), this);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);

    const TTextOutputChoice& last = LastTextOutputChoice();
    SetItemIndex(last.Kind);
    CheckBox1->setChecked(last.Numbered);
    CheckTree->setChecked(last.BlankLines);
    LbNumber->setVisible(last.Numbered);
    RadioGroup1Click();

    connect(RadioGroup1, &QButtonGroup::idClicked, this, [this] { CatchExceptions([this] { RadioGroup1Click(); }); });
    connect(CheckBox1, &QCheckBox::toggled, this,
            [this](bool Checked) { CatchExceptions([&] { LbNumber->setVisible(Checked); }); });
    connect(OKButton, &QPushButton::clicked, this, [this] { CatchExceptions([this] { OKButtonClick(); }); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { done(mrCancel); });
}

int TTextForm::ItemIndex() const { return RadioGroup1->checkedId(); }

void TTextForm::SetItemIndex(int Index)
{
    if (QAbstractButton* radio = RadioGroup1->button(Index)) {
        radio->setChecked(true);
        RadioGroup1Click();
    }
}

void TTextForm::RadioGroup1Click()
{
    CheckBox1->setEnabled(OffersNumbering(ItemIndex()));
    CheckTree->setEnabled(ItemIndex() == tokTitleTree);
}

void TTextForm::OKButtonClick()
{
    LastTextOutputChoice() = {ItemIndex(), CheckBox1->isChecked(), CheckTree->isChecked()};
    done(mrOk);
}

void TTextForm::keyPressEvent(QKeyEvent* Event)
{
    CatchExceptions([&] {
        if (Event->key() == Qt::Key_Escape)
            done(mrCancel);
        else if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter)
            OKButtonClick();
        else
            QDialog::keyPressEvent(Event);
    });
}

#include "SeikeiForm.h"

#include "DialogHook.h"
#include "DialogKeys.h"
#include "Dialogs.h"
#include "ExceptionHandler.h"
#include "NumberField.h"
#include "SpinEx.h"
#include "SubIni.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <string>

namespace {

constexpr int MinWidth = 10, MaxWidth = 8192;
enum TSeikeiMode { smKeisen = 3, smQuote = 4 };

const char* const ModeCaptions[] = {
    "単純整形(&A)", "全角空白 (&S)", "全角空白と 「 ［ 【 （ □■◇◆▽▼○●(&D)", "罫線で囲む(&F)", "引用符整形(&G)",
};

} // namespace

bool& KeisenRtn()
{
    static bool keep = false;
    return keep;
}

TSeikeiForm::TSeikeiForm(QWidget* Parent) : QDialog(Parent)
{
    setWindowTitle(QStringLiteral("指定した数値で改行"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* modes = new QGroupBox(QStringLiteral("整形キー"), this);
    modes->setProperty("HelpContext", 115);
    auto* modeLayout = new QVBoxLayout(modes);
    RadioGroup1 = new QButtonGroup(this);
    for (const char* caption : ModeCaptions) {
        auto* radio = new QRadioButton(QString::fromUtf8(caption), modes);
        RadioGroup1->addButton(radio, static_cast<int>(RadioGroup1->buttons().size()));
        modeLayout->addWidget(radio);
    }
    layout->addWidget(modes);

    MySpinEdit1 = new TMySpinEdit(this);
    MySpinEdit1->SetMinValue(MinWidth);
    MySpinEdit1->SetMaxValue(MaxWidth);
    layout->addWidget(MySpinEdit1);
    CheckEnglish = new QCheckBox(QStringLiteral("英文ワードラップ(&E)"), this);
    CheckMaxStr = new QCheckBox(QStringLiteral("最大値"), this);
    CheckIndent = new QCheckBox(QStringLiteral("インデント(&I)"), this);
    for (QCheckBox* check : {CheckEnglish, CheckMaxStr, CheckIndent}) {
        check->setProperty("HelpContext", 116);
        layout->addWidget(check);
    }
    auto* keisen = new QGroupBox(QStringLiteral("罫線で囲むオプション"), this);
    auto* keisenLayout = new QVBoxLayout(keisen);
    CheckKeisenRtn = new QCheckBox(QStringLiteral("改行を保持する(&R)"), keisen);
    CheckKeisen = new QCheckBox(QStringLiteral("罫線太枠(&B)"), keisen);
    for (QWidget* widget :
         {static_cast<QWidget*>(keisen), static_cast<QWidget*>(CheckKeisenRtn), static_cast<QWidget*>(CheckKeisen)})
        widget->setProperty("HelpContext", 117);
    keisenLayout->addWidget(CheckKeisenRtn);
    keisenLayout->addWidget(CheckKeisen);
    layout->addWidget(keisen);
    auto* buttons = new QHBoxLayout;
    OKButton = new QPushButton(QStringLiteral("OK！"), this);
    CanButton = new QPushButton(QStringLiteral("Cancel"), this);
    buttons->addWidget(OKButton);
    buttons->addWidget(CanButton);
    layout->addLayout(buttons);

    const auto& seikei = SettingsVars.Seikei;
    CheckEnglish->setChecked(seikei.English);
    CheckIndent->setChecked(seikei.Indent);
    CheckKeisen->setChecked(seikei.KeisenBig);
    CheckMaxStr->setChecked(seikei.SeikeiMax);
    CheckMaxStrClick();
    MySpinEdit1->setText(QString::fromStdString(seikei.Width));
    if (QAbstractButton* radio = RadioGroup1->button(seikei.Index))
        radio->setChecked(true);
    // Opening applies the mode's options without touching the check marks.
    const int mode = RadioGroup1->checkedId();
    CheckIndent->setEnabled(mode != smKeisen && mode != smQuote);
    CheckKeisenRtn->setEnabled(mode == smKeisen);
    CheckKeisen->setEnabled(mode == smKeisen);

    connect(RadioGroup1, &QButtonGroup::idClicked, this, [this] { CatchExceptions([this] { RadioGroup1Click(); }); });
    connect(CheckMaxStr, &QCheckBox::clicked, this, [this] { CatchExceptions([this] { CheckMaxStrClick(); }); });
    ConnectOkCancel(*this, *OKButton, *CanButton, [this] { OKButtonClick(); });
}

void TSeikeiForm::SetItemIndex(int Index)
{
    if (QAbstractButton* radio = RadioGroup1->button(Index)) {
        radio->setChecked(true);
        RadioGroup1Click();
    }
}

void TSeikeiForm::RadioGroup1Click()
{
    const int mode = RadioGroup1->checkedId();
    if (mode == smKeisen) {
        CheckMaxStr->setChecked(false);
        CheckMaxStrClick();
    }
    CheckMaxStr->setEnabled(mode != smKeisen);
    CheckIndent->setEnabled(mode != smKeisen && mode != smQuote);
    CheckKeisenRtn->setEnabled(mode == smKeisen);
    CheckKeisen->setEnabled(mode == smKeisen);
}

void TSeikeiForm::CheckMaxStrClick()
{
    MySpinEdit1->setEnabled(!CheckMaxStr->isChecked());
    CheckEnglish->setEnabled(!CheckMaxStr->isChecked());
}

// A width below 10 would make the wrap give nothing back and erase the
// selection; the field takes none. One that "最大値" leaves unused is not
// asked for.
void TSeikeiForm::OKButtonClick()
{
    if (MySpinEdit1->isEnabled() && !TNumberField::Of(*MySpinEdit1)->Confirm())
        return;
    auto& seikei = SettingsVars.Seikei;
    if (RadioGroup1->checkedId() >= 0)
        seikei.Index = RadioGroup1->checkedId();
    seikei.Width = std::to_string(MySpinEdit1->Value());
    seikei.English = CheckEnglish->isChecked();
    seikei.Indent = CheckIndent->isChecked();
    seikei.KeisenBig = CheckKeisen->isChecked();
    KeisenRtn() = CheckKeisenRtn->isChecked();
    seikei.SeikeiMax = CheckMaxStr->isChecked();
    done(mrOk);
}

void TSeikeiForm::showEvent(QShowEvent* Event)
{
    CatchExceptions([&] {
        MySpinEdit1->setFocus();
        QDialog::showEvent(Event);
    });
}

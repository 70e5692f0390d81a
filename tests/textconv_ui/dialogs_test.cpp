// The conversion dialogs as a user drives them: keys, check boxes and the
// width of the formatting dialog.
#include "CopyForm.h"
#include "ScriptedDialogs.h"
#include "SeikeiForm.h"
#include "SortForm.h"
#include "SpinEx.h"
#include "StrDelForm.h"
#include "StrHenkanForm.h"
#include "StrSeikeiForm.h"
#include "SubIni.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Shows Form, gives Focus the keyboard and presses Key there.
int PressIn(QDialog& Form, QWidget& Focus, Qt::Key Key)
{
    Form.show();
    Focus.setFocus();
    QTest::keyClick(&Focus, Key);
    return Form.result();
}

TEST(ConversionDialogs, EscapeCancelsAndEnterConfirmsWhereverTheFocusIs)
{
    SettingsVars.Seikei.Width = "72";
    const auto check = [](const std::function<QDialog*()>& Make, const std::function<QWidget&(QDialog&)>& Focus) {
        for (auto [key, result] : {std::pair{Qt::Key_Escape, mrCancel}, {Qt::Key_Return, mrOk}, {Qt::Key_Enter, mrOk}}) {
            std::unique_ptr<QDialog> form(Make());
            EXPECT_EQ(PressIn(*form, Focus(*form), key), result) << form->windowTitle().toStdString() << " " << key;
        }
    };
    const auto okButton = [](QDialog& Form) -> QWidget& { return *static_cast<TChooserForm&>(Form).OKButton; };
    check([] { return new TStrHenkanForm; }, okButton);
    check([] { return new TStrSeikeiForm; }, okButton);
    check([] { return new TStrDelForm; }, okButton);
    check([] { return new TSortForm; }, [](QDialog& Form) -> QWidget& { return *static_cast<TSortForm&>(Form).Edit1; });
    check([] { return new TSeikeiForm; },
          [](QDialog& Form) -> QWidget& { return *static_cast<TSeikeiForm&>(Form).MySpinEdit1; });
    check([] { return new TCopyForm; }, [](QDialog& Form) -> QWidget& { return *static_cast<TCopyForm&>(Form).OkButton; });
}

TEST(ConversionDialogs, ChooserOpensOnTheRememberedChoiceAndKeepsTheNewOne)
{
    SettingsVars.Delete.GStrDelNo = 4;
    TStrDelForm form;
    EXPECT_TRUE(form.Radio(4)->isChecked());
    form.Radio(11)->setChecked(true);
    form.OKButtonClick();
    EXPECT_EQ(SettingsVars.Delete.GStrDelNo, 11);
    EXPECT_EQ(form.result(), mrOk);
}

TEST(ConversionDialogs, WidthIsKeptBetween10And8192)
{
    const struct {
        const char* Typed;
        const char* Kept;
    } cases[] = {{"72", "72"}, {"9000", "8192"}, {"-20", "20"}, {"0", "10"}, {"1", "10"},
                 {"99999999999999999999", "8192"}, {"abc", ""}, {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(WrapWidthText(c.Typed).toStdString(), c.Kept) << c.Typed;
}

TEST(ConversionDialogs, WidthThatIsNoNumberIsToldAndTheDialogStaysOpen)
{
    TScriptedDialogs dialogs;
    SettingsVars.Seikei.Width = "40";
    TSeikeiForm form;
    form.show();
    form.MySpinEdit1->setText("abc");
    form.OKButtonClick();
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(dialogs.Questions().size(), 1u);
    EXPECT_EQ(dialogs.Questions()[0].Type, TMsgDlgType::mtError);
    EXPECT_EQ(SettingsVars.Seikei.Width, "40");
    form.MySpinEdit1->setText("9000");
    form.OKButtonClick();
    EXPECT_EQ(form.result(), mrOk);
    EXPECT_EQ(SettingsVars.Seikei.Width, "8192");
}

TEST(ConversionDialogs, FormattingOptionsFollowTheMode)
{
    SettingsVars.Seikei.Index = 0;
    SettingsVars.Seikei.SeikeiMax = true;
    TSeikeiForm form;
    // "最大値" takes the width and the English wrap away.
    EXPECT_FALSE(form.MySpinEdit1->isEnabled());
    EXPECT_FALSE(form.CheckEnglish->isEnabled());
    EXPECT_TRUE(form.CheckIndent->isEnabled());
    EXPECT_FALSE(form.CheckKeisen->isEnabled());

    form.RadioGroup1->button(3)->click(); // ruled box
    EXPECT_FALSE(form.CheckMaxStr->isChecked());
    EXPECT_FALSE(form.CheckMaxStr->isEnabled());
    EXPECT_FALSE(form.CheckIndent->isEnabled());
    EXPECT_TRUE(form.CheckKeisenRtn->isEnabled());
    EXPECT_TRUE(form.CheckKeisen->isEnabled());
    EXPECT_TRUE(form.MySpinEdit1->isEnabled());

    form.RadioGroup1->button(4)->click(); // quote formatting
    EXPECT_TRUE(form.CheckMaxStr->isEnabled());
    EXPECT_FALSE(form.CheckIndent->isEnabled());
    EXPECT_FALSE(form.CheckKeisenRtn->isEnabled());
    EXPECT_FALSE(form.CheckKeisen->isEnabled());

    form.RadioGroup1->button(1)->click();
    EXPECT_TRUE(form.CheckIndent->isEnabled());
    EXPECT_TRUE(form.CheckMaxStr->isEnabled());
    EXPECT_FALSE(form.CheckKeisen->isEnabled());

    form.CheckMaxStr->click();
    EXPECT_TRUE(form.CheckMaxStr->isChecked());
    EXPECT_FALSE(form.MySpinEdit1->isEnabled());
}

} // namespace

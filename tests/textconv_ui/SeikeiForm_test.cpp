// The formatting dialog: the width it keeps and the options each mode leaves;
// the number fields of the conversion dialogs.
#include "Beep.h"
#include "ScriptedDialogs.h"
#include "SeikeiForm.h"
#include "SortForm.h"
#include "SpinEx.h"
#include "SubIni.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

namespace {

// The hint a field's refusal shows, "" when none is up.
QString HintOf(const QLineEdit& Field)
{
    const QLabel* hint = Field.findChild<QLabel*>();
    return hint && hint->isVisible() ? hint->text() : QString();
}

// A number typed on the way to one of the range is refused by Return with
// the range, stays selected to be corrected, and the dialog stays open; a
// number of the range is then taken. In each dialog with a number field.
TEST(ConversionDialogs, ANumberOnTheWayIsRefusedWithTheRangeAndTheDialogStaysOpen)
{
    int beeps = 0;
    SetBeepHook([&] { ++beeps; });
    SettingsVars = {};
    SettingsVars.Seikei.Width = "40";
    SettingsVars.Col_Row.Mode = true;
    const struct {
        std::function<QDialog*()> Make;
        std::function<QLineEdit&(QDialog&)> Field;
        const char* Partial;
        const char* Hint;
        const char* Typed;
        std::function<int()> Taken;
        int Expected;
    } dialogs[] = {
        {[] { return new TSeikeiForm; },
         [](QDialog& Form) -> QLineEdit& { return *static_cast<TSeikeiForm&>(Form).MySpinEdit1; }, "3",
         "10 から 8192 までの数を入力してください。", "30", [] { return std::stoi(SettingsVars.Seikei.Width); }, 30},
        {[] { return new TSortForm; }, [](QDialog& Form) -> QLineEdit& { return *static_cast<TSortForm&>(Form).Edit1; },
         "+", "1 から 2147483647 までの数を入力してください。", "+3", [] { return SortChoice().SortPosition; }, 3},
    };
    for (const auto& d : dialogs) {
        const std::unique_ptr<QDialog> form(d.Make());
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QLineEdit& field = d.Field(*form);
        field.setFocus();
        field.selectAll();
        beeps = 0;
        QTest::keyClicks(&field, QString::fromUtf8(d.Partial));
        QTest::keyClick(&field, Qt::Key_Return);
        EXPECT_EQ(std::tuple(form->result(), field.selectedText(), HintOf(field), beeps),
                  std::tuple(int{mrNone}, QString::fromUtf8(d.Partial), QString::fromUtf8(d.Hint), 1))
            << form->windowTitle().toStdString();
        QTest::keyClick(&field, Qt::Key_Return);
        EXPECT_EQ(form->result(), mrNone) << "a second Return is refused too";
        QTest::keyClicks(&field, QString::fromUtf8(d.Typed));
        QTest::keyClick(&field, Qt::Key_Return);
        EXPECT_EQ(std::pair(form->result(), d.Taken()), std::pair(int{mrOk}, d.Expected))
            << form->windowTitle().toStdString();
    }
    SetBeepHook(nullptr);
}

// A width the settings file gave that is no number of the range is refused
// too; a width that "最大値" leaves unused is not asked for, and the value
// in effect (the limit a number passed) is kept.
TEST(ConversionDialogs, AWidthFromTheSettingsOutOfRangeIsRefusedUnlessUnused)
{
    TScriptedDialogs dialogs;
    for (const auto& [stored, unused] : {std::pair{"abc", "10"}, std::pair{"9000", "8192"}}) {
        SettingsVars.Seikei.Width = stored;
        SettingsVars.Seikei.SeikeiMax = false;
        TSeikeiForm form;
        form.show();
        form.OKButtonClick();
        EXPECT_EQ(std::tuple(form.result(), SettingsVars.Seikei.Width, dialogs.Questions().size()),
                  std::tuple(int{mrNone}, std::string(stored), size_t{0}))
            << stored;
        form.CheckMaxStr->click();
        form.OKButtonClick();
        EXPECT_EQ(std::pair(form.result(), SettingsVars.Seikei.Width), std::pair(int{mrOk}, std::string(unused)))
            << stored << ": the value in effect";
    }
}

// The options left enabled, each as a letter: W width, E English, I
// indentation, M maximum, R keep the line breaks, K heavy frame.
std::string Enabled(const TSeikeiForm& Form)
{
    std::string letters;
    for (const auto& [letter, widget] : {std::pair<char, QWidget*>{'W', Form.MySpinEdit1},
                                         {'E', Form.CheckEnglish},
                                         {'I', Form.CheckIndent},
                                         {'M', Form.CheckMaxStr},
                                         {'R', Form.CheckKeisenRtn},
                                         {'K', Form.CheckKeisen}})
        if (widget->isEnabled())
            letters += letter;
    return letters;
}

TEST(ConversionDialogs, FormattingOptionsFollowTheMode)
{
    SettingsVars.Seikei.Index = 0;
    SettingsVars.Seikei.SeikeiMax = true;
    TSeikeiForm form;
    // "最大値" takes the width and the English wrap away.
    EXPECT_EQ(Enabled(form), "IM");
    form.RadioGroup1->button(3)->click(); // ruled box
    EXPECT_EQ(Enabled(form), "WERK");
    EXPECT_FALSE(form.CheckMaxStr->isChecked());
    form.RadioGroup1->button(4)->click(); // quote formatting
    EXPECT_EQ(Enabled(form), "WEM");
    form.RadioGroup1->button(1)->click();
    EXPECT_EQ(Enabled(form), "WEIM");
    form.CheckMaxStr->click();
    EXPECT_TRUE(form.CheckMaxStr->isChecked());
    EXPECT_EQ(Enabled(form), "IM");
}

// Keeping the line breaks is asked afresh each time: the box opens
// unchecked, whatever the last formatting used.
TEST(ConversionDialogs, KeepingLineBreaksIsAskedEachTime)
{
    SettingsVars.Seikei.Index = 3; // ruled box
    SettingsVars.Seikei.Width = "40";
    {
        TSeikeiForm form;
        form.CheckKeisenRtn->click();
        form.OKButtonClick();
    }
    EXPECT_TRUE(KeisenRtn()) << "the formatting that follows keeps them";
    TSeikeiForm again;
    EXPECT_FALSE(again.CheckKeisenRtn->isChecked());
}

} // namespace

// The formatting dialog: the width it keeps and the options each mode leaves.
#include "ScriptedDialogs.h"
#include "SeikeiForm.h"
#include "SpinEx.h"
#include "SubIni.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>

#include <gtest/gtest.h>

namespace {

TEST(ConversionDialogs, WidthIsKeptBetween10And8192)
{
    const struct {
        const char* Typed;
        const char* Kept;
    } cases[] = {{"72", "72"}, {"9000", "8192"}, {"-20", "20"},
                 {"0", "10"},  {"1", "10"},      {"99999999999999999999", "8192"},
                 {"abc", ""},  {"", ""}};
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

#include "KeyCustomForm.h"

#include "CommandTable.h"
#include "KeyCandidates.h"
#include "ScriptedDialogs.h"
#include "SettingsTestSupport.h"
#include "ShortCutText.h"
#include "SjisLiteral.h"
#include "TempDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class KeyForm : public ::testing::Test {
protected:
    KeyForm() { Form.FormShow(); }

    int RowOf(std::string_view ItemName) const
    {
        const auto& rows = KeyDialogRows();
        for (size_t r = 0; r < rows.size(); ++r)
            if (rows[r]->ItemName == ItemName)
                return static_cast<int>(r);
        ADD_FAILURE() << "no row " << ItemName;
        return 0;
    }
    std::string KeyOf(std::string_view ItemName) const
    {
        return Form.ListView1->topLevelItem(RowOf(ItemName))->text(1).toStdString();
    }
    void SetBoxes(bool Ctrl, bool Shift, bool Alt)
    {
        Form.CkCtrlKey->setChecked(Ctrl);
        Form.CkShiftKey->setChecked(Shift);
        Form.CkAltKey->setChecked(Alt);
    }
    // Double-clicks Key in the list for the row of ItemName.
    void Assign(std::string_view ItemName, const std::string& Key)
    {
        Form.ListView1->setCurrentItem(Form.ListView1->topLevelItem(RowOf(ItemName)));
        const QList<QListWidgetItem*> found = Form.ListBox1->findItems(QString::fromStdString(Key), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << Key;
        Form.ListBox1->setCurrentItem(found.front());
        Form.ListBox1DblClick();
    }
    QStringList Candidates() const
    {
        QStringList lines;
        for (int i = 0; i < Form.ListBox1->count(); ++i)
            lines.append(Form.ListBox1->item(i)->text());
        return lines;
    }
    void Press(QWidget* Control, int Key)
    {
        QKeyEvent press(QEvent::KeyPress, Key, Qt::NoModifier);
        QApplication::sendEvent(Control, &press);
    }

    TScriptedDialogs Dialogs;
    TMenuItems Items;
    TKeyForm Form{Items};
};

TEST_F(KeyForm, OpensOnRowZeroWithTheKeysWithoutModifiers)
{
    Items.SetShortCut("FlOpen", scCtrl | 'O');
    TKeyForm form(Items);
    form.FormShow();
    EXPECT_EQ(form.ListView1->topLevelItemCount(), 160);
    EXPECT_EQ(form.ListView1->currentItem(), form.ListView1->topLevelItem(0));
    EXPECT_FALSE(form.CkCtrlKey->isChecked() || form.CkShiftKey->isChecked() || form.CkAltKey->isChecked());
    EXPECT_EQ(Candidates(), (QStringList{"UnDefined", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10",
                                         "F11", "F12"}));
    EXPECT_EQ(form.ListView1->topLevelItem(0)->text(1), "");
    EXPECT_EQ(form.ListView1->topLevelItem(RowOf("FlOpen"))->text(1), "Ctrl+O");
    EXPECT_EQ(KeyOf("FlNew"), "UnDefined");
}

TEST_F(KeyForm, TheBoxesChooseTheSetAndAllThreeChooseNone)
{
    struct TCase {
        bool Ctrl, Shift, Alt;
        int Count;
        const char* Second;
    };
    for (const TCase& c : {TCase{true, false, false, 56, "Ctrl+A"}, TCase{true, true, false, 48, "Shift+Ctrl+A"},
                           TCase{false, true, false, 16, "Shift+Enter"}, TCase{true, false, true, 22, "Ctrl+Alt+Ins"},
                           TCase{false, false, true, 22, "Alt+Ins"}, TCase{false, true, true, 22, "Shift+Alt+Ins"}}) {
        SetBoxes(c.Ctrl, c.Shift, c.Alt);
        EXPECT_EQ(Form.ListBox1->count(), c.Count) << c.Second;
        EXPECT_EQ(Form.ListBox1->item(1)->text(), c.Second);
        EXPECT_TRUE(Form.ListBox1->isEnabled());
    }
    Form.ListView1->setCurrentItem(Form.ListView1->topLevelItem(RowOf("FlNew")));
    SetBoxes(true, true, true);
    EXPECT_EQ(Candidates(), (QStringList{"  Ctrl+Shift+Alt", "を組み合わせることは", "できません！"}));
    EXPECT_FALSE(Form.ListBox1->isEnabled());
    EXPECT_EQ(Form.CandidateColor(0, false), RGB(128, 128, 128));
    Form.ListBox1->setCurrentRow(0);
    Form.ListBox1DblClick();
    EXPECT_EQ(KeyOf("FlNew"), "UnDefined");
}

// Every candidate is a shortcut the program names the same way back.
TEST_F(KeyForm, EveryCandidateIsAShortcutOfItsOwnName)
{
    for (int set = 0; set < 7; ++set) {
        for (const std::string& key : KeyCandidates(set)) {
            if (key != UnDefinedKey) {
                EXPECT_EQ(ShortCutToText(TextToShortCut(key)), key);
            }
        }
    }
}

TEST_F(KeyForm, ATakenKeyIsRefusedAndShownRed)
{
    Items.SetShortCut("FlNew", scCtrl | 'N');
    Form.FormShow();
    SetBoxes(true, false, false);
    Assign("FlOpen", "Ctrl+N");
    ASSERT_EQ(Dialogs.Questions().size(), 1u);
    EXPECT_EQ(Dialogs.Questions()[0].Text, "このキー割り当ては既に使われています。 Ctrl+N");
    EXPECT_EQ(KeyOf("FlOpen"), "UnDefined");
    Assign("FlNew", "Ctrl+N");
    EXPECT_EQ(Dialogs.Questions().size(), 2u) << "the row's own key counts too";

    const int ctrlN = Form.ListBox1->currentRow();
    Form.ListView1->setCurrentItem(Form.ListView1->topLevelItem(RowOf("FlOpen")));
    EXPECT_EQ(Form.CandidateColor(ctrlN, false), RGB(255, 0, 0));
    EXPECT_EQ(Form.CandidateColor(ctrlN, true), RGB(255, 96, 96));
    EXPECT_EQ(Form.CandidateColor(ctrlN + 1, false), clBlack);
}

// A key is moved by clearing it first; any number of rows may hold none.
TEST_F(KeyForm, ClearingAKeyLetsAnotherRowTakeItAndOkWritesEveryRow)
{
    Items.SetShortCut("FlNew", scCtrl | 'N');
    Items.SetShortCut("EdCopy", scCtrl | 'C');
    Items.SetShortCut("pEdCopy", 0);
    Form.FormShow();
    Assign("FlNew", "UnDefined");
    Assign("FlOpen", "UnDefined");
    SetBoxes(true, false, false);
    Assign("FlOpen", "Ctrl+N");
    EXPECT_TRUE(Dialogs.Questions().empty());
    EXPECT_EQ(Items.ShortCut("FlOpen"), 0) << "nothing changes before OK";

    Press(Form.ListBox1, Qt::Key_Return);
    EXPECT_EQ(Form.result(), mrOk);
    EXPECT_EQ(Items.ShortCut("FlNew"), 0);
    EXPECT_EQ(Items.ShortCut("FlOpen"), scCtrl | 'N');
    EXPECT_EQ(Items.ShortCut("EdCopy"), scCtrl | 'C');
    EXPECT_EQ(Items.ShortCut("pEdCopy"), scCtrl | 'C') << "the popup twin follows its item";
}

// A default shortcut the user removed stays removed after a restart.
TEST_F(KeyForm, ARemovedDefaultStaysRemovedInTheKeyFile)
{
    TempDir dir;
    const std::string file = dir.File("velk2000Key.ini");
    LoadKeyIni(Items, file);
    Form.FormShow();
    Assign("FlNew", "UnDefined");
    Form.OkButtonClick();
    SaveKeyIni(Items, file);

    TMenuItems restarted;
    LoadKeyIni(restarted, file);
    EXPECT_EQ(restarted.ShortCut("FlNew"), 0);
    EXPECT_EQ(restarted.ShortCut("EdCopy"), scCtrl | 'C');
}

TEST_F(KeyForm, EscapeDiscardsEveryChange)
{
    const auto before = Items.Items();
    Dialogs.AnswerForm([this](QDialog& Dialog) {
        auto& form = dynamic_cast<TKeyForm&>(Dialog);
        form.ListView1->setCurrentItem(form.ListView1->topLevelItem(RowOf("FlOpen")));
        form.ListBox1->setCurrentRow(3);
        form.ListBox1DblClick();
        Press(form.ListBox1, Qt::Key_Escape);
        return static_cast<TModalResult>(form.result());
    });
    EXPECT_FALSE(ExecuteKeyForm(Items, nullptr));
    EXPECT_EQ(Items.Items(), before);
}

TEST_F(KeyForm, KeysTheDesktopUsuallyTakesCarryANote)
{
    SetBoxes(true, false, true);
    Form.ListBox1->setCurrentItem(Form.ListBox1->findItems("Ctrl+Alt+Left", Qt::MatchExactly).front());
    EXPECT_FALSE(Form.NoteLabel->isHidden());
    EXPECT_TRUE(Form.NoteLabel->text().startsWith("Ctrl+Alt+Left "));
    Form.ListBox1->setCurrentItem(Form.ListBox1->findItems("Ctrl+Alt+Ins", Qt::MatchExactly).front());
    EXPECT_TRUE(Form.NoteLabel->isHidden());
    EXPECT_EQ(DesktopKeyNote("Ctrl+Space").empty(), false);
    EXPECT_EQ(DesktopKeyNote("Ctrl+A"), "");
}

} // namespace

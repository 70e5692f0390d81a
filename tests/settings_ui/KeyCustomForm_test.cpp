#include "KeyCustomForm.h"

#include "CommandTable.h"
#include "DialogFrameCheck.h"
#include "ScriptedDialogs.h"
#include "SettingsTestSupport.h"
#include "ShortCutText.h"
#include "TempDir.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <tuple>

namespace {

int RowOf(std::string_view ItemName)
{
    const auto& rows = KeyDialogRows();
    const auto named = [ItemName](const TCommandRow* Row) { return Row->Item && Row->Item->Name() == ItemName; };
    return static_cast<int>(std::ranges::find_if(rows, named) - rows.begin());
}

class KeyForm : public ::testing::Test {
protected:
    KeyForm() { Form.FormShow(); }

    QString KeyOf(std::string_view ItemName) const { return Form.ListView1->topLevelItem(RowOf(ItemName))->text(1); }
    void SetBoxes(bool Ctrl, bool Shift, bool Alt)
    {
        Form.CkCtrlKey->setChecked(Ctrl);
        Form.CkShiftKey->setChecked(Shift);
        Form.CkAltKey->setChecked(Alt);
    }
    // Double-clicks candidate Key for the row of ItemName.
    void Assign(std::string_view ItemName, const char* Key)
    {
        Form.ListView1->setCurrentItem(Form.ListView1->topLevelItem(RowOf(ItemName)));
        Form.ListBox1->setCurrentItem(Form.ListBox1->findItems(Key, Qt::MatchExactly).value(0));
        Form.ListBox1DblClick();
    }

    TScriptedDialogs Dialogs;
    TMenuItems Items;
    TKeyForm Form{Items};
};

TEST_F(KeyForm, OpensWithoutModifiersAndTheBoxesChooseTheSet)
{
    Items.SetShortCut("FlOpen", scCtrl | 'O');
    Form.FormShow();
    EXPECT_EQ(Form.ListView1->currentItem(), Form.ListView1->topLevelItem(0));
    EXPECT_FALSE(Form.CkCtrlKey->isChecked() || Form.CkShiftKey->isChecked() || Form.CkAltKey->isChecked());
    EXPECT_EQ(Form.ListBox1->item(Form.ListBox1->count() - 1)->text(), "F12");
    EXPECT_EQ(KeyOf("FlOpen"), "Ctrl+O");
    // Ctrl, Shift, Alt; the size of the set and its first key.
    const std::tuple<bool, bool, bool, int, const char*> sets[] = {
        {1, 0, 0, 56, "Ctrl+A"},       {1, 1, 0, 48, "Shift+Ctrl+A"}, {0, 1, 0, 16, "Shift+Enter"},
        {1, 0, 1, 22, "Ctrl+Alt+Ins"}, {0, 0, 1, 22, "Alt+Ins"},      {0, 1, 1, 22, "Shift+Alt+Ins"}};
    for (const auto& [ctrl, shift, alt, count, first] : sets) {
        SetBoxes(ctrl, shift, alt);
        EXPECT_EQ(Form.ListBox1->count(), count) << first;
        EXPECT_EQ(Form.ListBox1->item(1)->text(), first);
    }
    SetBoxes(true, true, true);
    EXPECT_EQ(Form.ListBox1->item(2)->text(), "できません！");
    EXPECT_FALSE(Form.ListBox1->isEnabled());
    EXPECT_EQ(Form.CandidateColor(0, false), RGB(128, 128, 128));
    Assign("FlNew", "  Ctrl+Shift+Alt");
    EXPECT_EQ(KeyOf("FlNew"), "UnDefined");
}

TEST_F(KeyForm, ATakenKeyIsRefusedAndShownRed)
{
    Items.SetShortCut("FlNew", scCtrl | 'N');
    const auto before = Items.Items();
    Form.FormShow();
    SetBoxes(true, false, false);
    Assign("FlOpen", "Ctrl+N");
    Assign("FlNew", "Ctrl+N");
    ASSERT_EQ(Dialogs.Questions().size(), 2u) << "the row's own key counts too";
    EXPECT_EQ(Dialogs.Questions()[0].Text, "このキー割り当ては既に使われています。 Ctrl+N（新規作成）")
        << "the message names the command that has the key";
    EXPECT_EQ(KeyOf("FlOpen"), "UnDefined");

    const int ctrlN = Form.ListBox1->currentRow();
    EXPECT_EQ(Form.CandidateColor(ctrlN, false), RGB(255, 0, 0));
    EXPECT_EQ(Form.CandidateColor(ctrlN, true), RGB(255, 96, 96));
    EXPECT_EQ(Form.CandidateColor(ctrlN + 1, false), clBlack);

    Assign("FlOpen", "Ctrl+J");
    ASSERT_EQ(KeyOf("FlOpen"), "Ctrl+J");
    QTest::keyClick(Form.ListBox1, Qt::Key_Escape);
    EXPECT_EQ(Form.result(), mrCancel);
    EXPECT_EQ(Items.Items(), before) << "Escape discards every change";
}

// Without a mouse: Return and Space in the key list give the key; Return
// anywhere else confirms the dialog.
TEST_F(KeyForm, ReturnOrSpaceInTheKeyListAssigns)
{
    SetBoxes(true, false, false);
    const struct {
        const char* Item;
        const char* Key;
        Qt::Key Press;
    } cases[] = {{"FlOpen", "Ctrl+J", Qt::Key_Return}, {"FlSave", "Ctrl+K", Qt::Key_Space}};
    for (const auto& c : cases) {
        Form.ListView1->setCurrentItem(Form.ListView1->topLevelItem(RowOf(c.Item)));
        Form.ListBox1->setCurrentItem(Form.ListBox1->findItems(c.Key, Qt::MatchExactly).value(0));
        QTest::keyClick(Form.ListBox1, c.Press);
        EXPECT_EQ(KeyOf(c.Item), c.Key);
    }
    EXPECT_EQ(Form.result(), 0) << "the dialog stays open";
    QTest::keyClick(Form.ListView1, Qt::Key_Return);
    EXPECT_EQ(Form.result(), mrOk);
    EXPECT_EQ(Items.ShortCut("FlSave"), scCtrl | 'K');
}

// A key moves by clearing it first; any number of rows may hold none. A
// removed default shortcut stays removed after a restart.
TEST_F(KeyForm, AClearedKeyCanBeReassignedAndEnterWritesEveryRow)
{
    const TempDir dir;
    LoadKeyIni(Items, dir.File("k.ini"));
    Form.FormShow();
    Assign("FlNew", "UnDefined");
    Assign("FlOpen", "UnDefined");
    SetBoxes(true, false, false);
    Assign("FlOpen", "Ctrl+N");
    EXPECT_TRUE(Dialogs.Questions().empty());
    EXPECT_EQ(Items.ShortCut("FlOpen"), scCtrl | 'O') << "nothing changes before OK";

    QTest::keyClick(Form.ListView1, Qt::Key_Return);
    EXPECT_EQ(Form.result(), mrOk);
    SaveKeyIni(Items, dir.File("k.ini"));
    TMenuItems restarted;
    LoadKeyIni(restarted, dir.File("k.ini"));
    EXPECT_EQ(restarted.ShortCut("FlNew"), 0);
    EXPECT_EQ(restarted.ShortCut("FlOpen"), scCtrl | 'N');
    EXPECT_EQ(restarted.ShortCut("pEdCopy"), scCtrl | 'C') << "the popup twin follows its item";
}

TEST_F(KeyForm, KeysTheDesktopUsuallyTakesCarryANote)
{
    SetBoxes(true, false, true);
    Form.ListBox1->setCurrentItem(Form.ListBox1->findItems("Ctrl+Alt+Left", Qt::MatchExactly).value(0));
    EXPECT_TRUE(Form.NoteLabel->text().startsWith("Ctrl+Alt+Left "));
    EXPECT_FALSE(Form.NoteLabel->isHidden());
    Form.ListBox1->setCurrentItem(Form.ListBox1->findItems("Ctrl+Alt+Ins", Qt::MatchExactly).value(0));
    EXPECT_TRUE(Form.NoteLabel->isHidden());
}

TEST_F(KeyForm, HasADialogBorderWithACloseBoxOnly) { EXPECT_TRUE(HasDialogFrame(Form, true)); }

} // namespace

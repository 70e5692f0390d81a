// The Options menu through the real window: the key dialog and colour
// schemes; a confirmed options dialog is applied (with the edit mode's
// comment leader and clipping mode's external-editor button) and written to
// the settings file, a cancelled one is not.
#include "FormFixture.h"
#include "OptionsForm.h"

#include "DockButton.h"
#include "EditorEx.h"
#include "Files.h"
#include "IniFiles.h"
#include "KeyCustomForm.h"
#include "Menus.h"
#include "SubIni.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <filesystem>

namespace {

class OptionCommandsTest : public FormTest {
protected:
    void SetUp() override { ASSERT_EQ(form->FormCreate({}), TStartOutcome::Run); }
    // Runs "設定" with Change made in the dialog, confirmed or not.
    void Options(std::function<void(TOpForm&)> Change, bool Confirm)
    {
        dialogs.AnswerForm([Change, Confirm](QDialog& Dialog) {
            auto& options = static_cast<TOpForm&>(Dialog);
            Change(options);
            if (Confirm)
                options.OKButtonClick();
            return Confirm ? options.result() : mrCancel;
        });
        form->MenuItem("OpMain")->Click();
    }
};

} // namespace

TEST_F(OptionCommandsTest, ConfirmedOptionsAreAppliedAndKept)
{
    Options([](TOpForm& f) {
        f.EdSpcNum->setText("3");
        f.CheckZenSpace->setChecked(true);
        f.ExEditor->setText("/bin/sh -c x");
    }, true);
    EXPECT_TRUE(form->DataMemo()->ExMarks()->DBSpaceMark()->Visible());
    EXPECT_TRUE(form->ToolButton("sbGoEditor")->Enabled());

    SettingsVars = {};
    LoadIni(*form);
    EXPECT_EQ(SettingsVars.InsSpc.width, 3);
    EXPECT_TRUE(SettingsVars.SpaceTab);
}

TEST_F(OptionCommandsTest, CancelledOptionsWriteNothing)
{
    std::filesystem::remove(SettingsFilePath());
    Options([](TOpForm& f) { f.EdSpcNum->setText("3"); }, false);
    EXPECT_FALSE(std::filesystem::exists(SettingsFilePath()));
    EXPECT_NE(SettingsVars.InsSpc.width, 3);
}

TEST_F(OptionCommandsTest, ConfirmedOptionsFollowTheModeAndClipping)
{
    form->SwitchEditMode(4);
    SettingsVars.CommentType = true;
    SettingsVars.QMark = ">";
    form->OpClipClick();
    Options([](TOpForm& f) { f.ExEditor->setText("/bin/sh -c x"); }, true);
    EXPECT_EQ(form->DataMemo()->View()->Commenter(), "'");
    EXPECT_FALSE(form->ToolButton("sbGoEditor")->Enabled());
    form->OpClipClick();
    EXPECT_TRUE(form->ToolButton("sbGoEditor")->Enabled());
}

TEST_F(OptionCommandsTest, OnlyOkInTheKeyDialogChangesTheShortcutsAndWritesTheKeyFile)
{
    for (const TModalResult result : {mrCancel, mrOk})
        dialogs.AnswerForm([result](QDialog& Dialog) {
            auto& keys = dynamic_cast<TKeyForm&>(Dialog);
            keys.ListView1->setCurrentItem(keys.ListView1->topLevelItem(1)); // FlNew
            keys.ListBox1->setCurrentRow(0);                                   // UnDefined
            keys.ListBox1DblClick();
            if (result == mrOk)
                keys.OkButtonClick();
            return result;
        });
    form->MenuItem("OpKeyCustom")->Click();
    EXPECT_NE(form->MenuItem("FlNew")->ShortCut(), 0);
    EXPECT_FALSE(std::filesystem::exists(KeyFilePath()));

    form->MenuItem("OpKeyCustom")->Click();
    EXPECT_EQ(form->MenuItem("FlNew")->ShortCut(), 0);
    const TIniFile keys(KeyFilePath());
    EXPECT_EQ(keys.ReadString("Activation", "First", ""), "IsFirst");
    EXPECT_EQ(keys.ReadString("ShortcutKey", "FileNew", "absent"), "");
}

TEST_F(OptionCommandsTest, ALoadedColourSchemeColoursTheEditorAndItsMarks)
{
    WriteFileAtomic(Home() + "mine.cfg", "[Colors]\r\nSelectCol=291\r\nZenTabCol=4660\r\nHanCol=22136\r\nAnkCol=255\r\n");
    dialogs.AnswerFiles({Home() + "mine.cfg"});
    form->MenuItem("OpLoadColor")->Click();
    TEditorEx& memo = *form->ActiveEditor();
    EXPECT_EQ(memo.View()->Colors()->Select()->Color(), 291);
    EXPECT_EQ(memo.ExMarks()->DBSpaceMark()->Color(), 4660);
    EXPECT_EQ(memo.ExMarks()->TabMark()->Color(), 4660);
    EXPECT_EQ(memo.ExMarks()->SpaceMark()->Color(), 22136);
    EXPECT_EQ(memo.Leftbar()->Color(), 255);

    dialogs.AnswerFiles({Home() + "saved.cfg"});
    form->MenuItem("OpSaveColor")->Click();
    EXPECT_EQ(TIniFile(Home() + "saved.cfg").ReadInteger("Colors", "SelectCol", -1), 291);
}

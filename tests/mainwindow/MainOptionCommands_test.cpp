// The Options menu through the real window: the options, key and colour
// dialogs, and the menu's own switches.
#include "FormFixture.h"
#include "OptionsForm.h"

#include "IniFiles.h"
#include "KeyCustomForm.h"
#include "Menus.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

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

TEST_F(OptionCommandsTest, OnlyConfirmedOptionsAreAppliedAndWritten)
{
    std::filesystem::remove(SettingsFilePath());
    Options([](TOpForm& f) { f.EdSpcNum->setText("3"); }, false);
    EXPECT_FALSE(std::filesystem::exists(SettingsFilePath()));
    EXPECT_NE(SettingsVars.InsSpc.width, 3);

    Options(
        [](TOpForm& f) {
            f.EdSpcNum->setText("3");
            f.CheckZenSpace->setChecked(true);
            f.ExEditor->setText("/bin/sh -c x");
        },
        true);
    EXPECT_TRUE(form->DataMemo()->ExMarks()->DBSpaceMark()->Visible());
    EXPECT_EQ(Enabled({"sbGoEditor"}), "+");
    SettingsVars = {};
    LoadIni(*form);
    EXPECT_EQ(SettingsVars.InsSpc.width, 3);
    EXPECT_TRUE(SettingsVars.SpaceTab);
}

TEST_F(OptionCommandsTest, ConfirmedOptionsFollowTheModeAndClipping)
{
    form->SwitchEditMode(4);
    SettingsVars.CommentType = true;
    SettingsVars.QMark = ">";
    form->OpClipClick();
    Options([](TOpForm& f) { f.ExEditor->setText("/bin/sh -c x"); }, true);
    EXPECT_EQ(form->DataMemo()->View()->Commenter(), "'");
    EXPECT_EQ(Enabled({"sbGoEditor"}), "-") << "clipping bars the external editor";
}

TEST_F(OptionCommandsTest, OnlyOkInTheKeyDialogChangesTheShortcutsAndWritesTheKeyFile)
{
    for (const TModalResult result : {mrCancel, mrOk})
        dialogs.AnswerForm([result](QDialog& Dialog) {
            auto& keys = dynamic_cast<TKeyForm&>(Dialog);
            keys.ListView1->setCurrentItem(keys.ListView1->topLevelItem(1)); // FlNew
            keys.ListBox1->setCurrentRow(0);                                 // UnDefined
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
    WriteFileAtomic(Home() + "mine.cfg",
                    "[Colors]\r\nSelectCol=291\r\nZenTabCol=4660\r\nHanCol=22136\r\nAnkCol=255\r\n");
    dialogs.AnswerFiles({Home() + "mine.cfg"});
    form->MenuItem("OpLoadColor")->Click();
    TEditorEx& memo = *form->ActiveEditor();
    EXPECT_EQ((std::vector<int>{memo.View()->Colors()->Select()->Color(), memo.ExMarks()->DBSpaceMark()->Color(),
                                memo.ExMarks()->TabMark()->Color(), memo.ExMarks()->SpaceMark()->Color(),
                                memo.Leftbar()->Color()}),
              (std::vector<int>{291, 4660, 4660, 22136, 255}));

    dialogs.AnswerFiles({Home() + "saved.cfg"});
    form->MenuItem("OpSaveColor")->Click();
    EXPECT_EQ(TIniFile(Home() + "saved.cfg").ReadInteger("Colors", "SelectCol", -1), 291);
}

TEST_F(OptionCommandsTest, BracketCountStepsOverWholeCharacters)
{
    form->DataMemo()->SetText(Sjis("「a」「b") + "\x8C\x81u");
    form->DataMemo()->SelectAll();
    form->OpCheckKakkoClick();
    EXPECT_EQ(LastQuestion(), "「 = 2\r\n\r\n」 = 1");
    form->DataMemo()->SetSelLength(0);
    form->OpCheckKakkoClick();
    EXPECT_EQ(dialogs.Questions().size(), 1u);
}

TEST_F(OptionCommandsTest, NumberingStartStaysWithinItsRange)
{
    const struct {
        std::string Typed;
        int Number;
    } cases[] = {{"5000", 1}, {"abc", 0}, {"-1", 1}, {"12", 12}};
    for (const auto& c : cases) {
        dialogs.AnswerText(c.Typed);
        form->OpInsNoInitClick();
        EXPECT_EQ(form->InsertNumber(), c.Number) << c.Typed;
    }
}

TEST_F(OptionCommandsTest, BoxSelectionShowsInTheStatusBar)
{
    form->MenuItem("OpBoxSel")->Click();
    EXPECT_EQ(form->DataMemo()->SelectionMode(), TEditorSelectionMode::smBox);
    EXPECT_EQ(Panel(5), "［矩形選択］");
    form->MenuItem("OpBoxSel")->Click();
    EXPECT_EQ(Panel(5), "");
}

// The Options menu's key dialog and colour schemes through the real window.
#include "FormFixture.h"

#include "EditorEx.h"
#include "Files.h"
#include "IniFiles.h"
#include "KeyCustomForm.h"
#include "Menus.h"
#include "SubIni.h"

#include <QListWidget>
#include <QTreeWidget>
#include <filesystem>

namespace {

class KeyCommands : public FormTest {
protected:
    KeyCommands() { EXPECT_EQ(form->FormCreate({}), TStartOutcome::Run); }
};

TEST_F(KeyCommands, OnlyOkChangesTheShortcutsAndWritesTheKeyFile)
{
    const auto clearFirstCommand = [](TModalResult Result) {
        return [Result](QDialog& Dialog) {
            auto& form = dynamic_cast<TKeyForm&>(Dialog);
            form.ListView1->setCurrentItem(form.ListView1->topLevelItem(1));
            form.ListBox1->setCurrentRow(0);
            form.ListBox1DblClick();
            if (Result == mrOk)
                form.OkButtonClick();
            return Result;
        };
    };
    const TShortCut before = form->MenuItem("FlNew")->ShortCut();
    ASSERT_NE(before, 0);
    dialogs.AnswerForm(clearFirstCommand(mrCancel));
    form->MenuItem("OpKeyCustom")->Click();
    EXPECT_EQ(form->MenuItem("FlNew")->ShortCut(), before);
    EXPECT_FALSE(std::filesystem::exists(KeyFilePath()));

    dialogs.AnswerForm(clearFirstCommand(mrOk));
    form->MenuItem("OpKeyCustom")->Click();
    EXPECT_EQ(form->MenuItem("FlNew")->ShortCut(), 0);
    const TIniFile keys(KeyFilePath());
    EXPECT_EQ(keys.ReadString("Activation", "First", ""), "IsFirst");
    EXPECT_TRUE(keys.ValueExists("ShortcutKey", "FileNew"));
    EXPECT_EQ(keys.ReadString("ShortcutKey", "FileNew", "?"), "");
}

TEST_F(KeyCommands, ALoadedSchemeColoursTheEditorAndItsMarks)
{
    const std::string scheme = Home() + "mine.cfg";
    WriteFileAtomic(scheme, "[Colors]\r\nSelectCol=291\r\nZenTabCol=4660\r\nHanCol=22136\r\nAnkCol=255\r\n");
    dialogs.AnswerFiles({scheme});
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

} // namespace

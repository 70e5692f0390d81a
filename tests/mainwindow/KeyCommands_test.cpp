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

TEST_F(FormTest, OnlyOkInTheKeyDialogChangesTheShortcutsAndWritesTheKeyFile)
{
    ASSERT_EQ(form->FormCreate({}), TStartOutcome::Run);
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

TEST_F(FormTest, ALoadedColourSchemeColoursTheEditorAndItsMarks)
{
    ASSERT_EQ(form->FormCreate({}), TStartOutcome::Run);
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

} // namespace

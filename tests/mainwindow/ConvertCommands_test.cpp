// The conversion commands as the main window offers them: popup-menu items
// and the string toolbar act on the page editor's selection.
#include "FormFixture.h"

#include "EditorEx.h"
#include "SubIni.h"

namespace {

using ConvertCommandsTest = FormTest;

TEST_F(ConvertCommandsTest, PopupItemsAndToolbarActOnTheSelection)
{
    TEditorEx& memo = *form->DataMemo();
    form->MenuItem("pEdHankKakko")->Click();
    EXPECT_EQ(memo.Lines()->Text(), "[]");

    memo.Lines()->SetTextStr("abc");
    memo.SelectAll();
    form->MenuItem("pEdStrCvSmallToBig")->Click();
    EXPECT_EQ(memo.Lines()->Text(), "ABC");

    memo.SelectAll();
    SettingsVars.Convert.StrHenkanNo = 4;
    dialogs.AnswerForm([](QDialog&) { return mrOk; });
    Click("sbHenkan");
    EXPECT_EQ(memo.Lines()->Text(), "abc");
    EXPECT_EQ(dialogs.PendingAnswers(), 0u);
}

} // namespace

// The conversion commands as the main window offers them: popup-menu items
// and the string toolbar act on the page editor's selection.
#include "FormFixture.h"

#include "CopyForm.h"
#include "SortForm.h"

#include <QLabel>
#include <QPushButton>

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

TEST_F(ConvertCommandsTest, ManuscriptCountShowsThePageAndTheFile)
{
    form->DocumentFiles().FlNewClick();
    form->DataMemo()->Lines()->SetTextStr("a\r\nb\r\nc\r\n");
    std::string page, book;
    dialogs.AnswerForm([&](QDialog& Form) {
        page = static_cast<TCopyForm&>(Form).LbGPage->text().toStdString();
        book = static_cast<TCopyForm&>(Form).Label2->text().toStdString();
        return mrOk;
    });
    form->MenuItem("OpGenkou")->Click();
    EXPECT_EQ(page, "このページは　　　　　　　      1枚です。最後の１枚は  3行です。");
    EXPECT_EQ(book.rfind("本・全角 ", 0), 0u);
}

TEST_F(ConvertCommandsTest, ALineSortAddsNoLineBreakToASelectionThatEndedWithoutOne)
{
    TEditorEx& memo = *form->DataMemo();
    memo.SetText("c\r\na\r\nb");
    memo.SelectAll();
    dialogs.AnswerForm([](QDialog& Dialog) {
        static_cast<TSortForm&>(Dialog).OKButton->click();
        return Dialog.result();
    });
    form->MenuItem("EdSort")->Click();
    EXPECT_EQ(memo.GetText(), "a\r\nb\r\nc");
}

} // namespace

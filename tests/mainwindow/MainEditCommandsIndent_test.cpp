// 字下げ and 字下げを戻す from the menu: they take the selected lines, and
// without a selection they beep rather than do nothing unseen.
#include "FormFixture.h"

#include "Beep.h"

namespace {

class IndentCommands : public FormTest {
protected:
    void SetUp() override
    {
        StartShown();
        SetBeepHook([this] { ++beeps; });
    }
    void TearDown() override { SetBeepHook(nullptr); }
    void Run(std::string_view Item)
    {
        form->MenuItem(Item)->Click();
        QApplication::processEvents();
    }
    int beeps = 0;
};

TEST_F(IndentCommands, WithoutASelectionTheyBeepAndWithOneTheyIndent)
{
    TEditorEx& memo = *form->DataMemo();
    memo.SetText("ab\r\ncd");
    memo.SetRowCol(0, 1);
    for (const char* item : {"EdIndent", "EdUnIndent"})
        Run(item);
    EXPECT_EQ(std::pair(memo.GetText(), beeps), std::pair(std::string("ab\r\ncd"), 2));
    memo.SelectAll();
    Run("EdIndent");
    EXPECT_EQ(std::pair(memo.GetText(), beeps), std::pair(std::string(" ab\r\n cd"), 2));
    Run("EdUnIndent");
    EXPECT_EQ(memo.GetText(), "ab\r\ncd");
}

} // namespace

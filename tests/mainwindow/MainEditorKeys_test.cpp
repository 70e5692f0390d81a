// The main window's keys in the page editor, pressed as keys on the shown
// window.
#include "FormFixture.h"

#include "Beep.h"

namespace {

class EditorKeys : public FormTest {
protected:
    void SetUp() override
    {
        StartShown();
        memo = form->DataMemo();
        memo->SetWordWrap(true);
        memo->Caret()->SetAutoIndent(true);
        SetBeepHook([this] { ++beeps; });
    }
    void TearDown() override { SetBeepHook(nullptr); }
    // Text with the caret at byte Caret (the end when -1), nothing selected.
    void Start(const std::string& Text, int Caret = -1)
    {
        memo->SetText(Text);
        memo->SetSelStart(Caret < 0 ? memo->GetTextLen() : Caret);
    }
    void Key(int QtKey, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
    {
        QTest::keyClick(memo, static_cast<Qt::Key>(QtKey), Modifiers);
        QApplication::processEvents();
    }

    TEditorEx* memo = nullptr;
    int beeps = 0;
};

TEST_F(EditorKeys, EnterCarriesTheLinesIndentAndShiftEnterOpensALineAbove)
{
    const std::string indent = Sjis("　\t");
    Start(indent + "abc");
    Key(Qt::Key_Return);
    EXPECT_EQ(memo->GetText(), indent + "abc\r\n" + indent);

    Start(indent + "abc", static_cast<int>(indent.size()) + 1);
    Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(memo->GetText(), indent + "\r\n" + indent + "abc");
    EXPECT_EQ(memo->Row(), 0) << "the caret stays on the opened line";

    Start(indent + "abc", 0);
    Key(Qt::Key_Return);
    EXPECT_EQ(memo->GetText(), "\r\n" + indent + "abc") << "at column 0 a plain line break";

    memo->Caret()->SetAutoIndent(false);
    Start("xy", 1);
    Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(memo->GetText(), "\r\nxy");
    EXPECT_EQ(memo->Row(), 0);
}

TEST_F(EditorKeys, TabAndShiftTabIndentWholeSelectedLines)
{
    Start("a\r\nb\r\nc", 0);
    memo->SetSelLength(6);
    Key(Qt::Key_Tab);
    EXPECT_EQ(memo->GetText(), "\ta\r\n\tb\r\nc");
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(memo->GetText(), "a\r\nb\r\nc");
    Start("a", 1);
    Key(Qt::Key_Tab);
    EXPECT_EQ(memo->GetText(), "a\t") << "without selected lines TAB types";
}

TEST_F(EditorKeys, CtrlAndKeypadDigitsEncloseTheSelectionOrChooseANumbering)
{
    const struct {
        int Key;
        const char* Selected;
        const char* Expected;
    } cases[] = {
        {Qt::Key_1, "", "{*  *}"},   {Qt::Key_2, "x", "{! x !}"}, {Qt::Key_3, "x", "/* x */"},
        {Qt::Key_4, "x", " \"x\" "}, {Qt::Key_5, "x", " 'x' "},
    };
    for (const auto& c : cases) {
        Start(c.Selected, 0);
        memo->SetSelLength(static_cast<int>(std::string_view(c.Selected).size()));
        Key(c.Key, Qt::ControlModifier | Qt::KeypadModifier);
        EXPECT_EQ(memo->GetText(), c.Expected);
    }
    Key(Qt::Key_7, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(SettingsVars.AfterNumberStr, ": ");
    EXPECT_TRUE(SettingsVars.NumberIndent);
    Key(Qt::Key_8, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(SettingsVars.BeforeNumberStr + SettingsVars.AfterNumberStr, "()");
    EXPECT_FALSE(SettingsVars.NumberIndent);

    Start("  a  \r\n\r\n\r\n\r\nb");
    Key(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(memo->GetText(), " a\r\n\r\nb");
    EXPECT_TRUE(memo->Modified());
}

TEST_F(EditorKeys, AReadOnlyEditorBeepsForTypingAndChangesNothing)
{
    Start("x", 0);
    memo->SetSelLength(1);
    memo->SetReadOnly(true);
    Key(Qt::Key_A);
    EXPECT_EQ(beeps, 1);
    Key(Qt::Key_Space);
    EXPECT_EQ(beeps, 1) << "a blank is silent";
    for (int key : {Qt::Key_1, Qt::Key_Minus})
        Key(key, Qt::ControlModifier | Qt::KeypadModifier);
    Key(Qt::Key_Tab);
    EXPECT_EQ(memo->GetText(), "x");
}

TEST_F(EditorKeys, CtrlTabGoesToThePageTree)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    memo->setFocus();
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(form->DataTree()->hasFocus());
}

} // namespace

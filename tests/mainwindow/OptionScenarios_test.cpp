// The options dialog confirmed or cancelled through the dialog hook, with
// what the window applies afterwards: the comment leader of the edit mode
// and the external-editor button under clipping mode.
#include "FormFixture.h"
#include "OptionsForm.h"

#include "DockButton.h"
#include "EditorEx.h"
#include "Menus.h"
#include "SubIni.h"

#include <QLineEdit>

namespace {

class OptionScenariosTest : public FormTest {
protected:
    void SetUp() override { ASSERT_EQ(form->FormCreate({}), TStartOutcome::Run); }
    void Options(bool Confirm)
    {
        dialogs.AnswerForm([Confirm](QDialog& Dialog) {
            auto& options = static_cast<TOpForm&>(Dialog);
            options.ExEditor->setText("/bin/sh -c x");
            if (Confirm)
                options.OKButtonClick();
            return Confirm ? options.result() : mrCancel;
        });
        form->MenuItem("OpMain")->Click();
    }
    std::string Commenter() const { return form->DataMemo()->View()->Commenter(); }
};

TEST_F(OptionScenariosTest, CancelChangesNothing)
{
    form->SwitchEditMode(4);
    const std::string commenter = Commenter();
    const bool goEditor = form->ToolButton("sbGoEditor")->Enabled();
    Options(false);
    EXPECT_EQ(form->ToolButton("sbGoEditor")->Enabled(), goEditor);
    EXPECT_EQ(SettingsVars.HideExe, "");
    EXPECT_EQ(Commenter(), commenter);
}

TEST_F(OptionScenariosTest, ConfirmedOptionsFollowTheModeAndClipping)
{
    form->SwitchEditMode(4);
    SettingsVars.CommentType = true;
    SettingsVars.QMark = ">";
    form->OpClipClick();
    Options(true);
    EXPECT_EQ(Commenter(), "'");
    EXPECT_FALSE(form->ToolButton("sbGoEditor")->Enabled());
    form->OpClipClick();
    EXPECT_TRUE(form->ToolButton("sbGoEditor")->Enabled());
}

} // namespace

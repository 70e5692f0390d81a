// The options dialog confirmed through the dialog hook, with what the
// window applies afterwards: the comment leader of the edit mode
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
    void ConfirmOptions()
    {
        dialogs.AnswerForm([](QDialog& Dialog) {
            auto& options = static_cast<TOpForm&>(Dialog);
            options.ExEditor->setText("/bin/sh -c x");
            options.OKButtonClick();
            return options.result();
        });
        form->MenuItem("OpMain")->Click();
    }
    std::string Commenter() const { return form->DataMemo()->View()->Commenter(); }
};

TEST_F(OptionScenariosTest, ConfirmedOptionsFollowTheModeAndClipping)
{
    form->SwitchEditMode(4);
    SettingsVars.CommentType = true;
    SettingsVars.QMark = ">";
    form->OpClipClick();
    ConfirmOptions();
    EXPECT_EQ(Commenter(), "'");
    EXPECT_FALSE(form->ToolButton("sbGoEditor")->Enabled());
    form->OpClipClick();
    EXPECT_TRUE(form->ToolButton("sbGoEditor")->Enabled());
}

} // namespace

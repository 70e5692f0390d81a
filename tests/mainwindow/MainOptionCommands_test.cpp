// The options dialog from the Options menu: a confirmed change is applied
// to the window and written to the settings file; a cancelled one is not.
#include "FormFixture.h"
#include "OptionsForm.h"

#include "DockButton.h"
#include "EditorEx.h"
#include "Menus.h"

#include <QCheckBox>
#include <QLineEdit>
#include <filesystem>

namespace {

class OptionCommandsTest : public FormTest {
protected:
    void Create() { ASSERT_EQ(form->FormCreate({}), TStartOutcome::Run); }
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
    Create();
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
    Create();
    std::filesystem::remove(SettingsFilePath());
    Options([](TOpForm& f) { f.EdSpcNum->setText("3"); }, false);
    EXPECT_FALSE(std::filesystem::exists(SettingsFilePath()));
    EXPECT_NE(SettingsVars.InsSpc.width, 3);
}

// The help commands driven alone through a fake window: the other help
// file opens with the word at the caret of the pane the window calls
// active selected, and the sample is offered only when it is there.
#include "HelpCommands.h"

#include "EditorEx.h"
#include "FileAssociation.h"
#include "HelpCommandsHost.h"
#include "Instances.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "Menus.h"
#include "ProgramHome.h"
#include "ScopedEnvironment.h"
#include "ScriptedDialogs.h"
#include "SubIni.h"
#include "TempDir.h"

#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class TFakeHelpHost : public IHelpCommandsHost {
public:
    TEditorEx* ActiveEditor() const override { return Active.get(); }
    std::unique_ptr<TEditorEx> Active{TEditor::Create<TEditorEx>()};
};

class HelpCommandsAlone : public testing::Test {
protected:
    HelpCommandsAlone()
    {
        EmptyProgramHome();
        SettingsVars = {};
        help.SetOpenUrl([this](const QUrl& Url) {
            opened.push_back(Url.toLocalFile().toStdString());
            return true;
        });
    }

    TempDir home;
    TScriptedDialogs dialogs;
    TFakeHelpHost host;
    TVelkMenus menus;
    QWidget window;
    TInstanceRegistry instances{home.Path() + "run"};
    THelpCommands help{host, {window, menus, instances}};
    std::vector<std::string> opened;
};

TEST_F(HelpCommandsAlone, OtherHelpOpensItsFileWithTheWordAtTheCaretSelected)
{
    SettingsVars.OtherHelp = home.File("other.hlp");
    host.Active->SetText("look up words");
    host.Active->SetSelStart(6);
    menus.Item(Cmd::HpOtherHelp)->Click();
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"ヘルプファイル " + home.File("other.hlp") + " を開けません。"});
    EXPECT_EQ(host.Active->SelText(), "up");

    WriteRaw(home.File("other.hlp"), "help");
    menus.Item(Cmd::HpOtherHelp)->Click();
    EXPECT_EQ(opened, std::vector<std::string>{home.File("other.hlp")});
}

TEST_F(HelpCommandsAlone, TheSampleIsOfferedWhenItIsThereHasAProgramAndNoInstanceShowsIt)
{
    const std::string sample = ProgramHome() + "sample.vk2";
    {
        const TScopedEnvironment data("XDG_DATA_HOME", home.File("data"));
        const TScopedEnvironment config("XDG_CONFIG_HOME", home.File("config"));
        EXPECT_FALSE(help.SampleAvailable()) << "no sample";
        WriteRaw(sample, "");
        EXPECT_FALSE(help.SampleAvailable()) << "no program for the document type";
        AssociateDocumentType("/opt/velk/velk");
        EXPECT_TRUE(help.SampleAvailable());
        instances.SetCaption(sample);
        EXPECT_FALSE(help.SampleAvailable()) << "this instance shows it";
    }

    menus.Item(Cmd::HpSample)->Click();
    EXPECT_EQ(opened, std::vector<std::string>{sample});
}

} // namespace

// The commands that reshape the outline on a host of their own: the window
// lends them its parts and binds their toolbar buttons; every command that
// can change the page set brings sbTextOutput up to date.
#include "OutlineCommands.h"

#include "../document/FakeOutlineHost.h"
#include "DockButton.h"
#include "EditorEx.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "OutlineBinding.h"
#include "OutlineCommandsHost.h"
#include "PageList.h"
#include "SubIni.h"
#include "ToolButtonIds.h"
#include "TreeView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace {

class FakeOutlineCommandsHost : public IOutlineCommandsHost {
public:
    void BindButtons(std::span<const TCommandBinding> Buttons) override
    {
        for (const auto& [id, handler] : Buttons)
            Handlers.emplace(id, handler);
    }

    std::map<TCommandId, std::function<void()>> Handlers;
};

class OutlineCommandsAlone : public testing::Test {
protected:
    OutlineCommandsAlone()
    {
        SettingsVars = {};
        QGuiApplication::clipboard()->clear();
        BuildTree(DataTree.Items(), {{0, "a", "a\r\ntext"}, {0, "b", ""}}, TDepthPolicy::Strict);
        DataTree.SetSelected(DataTree.Items().Item(0));
    }
    ~OutlineCommandsAlone() override { SettingsVars = {}; }
    void Run(TCommandId Item) { Menus.Item(Item)->Click(); }
    int Pages() const { return DataTree.Items().Count(); }

    FakeOutlineCommandsHost Host;
    QWidget Window;
    TTreeView DataTree;
    std::unique_ptr<TEditorEx> Memo{TEditor::Create<TEditorEx>()};
    TFakeHost Outline{Memo.get()};
    TOutlineBinding Binding{DataTree, Outline};
    TVelkMenus Menus;
    TDockButton* TextOutputButton = new TDockButton(&Window);
    TOutlineCommands Commands{Host, TOutlineCommandsParts{Outline, Binding, DataTree, Menus, *TextOutputButton}};
};

TEST_F(OutlineCommandsAlone, CommandsThatChangeThePageSetKeepTheTextOutputButtonInStep)
{
    Run(Cmd::TreeNodeCut);
    ASSERT_EQ(Pages(), 1);
    EXPECT_FALSE(TextOutputButton->Enabled()) << "one empty page is left";
    Run(Cmd::pTreeNodePaste);
    ASSERT_EQ(Pages(), 2);
    EXPECT_TRUE(TextOutputButton->Enabled());

    // The empty page goes without a question.
    DataTree.SetSelected(DataTree.Items().Item(0));
    TextOutputButton->SetEnabled(false);
    ASSERT_EQ(Host.Handlers.count(Cmd::sbPageDel), 1U);
    Host.Handlers.at(Cmd::sbPageDel)();
    ASSERT_EQ(Pages(), 1);
    EXPECT_TRUE(TextOutputButton->Enabled()) << "the page left has text";
}

} // namespace

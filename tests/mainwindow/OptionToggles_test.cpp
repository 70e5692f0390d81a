// The option menu's switches on parts of their own, through a fake window:
// box selection reaches both panes and the status bar, each show item shows
// or hides its toolbar or popup group, and a toolbar's item follows the bar.
#include "OptionToggles.h"

#include "DockToolbar.h"
#include "EditorEx.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "Menus.h"
#include "OptionTogglesHost.h"
#include "StatusPanel.h"
#include "ToolDock.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

class FakeOptionTogglesHost final : public IOptionTogglesHost {
public:
    FakeOptionTogglesHost()
    {
        for (const char* name : {"ToolbarFile", "ToolbarTree", "ToolbarEdit", "ToolbarFont", "ToolbarString"})
            Bars.emplace(name, new TDockToolbar(&Dock, name));
    }
    TEditorEx* ActiveEditor() const override { return Active; }
    TEditorEx* SecondEditor() const override { return Second.get(); }
    int InsertNumber() const override { return Number; }
    void SetInsertNumber(int Value) override { Number = Value; }
    TDockToolbar* Toolbar(std::string_view Name) const override { return Bars.at(std::string(Name)); }

    QWidget Window;
    TToolDock Dock{&Window, "ToolDock1"};
    std::map<std::string, TDockToolbar*> Bars;
    std::unique_ptr<TEditorEx> Second;
    TEditorEx* Active = nullptr;
    int Number = 1;
};

class OptionTogglesAlone : public testing::Test {
protected:
    OptionTogglesAlone() { host.Active = memo.get(); }

    FakeOptionTogglesHost host;
    TVelkMenus menus;
    std::unique_ptr<TEditorEx> memo{TEditor::Create<TEditorEx>()};
    TStatusPanel panel{nullptr};
    TOptionToggles toggles{host, {menus, *memo, panel}};
};

TEST_F(OptionTogglesAlone, BoxSelectionFlipsBothPanesAndTellsOfItself)
{
    host.Second.reset(TEditor::Create<TEditorEx>());
    menus.Item(Cmd::OpBoxSel)->Click();
    EXPECT_EQ(memo->SelectionMode(), TEditorSelectionMode::smBox);
    EXPECT_EQ(host.Second->SelectionMode(), TEditorSelectionMode::smBox);
    EXPECT_TRUE(menus.Item(Cmd::OpBoxSel)->Checked());
    EXPECT_FALSE(panel.text().isEmpty());

    host.Second.reset();
    menus.Item(Cmd::OpBoxSel)->Click();
    EXPECT_EQ(memo->SelectionMode(), TEditorSelectionMode::smLine);
    EXPECT_FALSE(menus.Item(Cmd::OpBoxSel)->Checked());
    EXPECT_TRUE(panel.text().isEmpty());
}

TEST_F(OptionTogglesAlone, EachShowItemShowsWhatItNames)
{
    const struct {
        TCommandId Item;
        std::function<bool()> Shown;
    } cases[] = {
        {Cmd::OpTbFileShow, [this] { return host.Bars.at("ToolbarFile")->Visible(); }},
        {Cmd::OpTbStringShow, [this] { return host.Bars.at("ToolbarString")->Visible(); }},
        {Cmd::OpSubMoveLink, [this] { return menus.Item(Cmd::pEdPageLink)->Visible(); }},
        {Cmd::OpSubStrAdmin, [this] { return menus.Item(Cmd::pEdCalc)->Visible(); }},
    };
    for (const auto& c : cases) {
        menus.Item(c.Item)->SetChecked(true);
        toggles.ApplyMenuVisibilities();
        EXPECT_TRUE(c.Shown()) << c.Item.Name();
        menus.Item(c.Item)->Click();
        EXPECT_FALSE(c.Shown()) << c.Item.Name();
    }
}

TEST_F(OptionTogglesAlone, EachToolbarsItemFollowsTheBarHoweverItShows)
{
    const std::pair<const char*, TCommandId> bars[] = {
        {"ToolbarFile", Cmd::OpTbFileShow}, {"ToolbarTree", Cmd::OpTbTreeShow},     {"ToolbarEdit", Cmd::OpTbEditShow},
        {"ToolbarFont", Cmd::OpTbFontShow}, {"ToolbarString", Cmd::OpTbStringShow},
    };
    for (const auto& [bar, item] : bars) {
        menus.Item(item)->SetChecked(true);
        host.Bars.at(bar)->SetVisible(false);
        EXPECT_FALSE(menus.Item(item)->Checked()) << bar;
        host.Bars.at(bar)->SetVisible(true);
        EXPECT_TRUE(menus.Item(item)->Checked()) << bar;
    }
}

} // namespace

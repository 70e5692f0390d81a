// The conversion commands on parts of their own, through a fake window:
// they act on the pane the window calls active, bind the string toolbar's
// buttons through it, and do nothing without a pane.
#include "ConversionCommands.h"

#include "ConversionCommandsHost.h"
#include "EditorEx.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "Menus.h"
#include "TreeView.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class FakeConversionCommandsHost final : public IConversionCommandsHost {
public:
    TEditorEx* ActiveEditor() const override { return Active; }
    void StorePage(TTreeNode*) override {}
    int InsertNumber() const override { return 1; }
    void SetInsertNumber(int) override {}
    int WrapByteCache() const override { return 80; }
    std::string ConvertClipText(const std::string& Text) const override { return Text; }
    int DeleteText(const std::string& Source, const std::string&, std::string& Result) override
    {
        Result = Source;
        return 0;
    }
    void BindButtons(std::span<const TCommandBinding> Buttons) override
    {
        for (const auto& [id, handler] : Buttons)
            BoundButtons += std::string(id.Name()) + " ";
    }

    TEditorEx* Active = nullptr;
    std::string BoundButtons;
};

class ConversionCommandsAlone : public testing::Test {
protected:
    FakeConversionCommandsHost host;
    QWidget window;
    TVelkMenus menus;
    std::unique_ptr<TEditorEx> memo{TEditor::Create<TEditorEx>()};
    TTreeView tree;
    TConversionCommands commands{host, {window, menus, *memo, tree}};
};

TEST_F(ConversionCommandsAlone, ActOnThePaneTheWindowCallsActive)
{
    EXPECT_EQ(host.BoundButtons, "sbReturn sbHenkan sbSeikei sbDelete ");
    const std::unique_ptr<TEditorEx> second{TEditor::Create<TEditorEx>()};
    for (TEditorEx* editor : {memo.get(), second.get()}) {
        editor->Lines()->SetTextStr("abc");
        editor->SelectAll();
    }
    host.Active = second.get();
    menus.Item(Cmd::pEdStrCvSmallToBig)->Click();
    EXPECT_EQ(second->Lines()->Text(), "ABC");
    EXPECT_EQ(memo->Lines()->Text(), "abc");

    host.Active = nullptr;
    menus.Item(Cmd::pEdStrCvBigToSmall)->Click();
    EXPECT_EQ(second->Lines()->Text(), "ABC") << "no pane, nothing to convert";
}

} // namespace

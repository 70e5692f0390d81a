// The tree's view commands on a host of their own: the window lends them
// its parts and answers whether the browse view is open, closes the split
// view, gives and sets the tree panel's extent and forgets the page history.
#include "TreeViewCommands.h"

#include "../document/FakeOutlineHost.h"
#include "DockButton.h"
#include "EditorEx.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "OutlineBinding.h"
#include "TreeView.h"
#include "TreeViewHost.h"

#include <QSplitter>
#include <gtest/gtest.h>

#include <memory>

namespace {

class FakeTreeViewHost : public ITreeViewHost {
public:
    bool BrowseViewOn() const override { return BrowseView; }
    void CloseViews() override { ++ViewsClosed; }
    int SplitLine() const override { return Extent; }
    void SetTreePanelExtent(int Value) override { Extent = Value; }
    void ClearPageHistory() override { ++HistoryClears; }

    bool BrowseView = false;
    int ViewsClosed = 0;
    int Extent = 200;
    int HistoryClears = 0;
};

class TreeViewCommandsAlone : public testing::Test {
protected:
    TreeViewCommandsAlone()
    {
        Window.resize(900, 600);
        // A button that stays down, as the window's toolbar makes it.
        TreeDispButton->SetGroupIndex(3);
        TreeDispButton->SetAllowAllUp(true);
    }
    void Run(TCommandId Item) { Menus.Item(Item)->Click(); }
    bool Above() const { return Menus.Item(Cmd::TreeDisp)->Checked(); }

    FakeTreeViewHost Host;
    QWidget Window;
    QSplitter* Separater1 = new QSplitter(&Window);
    QWidget* PanelL = new QWidget(Separater1);
    TTreeView* DataTree = new TTreeView(PanelL);
    std::unique_ptr<TEditorEx> Memo{TEditor::Create<TEditorEx>()};
    TFakeHost Outline{Memo.get()};
    TOutlineBinding Binding{*DataTree, Outline};
    TVelkMenus Menus;
    TDockButton* TreeDispButton = new TDockButton(&Window);
    TDockButton* BrowseButton = new TDockButton(&Window);
    TTreeViewCommands Commands{
        Host, TTreeViewParts{Window, *Separater1, *PanelL, *DataTree, Binding, Menus, *TreeDispButton, *BrowseButton}};
};

TEST_F(TreeViewCommandsAlone, TheTreeStaysBesideWhileTheBrowseViewIsOpen)
{
    Host.BrowseView = true;
    TreeDispButton->SetDown(true);
    ASSERT_TRUE(TreeDispButton->Down());
    Run(Cmd::TreeDisp);
    EXPECT_FALSE(Above());
    EXPECT_FALSE(TreeDispButton->Down()) << "the button springs back";
    EXPECT_EQ(Separater1->orientation(), Qt::Horizontal);
    EXPECT_EQ(Host.ViewsClosed, 0);
    EXPECT_EQ(Host.Extent, 200);
    EXPECT_EQ(Window.width(), 900);
}

// Above the editor the split view closes and the browse button rests; each
// place gets back the extent it had, and the window its width.
TEST_F(TreeViewCommandsAlone, EachPlaceKeepsItsExtentThroughTheHost)
{
    Run(Cmd::TreeDisp);
    EXPECT_TRUE(Above());
    EXPECT_TRUE(TreeDispButton->Down());
    EXPECT_FALSE(BrowseButton->Enabled());
    EXPECT_EQ(Host.ViewsClosed, 1);
    EXPECT_EQ(Separater1->orientation(), Qt::Vertical);
    EXPECT_EQ(Window.width(), 700) << "the room the tree took beside";

    Host.Extent = 120;
    Run(Cmd::TreeDisp);
    EXPECT_FALSE(Above());
    EXPECT_TRUE(BrowseButton->Enabled());
    EXPECT_EQ(Host.Extent, 200);
    EXPECT_EQ(Window.width(), 900);
    Run(Cmd::TreeDisp);
    EXPECT_EQ(Host.Extent, 120);
    EXPECT_EQ(Host.ViewsClosed, 2);
}

TEST_F(TreeViewCommandsAlone, TheHistoryIsClearedByTheHost)
{
    Run(Cmd::pTreeURListClear);
    EXPECT_EQ(Host.HistoryClears, 1);
}

} // namespace

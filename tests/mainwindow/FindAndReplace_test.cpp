// The find and replace commands on a host of their own: the window lends
// them its parts and its toolbar buttons, enables what the closed result
// list frees, renews the buttons' hints and folds the selected page.
#include "FindAndReplace.h"

#include "DockButton.h"
#include "FindAndReplaceHost.h"
#include "MenuItemIds.h"
#include "RoomParts.h"
#include "SearchListState.h"
#include "TreeImageList.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

class FakeFindHost : public IFindAndReplaceHost {
public:
    FakeFindHost()
    {
        for (TCommandId id : {Cmd::sbFind, Cmd::sbFoward, Cmd::sbBack, Cmd::sbFindList, Cmd::sbFListClose,
                              Cmd::sbPrevPage, Cmd::sbNextPage})
            Buttons.emplace(id, new TDockButton(&Bar));
    }
    TDockButton* ToolButton(TCommandId Id) const override { return Buttons.at(Id); }
    void SetEnabled(const TEnablings& List) override { Enablings = List; }
    void UpdateButtonHints() override { ++HintUpdates; }
    bool OwnExternalEditRunning() const override { return ExternalEdit; }
    void TreePageFoldClick() override { ++Folds; }

    QWidget Bar;
    std::map<TCommandId, TDockButton*> Buttons;
    TEnablings Enablings;
    int HintUpdates = 0;
    bool ExternalEdit = false;
    int Folds = 0;
};

class FindAndReplaceAlone : public testing::Test {
protected:
    FindAndReplaceAlone()
    {
        for (const char* title : {"p0", "p1", "p2"})
            Parts.DataTree.Items().Add(nullptr, title);
    }
    bool ItemEnabled(TCommandId Item) const { return Parts.Menus.Item(Item)->Enabled(); }

    FakeFindHost Host;
    TRoomParts Parts;
    TTreeImageList SubIcons;
    TFindAndReplace Commands{
        Host, TFindAndReplaceParts{Parts.Outline, Parts.Binding, Parts.Window, Parts.DataTree, Parts.Menus, SubIcons}};
};

TEST_F(FindAndReplaceAlone, ShiftWithThePageButtonsAsksTheHostToFold)
{
    for (TCommandId button : {Cmd::sbPrevPage, Cmd::sbNextPage})
        QTest::mouseClick(Host.ToolButton(button), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(Host.Folds, 2);
    EXPECT_TRUE(SearchListState().FindListForward) << "the last button went down";
}

// The list may be shown while it holds pages and is not open; closing it
// frees what it held, except what a running external edit keeps locked.
TEST_F(FindAndReplaceAlone, TheListsButtonsAndItemsFollowItsWindow)
{
    EXPECT_FALSE(Host.ToolButton(Cmd::sbFListClose)->isVisibleTo(&Host.Bar));
    EXPECT_FALSE(ItemEnabled(Cmd::FdFindListClose));
    SearchListState().FoundPageList.Assign({Parts.DataTree.Items().Item(0), Parts.DataTree.Items().Item(2)});
    EXPECT_TRUE(Host.ToolButton(Cmd::sbFindList)->Enabled());
    EXPECT_TRUE(ItemEnabled(Cmd::FdFindList));

    Parts.Menus.Item(Cmd::FdFindList)->Click();
    ASSERT_TRUE(SearchListState().SearchListOpen);
    EXPECT_TRUE(ItemEnabled(Cmd::FdFindListClose));
    EXPECT_TRUE(Host.ToolButton(Cmd::sbFListClose)->isVisibleTo(&Host.Bar));
    EXPECT_FALSE(Host.ToolButton(Cmd::sbFindList)->Enabled());

    Host.ExternalEdit = true;
    Parts.Menus.Item(Cmd::FdFindListClose)->Click();
    QApplication::processEvents();
    EXPECT_FALSE(SearchListState().SearchListOpen);
    EXPECT_FALSE(ItemEnabled(Cmd::FdFindListClose));
    EXPECT_EQ(Host.HintUpdates, 1);
    EXPECT_EQ(EnablingOf(Host.Enablings, Cmd::sbPageDel), false) << "the external edit keeps the pages";
    EXPECT_EQ(EnablingOf(Host.Enablings, Cmd::sbFindList), true);
}

} // namespace

// The tree menu's commands that change what the tree shows: going to a
// page, folding, the subtree's text and the tree's place and size.
#include "OutlineFixture.h"

#include "SettingsHost.h"

#include <QClipboard>
#include <QSplitter>

namespace {

using TreeViewCommands = OutlineTest;

TEST_F(TreeViewCommands, GoingToAPageFollowsTheTreeOrderAndItsLevels)
{
    const struct {
        int From;
        const char* Item;
        int To;
    } rows[] = {
        {1, "TreePageNextSame", 3},
        {3, "TreePagePrevSame", 1},
        {2, "TreePageTop", 0},
        {0, "TreePageLast", 4},
        // Folding hands the selection up from a page without children.
        {2, "TreePageFold", 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Item);
        form->DataTree()->SetSelected(Node(row.From));
        Run(row.Item);
        EXPECT_EQ(SelectedIndex(), row.To);
    }
}

TEST_F(TreeViewCommands, FoldingFoldsThenWalksUpAndAFoldedTreeShowsARoot)
{
    // Whether p0 and p1 are unfolded, and the page selected.
    const auto state = [&] { return std::tuple(Node(0)->Expanded(), Node(1)->Expanded(), SelectedIndex()); };
    Node(0)->Expand(true);
    form->DataTree()->SetSelected(Node(1));
    Run("TreePageFold");
    EXPECT_EQ(state(), std::tuple(true, false, 1));
    Run("TreePageFold");
    EXPECT_EQ(SelectedIndex(), 0) << "a folded page hands the selection to its parent";

    Run("pTreeNodeExpand");
    EXPECT_EQ(state(), std::tuple(true, true, 0));
    form->DataTree()->SetSelected(Node(2));
    Run("TreeCollapse");
    EXPECT_EQ(state(), std::tuple(false, false, 0));
    EXPECT_EQ(form->DataMemo()->GetText(), "p0\r\nfoo one") << "the root's page is shown";
    Run("TreeRootNodeExpand");
    EXPECT_EQ(state(), std::tuple(true, false, 0)) << "one level only";
}

TEST_F(TreeViewCommands, TheSubtreesTextGoesToTheClipboardInTreeOrder)
{
    form->DataTree()->SetSelected(Node(1));
    Run("pTreeNodeTextCopy");
    // Text on the clipboard has the desktop's LF line ends.
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("p1\nno hit\np2 foo\nfoo"));
}

TEST_F(TreeViewCommands, TheTreeAreaHidesGrowsAndGoesAboveTheEditor)
{
    Run("TreeNonDisp");
    EXPECT_TRUE(form->PanelL()->isHidden());
    Run("TreeNonDisp");
    EXPECT_FALSE(form->PanelL()->isHidden());

    const int extent = form->SettingsHost().SplitLine();
    Run("TreeScaleUp");
    EXPECT_EQ(form->SettingsHost().SplitLine(), extent + 10);
    Run("TreeScaleDown");
    EXPECT_EQ(form->SettingsHost().SplitLine(), extent);

    Run("TreeDisp");
    EXPECT_EQ(form->Separater1()->orientation(), Qt::Vertical);
    Run("TreeDisp");
    EXPECT_EQ(form->Separater1()->orientation(), Qt::Horizontal);
}

// Beside the editor the tree has a width, above it a height; each comes
// back when the tree returns, and the window's width with it.
TEST_F(TreeViewCommands, EachPlaceOfTheTreeKeepsItsOwnSize)
{
    form->resize(900, 600);
    QApplication::processEvents();
    const int windowWidth = form->width();
    form->SettingsHost().SetTreePanelWidth(180);
    Run("TreeDisp");
    QApplication::processEvents();
    EXPECT_EQ(form->width(), windowWidth - 180) << "the room the tree took beside";
    form->SettingsHost().SetTreePanelHeight(120);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        Run("TreeDisp");
        QApplication::processEvents();
        EXPECT_EQ(form->Separater1()->orientation(), Qt::Horizontal);
        EXPECT_EQ(form->SettingsHost().SplitLine(), 180);
        EXPECT_EQ(form->width(), windowWidth);
        Run("TreeDisp");
        QApplication::processEvents();
        EXPECT_EQ(form->SettingsHost().SplitLine(), 120);
        EXPECT_EQ(form->width(), windowWidth - 180);
    }
}

TEST_F(TreeViewCommands, TheDisplaySwitchScrollsTheSelectedPageIntoView)
{
    TTreeNodes& items = form->DataTree()->Items();
    for (int i = 0; i < 60; ++i)
        items.Add(nullptr, "more " + std::to_string(i));
    form->DataTree()->SetSelected(items.Item(items.Count() - 1));
    form->DataTree()->scrollToTop();
    Run("TreeDisp");
    QApplication::processEvents();
    const QRect shown = form->DataTree()->visualRect(form->DataTree()->currentIndex());
    EXPECT_TRUE(form->DataTree()->viewport()->rect().intersects(shown));
}

// Shift with either page button folds, as the fold command does.
TEST_F(TreeViewCommands, ShiftWithThePageButtonsFolds)
{
    for (const char* button : {"sbPrevPage", "sbNextPage"}) {
        SCOPED_TRACE(button);
        form->DataTree()->SetSelected(Node(2));
        QTest::mouseClick(form->ToolButton(button), Qt::LeftButton, Qt::ShiftModifier);
        EXPECT_EQ(SelectedIndex(), 1) << "a page without children hands the selection to its parent";
    }
}

} // namespace

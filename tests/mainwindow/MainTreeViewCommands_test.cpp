// The tree menu's commands that change what the tree shows: going to a
// page, folding, the subtree's text and the tree's place and size.
#include "OutlineFixture.h"

#include "KeyCustomForm.h"
#include "Menus.h"
#include "SettingsHost.h"
#include "ShortCutText.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QSplitter>
#include <QTreeWidget>

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

// The tree's popup, opened by a right click on the tree, offers the tree
// menu's whole-tree commands too; they run there as in the menu.
TEST_F(TreeViewCommands, ThePopupExpandsAndCollapsesTheWholeTree)
{
    QWidget* viewport = form->DataTree()->viewport();
    const QPoint at = form->DataTree()->visualRect(form->DataTree()->currentIndex()).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &click);
    QMenu* popup = PopupMenuOf(form->DataTree())->Menu();
    ASSERT_TRUE(popup->isVisible());
    const QList<QAction*> shown = popup->actions();
    for (const char* name : {"pTreeExpand", "pTreeCollapse", "pTreeRootNodeExpand"}) {
        const TMenuItem* item = form->MenuItem(name);
        EXPECT_TRUE(shown.contains(item->Action())) << name;
        EXPECT_TRUE(item->Enabled()) << name;
    }
    popup->close();

    const auto expanded = [&] { return std::pair(Node(0)->Expanded(), Node(1)->Expanded()); };
    form->DataTree()->SetSelected(Node(2));
    Run("pTreeCollapse");
    EXPECT_EQ(expanded(), std::pair(false, false));
    EXPECT_EQ(SelectedIndex(), 0) << "the root above is shown";
    Run("pTreeRootNodeExpand");
    EXPECT_EQ(expanded(), std::pair(true, false)) << "one level only";
    Run("pTreeExpand");
    EXPECT_EQ(expanded(), std::pair(true, true));
}

// A key given to a whole-tree command in the key dialog reaches its popup
// item too.
TEST_F(TreeViewCommands, ThePopupsWholeTreeItemsTakeTheKeysOfTheTreeMenus)
{
    const std::pair<int, const char*> rows[] = {
        {34, "pTreeExpand"}, {35, "pTreeCollapse"}, {36, "pTreeRootNodeExpand"}};
    dialogs.AnswerForm([&](QDialog& Dialog) {
        auto& keys = dynamic_cast<TKeyForm&>(Dialog);
        // F6, F7 and F8, which no command has at the first start.
        for (const auto& [row, name] : rows) {
            keys.ListView1->setCurrentItem(keys.ListView1->topLevelItem(row));
            keys.ListBox1->setCurrentRow(row - 28);
            keys.ListBox1DblClick();
        }
        keys.OkButtonClick();
        return mrOk;
    });
    Run("OpKeyCustom");
    for (const auto& [row, name] : rows) {
        const TShortCut key = TextToShortCut("F" + std::to_string(row - 28));
        EXPECT_EQ(form->MenuItem(name)->ShortCut(), key) << name;
        EXPECT_EQ(form->MenuItem(std::string_view(name).substr(1))->ShortCut(), key) << name;
    }
    Run("pTreeCollapse");
    ASSERT_FALSE(Node(0)->Expanded());
    form->DataTree()->setFocus();
    QTest::keyClick(form->DataTree(), Qt::Key_F6);
    EXPECT_TRUE(Node(0)->Expanded() && Node(1)->Expanded()) << "the key runs the command";
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

// The list of found pages over a three-level outline, driven through the
// menu commands and the result window, and line extraction.
#include "OutlineFixture.h"

#include "FindAndReplace.h"
#include "FindList.h"
#include "SearchListForm.h"
#include "SearchListState.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QStatusBar>

namespace {

class FindList : public OutlineTest {
protected:
    // A list search for Find over the scope whose caption is given.
    void ListSearch(const std::string& Find, const char* Scope)
    {
        Fill({Find, "", {"ChkWholeFile", "ChkFindList", Scope, "btnOK"}});
        Run("FdGoFind");
    }
    TSearchListfm* Window() const { return form->FindAndReplace().FindList().SearchListfm(); }
    // The window's rows, "p0 p2" for two.
    std::string Rows() const
    {
        QStringList rows;
        for (int i = 0; i < Window()->FindTree->count(); ++i)
            rows << Window()->FindTree->item(i)->text();
        return rows.join(' ').toStdString();
    }
    void ClickRow(int Row)
    {
        QListWidget* list = Window()->FindTree;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(Row)).center());
    }
};

TEST_F(FindList, AListShowsItsPagesInOrderInOneWindowAtTheFirstHit)
{
    EXPECT_EQ(form->ToolButton("sbFindList")->Hint().toStdString(), "検索リスト表示");
    // The other scopes are the walk's and the single entry's below.
    for (int search = 0; search < 2; ++search) {
        form->DataTree()->SetSelected(Node(1));
        ListSearch("foo", "全てのページ");
        ASSERT_NE(Window(), nullptr);
        EXPECT_TRUE(Window()->isVisible());
        EXPECT_EQ(Rows(), "p0 p2 foo p4 foo");
        EXPECT_EQ(Window()->windowTitle().toStdString(), "[foo] があるページのリスト");
        EXPECT_EQ(Window()->SelectedRow(), 0);
        EXPECT_EQ(At(), std::make_tuple(0, 1, 0));
        Run("FdFindListClose");
        EXPECT_FALSE(Window()->isVisible());
    }
    EXPECT_EQ(form->findChildren<QWidget*>("SearchListfm").size(), 1) << "one window serves every list";
}

TEST_F(FindList, AnEntryTakesTheSubIconItsPageIsGiven)
{
    ListSearch("foo", "全てのページ");
    form->DataTree()->SetSelected(Node(2));
    ASSERT_TRUE(Window()->FindTree->item(1)->icon().isNull());
    TPopupMenu& subIcons = *form->ImagePopupMenu();
    subIcons.Items().Items(3)->Click();
    EXPECT_FALSE(Window()->FindTree->item(1)->icon().isNull());
    subIcons.Items().Items(0)->Click(); // なし
    EXPECT_TRUE(Window()->FindTree->item(1)->icon().isNull());
}

TEST_F(FindList, BuildingAndSteppingTheListChangesNoPage)
{
    form->DataTree()->SetSelected(Node(3));
    Type("typed ");
    const std::string before = Outline();
    ListSearch("foo", "全てのページ");
    for (const char* step : {"TreePageNext", "TreePageNext", "TreePagePrev", "TreePagePrev"})
        Run(step);
    ClickRow(2);
    Run("FdFindListClose");
    EXPECT_EQ(Outline(), before);
}

TEST_F(FindList, ThePageKeysStepTheListAndClosingRestoresTheirState)
{
    SettingsVars.PageCursor.Mode = true;
    ListSearch("foo", "全てのページ");
    EXPECT_FALSE(PageCursorRestoreOn()) << "pages show at their hits while the list is open";
    EXPECT_EQ(form->ToolButton("sbNextPage")->Hint().toStdString(), "下のページを閲覧（検索リスト）");
    const std::tuple<int, int, int> steps[] = {{2, 0, 3}, {4, 0, 3}, {4, 0, 3}};
    for (const auto& expected : steps) {
        Run("TreePageNext");
        EXPECT_EQ(At(), expected);
    }
    Run("TreePagePrev");
    EXPECT_EQ(At(), std::make_tuple(2, 1, 0)) << "going up shows the page's last hit";
    EXPECT_EQ(Window()->SelectedRow(), 1);

    QTest::keyClick(Window()->FindTree, Qt::Key_Escape);
    // Shown, open, list mode; the page keys' caret restoring and its setting.
    EXPECT_EQ(std::tuple(Window()->isVisible(), SearchListState().SearchListOpen, SearchListState().FindListMode,
                         PageCursorRestoreOn(), SettingsVars.PageCursor.Mode),
              std::tuple(false, false, false, true, true));
    EXPECT_NE(form->ToolButton("sbNextPage")->Hint().toStdString(), "下のページを閲覧（検索リスト）");
    Run("TreePageNext");
    EXPECT_EQ(SelectedIndex(), 3) << "closed, the page keys go through the tree";

    // Shown again, the list stands on the page selected in the tree.
    form->DataTree()->SetSelected(Node(4));
    Run("FdFindList");
    EXPECT_TRUE(Window()->isVisible());
    EXPECT_EQ(Window()->SelectedRow(), 2);
    EXPECT_TRUE(SearchListState().FindListMode);
}

// Wherever the focus is when a row is chosen, plain, regular-expression
// and fuzzy searches all put the caret at the hit's start, and the next
// find goes on after the hit.
TEST_F(FindList, EveryKindOfSearchStepsToTheHitsStart)
{
    const std::vector<std::pair<const char*, std::vector<const char*>>> kinds = {
        {"foo", {"-chkFuzzy", "-chkRegExp"}}, {"fo+", {"chkRegExp", "-chkFuzzy"}}, {"foo", {"chkRegExp", "chkFuzzy"}}};
    for (const auto& [find, options] : kinds) {
        SCOPED_TRACE(options.back());
        std::vector<const char*> clicks = options;
        clicks.insert(clicks.end(), {"ChkWholeFile", "ChkFindList", "全てのページ", "btnOK"});
        Fill({find, "", clicks});
        Run("FdGoFind");
        ASSERT_EQ(Rows(), "p0 p2 foo p4 foo");
        // The list's own window has the focus, as after a click in it.
        QApplication::setActiveWindow(Window());
        Window()->FindTree->setFocus();
        ASSERT_FALSE(form->DataMemo()->hasFocus());
        ClickRow(1);
        EXPECT_EQ(At(), std::make_tuple(2, 0, 3));
        QApplication::setActiveWindow(form.get());
        form->DataMemo()->setFocus();
        EXPECT_EQ(At(), std::make_tuple(2, 0, 3)) << "the focus moves no caret";
        Run("FdForwardFind");
        EXPECT_EQ(At(), std::make_tuple(2, 1, 0));
        Run("FdFindListClose");
    }
}

// Over the lower half of the page tree, below the browse tree while that
// is open, its frame ending where the tree ends, so that the status bar
// stays in sight; and never past the screen's work area.
TEST_F(FindList, TheWindowCoversTheTreesLowerHalfAboveTheStatusBar)
{
    const auto expected = [this](int Extra) {
        const QWidget& tree = *form->DataTree();
        const int height = tree.height() / 2 + Extra;
        return QRect(form->x() + 2, tree.mapToGlobal(QPoint(0, tree.height())).y() - height, tree.width() + 2, height);
    };
    const auto aboveStatusBar = [this] {
        return Window()->frameGeometry().bottom() < form->statusBar()->mapToGlobal(QPoint(0, 0)).y();
    };
    ListSearch("foo", "全てのページ");
    EXPECT_EQ(Window()->frameGeometry(), expected(42));
    EXPECT_TRUE(aboveStatusBar()) << "the page position and title stay in sight";
    Run("FdFindListClose");

    Run("OpSplitRead");
    ASSERT_TRUE(form->BrowseViewOn());
    Run("FdFindList");
    EXPECT_EQ(Window()->frameGeometry(), expected(45));
    EXPECT_TRUE(aboveStatusBar());
    Run("FdFindListClose");
    Run("OpSplitRead");

    // A main window reaching below the screen, as a maximised one with a
    // tall tree does.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    form->setGeometry(area.x(), area.y() + area.height() / 2, area.width() / 2, area.height());
    QApplication::processEvents();
    Run("FdFindList");
    EXPECT_TRUE(area.contains(Window()->frameGeometry())) << "the last rows can be reached";
    EXPECT_EQ(Window()->frameGeometry().left(), form->x() + 2);
}

TEST_F(FindList, ADeletedPageLeavesTheListAndItsRow)
{
    ListSearch("foo", "全てのページ");
    form->DataTree()->Items().Delete(Node(2));
    EXPECT_EQ(Rows(), "p0 p4 foo");
    ClickRow(1);
    EXPECT_EQ(Node(SelectedIndex())->Text(), "p4 foo");
    Run("TreePagePrev");
    EXPECT_EQ(SelectedIndex(), 0);
    form->DataTree()->Items().Delete(Node(3));
    form->DataTree()->Items().Delete(Node(0));
    EXPECT_FALSE(Window()->isVisible()) << "an emptied list closes its window";
    EXPECT_FALSE(form->ToolButton("sbFindList")->Enabled());
}

TEST_F(FindList, TheWalkOverPagesFollowsTheListWhenClosed)
{
    form->DataTree()->SetSelected(Node(1));
    ListSearch("foo", "現在のページ（下の階層を含む）");
    Run("FdFindListClose");
    Run("FdForwardFind");
    EXPECT_EQ(At(), std::make_tuple(2, 1, 0));
    Run("FdForwardFind");
    EXPECT_EQ(dialogs.Questions().back().Text, "前方（↓）に foo が見つかりません！");
    EXPECT_EQ(SelectedIndex(), 2) << "p4 holds foo but is not listed";
}

TEST_F(FindList, WithOneEntryAClickGoesBackToItsPage)
{
    form->DataTree()->SetSelected(Node(4));
    ListSearch("foo", "現在以降の全てのページ");
    ASSERT_EQ(Rows(), "p4 foo");
    form->DataTree()->SetSelected(Node(1));
    ClickRow(0);
    EXPECT_EQ(SelectedIndex(), 4);
}

TEST_F(FindList, NothingFoundStaysOnThePageAndTells)
{
    form->DataTree()->SetSelected(Node(1));
    ListSearch("zzz", "全てのページ");
    EXPECT_EQ(dialogs.Questions().back().Text, "zzzは見つかりませんでした！");
    EXPECT_EQ(SelectedIndex(), 1);
    EXPECT_EQ(PageText(1), "p1\r\nno hit");
    for (const char* button : {"sbFoward", "sbBack"})
        EXPECT_FALSE(form->ToolButton(button)->Enabled()) << button;
    EXPECT_EQ(Window(), nullptr);
}

TEST_F(FindList, LineExtractionAppendsTheLinesHoldingEveryWord)
{
    const std::string text = "a b\r\nb only\r\nb and a\r\nlast";
    form->DataMemo()->Lines()->SetTextStr(text);
    form->DataMemo()->SelectAll();
    Fill({"a b", "", {"OKButton"}});
    Run("FdExtractLine");
    EXPECT_EQ(form->DataMemo()->GetText(),
              text + "\r\n" + Sjis("{***** 検索文字列［a b］のある行を発見！*****}") + "\r\na b\r\nb and a\r\n");
}

} // namespace

// The split view (one page in two panes) and the read-only browse view,
// which never open together, and what deleting pages does to them.
#include "FormFixture.h"

#include "EditModeSwitch.h"
#include "ExternalEditor.h"
#include "FindIconForm.h"
#include "HTMLFountain.h"
#include "NodeData.h"
#include "PaneViews.h"
#include "Separate.h"
#include "SubIcons.h"

#include <QLabel>
#include <QMouseEvent>
#include <QSplitter>
#include <QSplitterHandle>
#include <QTabWidget>

namespace {

using Views = ViewsTest;

TEST_F(Views, SplitPanesShareOneTextAndTakeTurnsWithTheBrowseView)
{
    MakePages({"one\rtext", "two\r\rmore"});
    form->PaneViews().OpSplitClick();
    Settle();
    TEditorEx* second = form->SecondEditor();
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(second->ReadOnly());
    EXPECT_EQ(second->GetText(), "two\r\n\r\nmore");
    EXPECT_EQ(second->SelStart(), form->DataMemo()->SelStart());
    // The page fits the upper pane: the lower one shows it from the top,
    // the text in sight.
    EXPECT_EQ(std::pair(second->TopRow(), second->TopCol()), std::pair(0, 0));
    second->setFocus();
    QTest::keyClicks(second, QStringLiteral("!"));
    EXPECT_EQ(form->DataMemo()->GetText(), second->GetText()) << "typing in either pane shows in both";

    // Which view is open: the split view's check, the browse view and its tree.
    const auto open = [&] {
        return std::string(form->MenuItem("OpSplit")->Checked() ? "split" : "") + (form->BrowseViewOn() ? "browse" : "")
               + (form->PaneViews().BrowseTree() ? "+tree" : "");
    };
    form->PaneViews().OpSplitReadClick();
    EXPECT_EQ(open(), "browse+tree");
    EXPECT_TRUE(form->SecondEditor()->ReadOnly());
    form->PaneViews().OpSplitClick();
    EXPECT_EQ(open(), "split");
    form->PaneViews().OpSplitClick();
    EXPECT_EQ(form->SecondEditor(), nullptr);
    EXPECT_EQ(form->ActiveEditor(), form->DataMemo());
    Settle();
    EXPECT_EQ(form->Separater1()->widget(1), form->DataMemo()) << "the page editor takes the whole side again";
}

// The check marks, the tree's place button and the browse button follow
// the open view whichever way it closes: by the other view's command, or
// by a close of the window that was then refused.
TEST_F(Views, TheButtonsFollowTheOpenViewHoweverItCloses)
{
    MakePages({"one", "two"});
    const auto shown = [&] {
        TDockButton* browse = form->ToolButton("sbSplitTargetNode");
        return std::string(form->MenuItem("OpSplit")->Checked() ? "split" : "")
               + (form->MenuItem("OpSplitRead")->Checked() ? "browse" : "") + Enabled({"sbToEditor"})
               + browse->Hint().toStdString();
    };
    const std::string closed = "+閲覧専用画面を開く";
    form->PaneViews().OpSplitReadClick();
    EXPECT_EQ(shown(), "browse-閲覧専用画面を閉じる");
    form->PaneViews().OpSplitClick();
    EXPECT_EQ(shown(), "split" + closed);
    form->PaneViews().OpSplitReadClick();
    form->ExternalEditor().SetOwnExternalEditRunning(true);
    ASSERT_FALSE(form->FormCloseQuery());
    EXPECT_EQ(form->PaneViews().View(), TPaneView::None);
    EXPECT_EQ(shown(), closed);
    form->ExternalEditor().SetOwnExternalEditRunning(false);
}

TEST_F(Views, AModeSwitchRemakesTheOpenViewWithTheNewColouring)
{
    MakePages({"one", "two"});
    form->PaneViews().OpSplitClick();
    form->EditModeSwitch().SwitchEditMode(HtmlEditMode);
    ASSERT_NE(form->SecondEditor(), nullptr);
    EXPECT_EQ(form->SecondEditor()->Fountain(), form->HTMLFountain1());
    form->PaneViews().OpSplitReadClick();
    form->EditModeSwitch().SwitchEditMode(0);
    EXPECT_TRUE(form->BrowseViewOn());
    EXPECT_EQ(form->SecondEditor()->Fountain(), form->DataMemo()->Fountain());
}

TEST_F(Views, TheDividerMovesWhereItsLineIsReleasedNeverPastItsMargins)
{
    auto& divider = static_cast<TSeparater&>(*form->Separater1());
    EXPECT_EQ(divider.LineWidth(), 3);
    int starts = 0;
    std::vector<std::pair<int, int>> ends;
    divider.OnStartDrag = [&](TSeparater&) { ++starts; };
    divider.OnEndDrag = [&](TSeparater&, int Pos, int Size) { ends.emplace_back(Pos, Size); };
    // Takes the bar by its middle and lets it go with its near edge at X.
    const auto dragTo = [&](int X, int Expected) {
        QSplitterHandle& handle = *divider.handle(1);
        const QPoint middle(handle.width() / 2, handle.height() / 2);
        const QPoint to(X - handle.x() + middle.x(), middle.y());
        QTest::mousePress(&handle, Qt::LeftButton, {}, middle);
        const int before = divider.widget(0)->width();
        QMouseEvent move(QEvent::MouseMove, QPointF(to), handle.mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton,
                         {});
        QApplication::sendEvent(&handle, &move);
        EXPECT_EQ(divider.widget(0)->width(), before) << "only the line moves while dragging";
        QTest::mouseRelease(&handle, Qt::LeftButton, {}, to);
        EXPECT_EQ(divider.widget(0)->width(), Expected) << X;
    };
    const int start = form->PanelL()->width();
    dragTo(start + 40, start + 40);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(ends, (std::vector<std::pair<int, int>>{{start + 40, start + 40}}));
    dragTo(SeparatorMargin - 1, start + 40);
    dragTo(divider.width() - SeparatorMargin + 1, start + 40);
    form->PaneViews().OpSplitClick();
    Settle();
    dragTo(SeparatorMargin, SeparatorMargin);
    EXPECT_EQ(ends.back(), std::pair(SeparatorMargin, SeparatorMargin)) << "also with the split view open";
}

TEST_F(Views, AfterARestartTheViewsLeaveTheEditorSideItsRoom)
{
    MakePages({"one"});
    dialogs.Answer(mrNo);
    ASSERT_TRUE(form->FormCloseQuery()) << "the first run writes the settings file";
    form.reset();
    SettingsVars = {};
    form = std::make_unique<TTestForm>(*instances, std::make_unique<TFakeTimer>());
    StartShown();
    Click("sbAdd");
    QSplitter& divider = *form->Separater1();
    const int tree = form->PanelL()->width();
    const int side = divider.width() - tree - divider.handleWidth();
    for (const char* view : {"OpSplit", "OpSplitRead"}) {
        form->MenuItem(view)->Click();
        Settle();
        EXPECT_EQ(std::pair(form->PanelL()->width(), divider.widget(1)->width()), std::pair(tree, side)) << view;
        form->MenuItem(view)->Click();
        Settle();
    }
}

// Moved into a view's panel, the page editor passes through tiny sizes;
// it must not stay scrolled to where its caret was then.
TEST_F(Views, OpeningAndClosingAViewKeepsWhatThePageEditorShowed)
{
    MakePages({"Title line\rsecond line of text"});
    TEditorEx& memo = *form->DataMemo();
    memo.SetRowCol(1, 19);
    Settle();
    ASSERT_EQ(std::pair(memo.TopRow(), memo.TopCol()), std::pair(0, 0));
    form->PaneViews().OpSplitClick();
    Settle();
    EXPECT_EQ(std::pair(memo.TopRow(), memo.TopCol()), std::pair(0, 0)) << "opened";
    EXPECT_EQ(std::pair(form->SecondEditor()->TopRow(), form->SecondEditor()->TopCol()), std::pair(0, 0));
    form->PaneViews().OpSplitClick();
    Settle();
    EXPECT_EQ(std::pair(memo.TopRow(), memo.TopCol()), std::pair(0, 0)) << "closed";
}

TEST_F(Views, TheEditorKeepsTheFocusAndTheSelectionModeFollowsItFromPaneToPane)
{
    MakePages({"one two\rthree four"});
    TEditorEx& memo = *form->DataMemo();
    memo.SetRowCol(0, 2);
    form->PaneViews().OpSplitClick();
    Settle();
    ASSERT_TRUE(memo.hasFocus()) << "opening the split view";
    TEditorEx& second = *form->SecondEditor();
    memo.SetSelectionMode(TEditorSelectionMode::smBox);
    QTest::keyClick(&memo, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(second.hasFocus()) << "Shift+TAB goes to the other pane";
    EXPECT_EQ(second.SelectionMode(), TEditorSelectionMode::smBox);
    second.SetSelectionMode(TEditorSelectionMode::smLine);
    second.SetRowCol(1, 1);
    QTest::keyClicks(&second, QStringLiteral("X"));
    second.SetSelLength(3);
    memo.setFocus();
    EXPECT_EQ(std::pair(memo.SelectionMode(), second.SelLength()), std::pair(TEditorSelectionMode::smLine, 0));
    QTest::keyClicks(&memo, QStringLiteral("Y"));
    EXPECT_EQ(memo.GetText(), "onYe two\r\ntXhree four") << "typed in both panes";

    second.setFocus();
    form->PaneViews().OpSplitClick();
    Settle();
    EXPECT_TRUE(memo.hasFocus()) << "closing the split view";
    TDockButton& browseButton = *form->ToolButton("sbSplitTargetNode");
    const int closedPicture = browseButton.ImageIndex();
    Click("sbAdd");
    memo.setFocus();
    form->PaneViews().OpSplitReadClick();
    Settle();
    EXPECT_TRUE(memo.hasFocus()) << "opening the browse view";
    EXPECT_NE(browseButton.ImageIndex(), closedPicture) << "the button shows it closes the view";
    form->PaneViews().OpSplitReadClick();
    Settle();
    EXPECT_EQ(browseButton.ImageIndex(), closedPicture);
    EXPECT_TRUE(form->DataTree()->hasFocus()) << "closing the browse view goes to the tree, as the view's rules say";
}

TEST_F(Views, RefusedWithTheTreeAboveTheEditorAndTheBrowseViewWithOnePage)
{
    MakePages({"only"});
    form->PaneViews().OpSplitReadClick();
    EXPECT_EQ(form->SecondEditor(), nullptr);
    Click("sbAdd");
    form->MenuItem("TreeDisp")->SetChecked(true);
    form->PaneViews().OpSplitClick();
    form->PaneViews().OpSplitReadClick();
    EXPECT_EQ(form->SecondEditor(), nullptr);
}

TEST_F(Views, BrowseViewShowsOnePageWhileAnotherIsEditedAndRemembersIt)
{
    SettingsVars.PageCursor.Mode = true;
    MakePages({"one", "two\rsecond line", "three"});
    form->PaneViews().OpSplitReadClick();
    Settle();
    TEditorEx* browse = form->SecondEditor();
    ASSERT_NE(browse, nullptr);
    EXPECT_EQ(browse->GetText(), "one") << "the first opening shows the first page";
    EXPECT_EQ(form->PaneViews().BrowseTab()->tabText(0), QStringLiteral(" ［閲覧専用］one"));
    EXPECT_EQ(form->DataMemo()->GetText() + Enabled({"sbToEditor"}), "three-") << "the page editor keeps its page";

    TTreeView* tree = form->PaneViews().BrowseTree();
    tree->SetSelected(tree->Items().Item(1));
    EXPECT_EQ(browse->GetText(), "two\r\nsecond line");
    browse->SetSelStart(5);
    tree->SetSelected(tree->Items().Item(2));
    EXPECT_EQ(dynamic_cast<TNodeData*>(Node(1)->Data())->SelStart(), 5) << "the caret of the page left is kept";
    tree->SetSelected(tree->Items().Item(1));
    EXPECT_EQ(browse->SelStart(), 5);

    form->PaneViews().OpSplitReadClick();
    EXPECT_EQ(form->PaneViews().BrowsePageNode(), Node(1));
    EXPECT_EQ(Enabled({"sbToEditor"}), "+");
    form->PaneViews().OpSplitReadClick();
    EXPECT_EQ(form->SecondEditor()->GetText(), "two\r\nsecond line") << "reopening shows the page left there";
    form->PaneViews().OpSplitReadClick();

    form->DataTree()->Items().Delete(Node(1));
    EXPECT_EQ(form->PaneViews().BrowsePageNode(), nullptr);
    form->DataTree()->Items().Add(nullptr, "no record");
    form->PaneViews().OpSplitReadClick();
    EXPECT_EQ(form->SecondEditor()->GetText(), "one");
    tree = form->PaneViews().BrowseTree();
    tree->SetSelected(tree->Items().Item(2));
    EXPECT_EQ(form->SecondEditor()->GetText(), "") << "a page without its record shows nothing";
    tree->SetSelected(tree->Items().Item(0)); // leaving it stores nothing
    EXPECT_EQ(Node(2)->Data(), nullptr);
}

TEST_F(Views, TabCaptionKeepsADoubleByteCharacterWhole)
{
    MakePages({"x", "y"});
    const std::string title = std::string(95, 'a') + Sjis("表題");
    form->DataTree()->Items().Item(0)->SetText(title);
    form->PaneViews().OpSplitReadClick();
    const QString shown = form->PaneViews().BrowseTab()->tabText(0).mid(QStringLiteral(" ［閲覧専用］").size());
    EXPECT_EQ(Utf8ToSjis(shown.toStdString()), std::string(95, 'a') + Sjis("表")) << "97 bytes, not 96";
}

TEST_F(Views, DeletedPagesLeaveNoEntryInTheBrowseViewOrTheFinder)
{
    MakePages({"one", "two", "three", "four"});
    for (int i = 0; i < 4; ++i)
        Node(i)->SetStateIndex(1 + i % 2);
    form->DataTree()->SetSelected(Node(1));
    form->PaneViews().OpSplitReadClick();
    form->PaneViews().BrowseTree()->SetSelected(form->PaneViews().BrowseTree()->Items().Item(2));
    form->SubIcons().FdGoSubIconClick();
    TFindIconForm* finder = form->SubIcons().SubIconFinder();
    ASSERT_NE(finder, nullptr);
    ASSERT_EQ(finder->IconTree()->Items().Count(), 4);

    // The default delete key is refused while the views hold pages.
    form->DataTree()->setFocus();
    QTest::keyClick(form->DataTree(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(form->DataTree()->Items().Count(), 4);

    // Any other way a page goes takes its entries with it.
    form->DataTree()->Items().Delete(Node(2));
    EXPECT_EQ(form->PaneViews().BrowseTree()->Items().Count(), 3);
    EXPECT_EQ(finder->LbSubIcon()->text(), QStringLiteral("全部で 3 ページ"));
    EXPECT_NE(form->SecondEditor()->GetText(), "three") << "the browse pane no longer shows it";
    for (TTreeNode* entry = form->PaneViews().BrowseTree()->Items().GetFirstNode(); entry; entry = entry->GetNext())
        form->PaneViews().BrowseTree()->SetSelected(entry);
    for (TTreeNode* entry = finder->IconTree()->Items().GetFirstNode(); entry; entry = entry->GetNext()) {
        finder->IconTree()->SetSelected(entry);
        finder->IconTreeClick();
        EXPECT_EQ(form->DataTree()->Selected()->Text(), entry->Text());
    }
}

} // namespace

// The split view (one page in two panes) and the read-only browse view,
// which never open together, and what deleting pages does to them.
#include "FormFixture.h"

#include "FindIconForm.h"
#include "HTMLFountain.h"
#include "NodeData.h"

#include <QLabel>
#include <QMouseEvent>
#include <QSplitter>
#include <QTabWidget>

namespace {

using Views = ViewsTest;

TEST_F(Views, SplitPanesShareOneTextAndTakeTurnsWithTheBrowseView)
{
    MakePages({"one\rtext", "two\r\rmore"});
    form->OpSplitClick();
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
               + (form->BrowseTree() ? "+tree" : "");
    };
    form->OpSplitReadClick();
    EXPECT_EQ(open(), "browse+tree");
    EXPECT_TRUE(form->SecondEditor()->ReadOnly());
    form->OpSplitClick();
    EXPECT_EQ(open(), "split");
    form->OpSplitClick();
    EXPECT_EQ(form->SecondEditor(), nullptr);
    EXPECT_EQ(form->ActiveEditor(), form->DataMemo());
    Settle();
    EXPECT_EQ(form->Separater1()->widget(1), form->DataMemo()) << "the page editor takes the whole side again";
}

TEST_F(Views, AModeSwitchRemakesTheOpenViewWithTheNewColouring)
{
    MakePages({"one", "two"});
    form->OpSplitClick();
    form->SwitchEditMode(HtmlEditMode);
    ASSERT_NE(form->SecondEditor(), nullptr);
    EXPECT_EQ(form->SecondEditor()->Fountain(), form->HTMLFountain1());
    form->OpSplitReadClick();
    form->SwitchEditMode(0);
    EXPECT_TRUE(form->BrowseViewOn());
    EXPECT_EQ(form->SecondEditor()->Fountain(), form->DataMemo()->Fountain());
}

TEST_F(Views, TheDividerStopsShortOfEitherEdge)
{
    QSplitter& divider = *form->Separater1();
    QSplitterHandle& handle = *divider.handle(1);
    const QPoint middle(handle.width() / 2, handle.height() / 2);
    const auto dragTo = [&](int X) {
        QTest::mousePress(&handle, Qt::LeftButton, {}, middle);
        QMouseEvent move(QEvent::MouseMove, QPointF(X - handle.x(), middle.y()),
                         handle.mapToGlobal(QPointF(X - handle.x(), middle.y())), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&handle, &move);
        QTest::mouseRelease(&handle, Qt::LeftButton, {}, QPoint(X - handle.x(), middle.y()));
    };
    dragTo(2);
    EXPECT_EQ(form->PanelL()->width(), 10);
    dragTo(divider.width() - 2);
    EXPECT_EQ(form->DataMemo()->width(), 10);
    form->OpSplitClick();
    dragTo(divider.width());
    EXPECT_EQ(divider.widget(1)->width(), 10) << "also with the split view open";
}

TEST_F(Views, RefusedWithTheTreeAboveTheEditorAndTheBrowseViewWithOnePage)
{
    MakePages({"only"});
    form->OpSplitReadClick();
    EXPECT_EQ(form->SecondEditor(), nullptr);
    Click("sbAdd");
    form->MenuItem("TreeDisp")->SetChecked(true);
    form->OpSplitClick();
    form->OpSplitReadClick();
    EXPECT_EQ(form->SecondEditor(), nullptr);
}

TEST_F(Views, BrowseViewShowsOnePageWhileAnotherIsEditedAndRemembersIt)
{
    SettingsVars.PageCursor.Mode = true;
    MakePages({"one", "two\rsecond line", "three"});
    form->OpSplitReadClick();
    Settle();
    TEditorEx* browse = form->SecondEditor();
    ASSERT_NE(browse, nullptr);
    EXPECT_EQ(browse->GetText(), "one") << "the first opening shows the first page";
    EXPECT_EQ(form->BrowseTab()->tabText(0), QStringLiteral(" ［閲覧専用］one"));
    EXPECT_EQ(form->DataMemo()->GetText() + Enabled({"sbToEditor"}), "three-") << "the page editor keeps its page";

    TTreeView* tree = form->BrowseTree();
    tree->SetSelected(tree->Items().Item(1));
    EXPECT_EQ(browse->GetText(), "two\r\nsecond line");
    browse->SetSelStart(5);
    tree->SetSelected(tree->Items().Item(2));
    EXPECT_EQ(dynamic_cast<TNodeData*>(Node(1)->Data())->SelStart(), 5) << "the caret of the page left is kept";
    tree->SetSelected(tree->Items().Item(1));
    EXPECT_EQ(browse->SelStart(), 5);

    form->OpSplitReadClick();
    EXPECT_EQ(form->BrowsePageNode(), Node(1));
    EXPECT_EQ(Enabled({"sbToEditor"}), "+");
    form->OpSplitReadClick();
    EXPECT_EQ(form->SecondEditor()->GetText(), "two\r\nsecond line") << "reopening shows the page left there";
    form->OpSplitReadClick();

    form->DataTree()->Items().Delete(Node(1));
    EXPECT_EQ(form->BrowsePageNode(), nullptr);
    form->DataTree()->Items().Add(nullptr, "no record");
    form->OpSplitReadClick();
    EXPECT_EQ(form->SecondEditor()->GetText(), "one");
    tree = form->BrowseTree();
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
    form->OpSplitReadClick();
    const QString shown = form->BrowseTab()->tabText(0).mid(QStringLiteral(" ［閲覧専用］").size());
    EXPECT_EQ(Utf8ToSjis(shown.toStdString()), std::string(95, 'a') + Sjis("表")) << "97 bytes, not 96";
}

TEST_F(Views, DeletedPagesLeaveNoEntryInTheBrowseViewOrTheFinder)
{
    MakePages({"one", "two", "three", "four"});
    for (int i = 0; i < 4; ++i)
        Node(i)->SetStateIndex(1 + i % 2);
    form->DataTree()->SetSelected(Node(1));
    form->OpSplitReadClick();
    form->BrowseTree()->SetSelected(form->BrowseTree()->Items().Item(2));
    form->FdGoSubIconClick();
    TFindIconForm* finder = form->SubIconFinder();
    ASSERT_NE(finder, nullptr);
    ASSERT_EQ(finder->IconTree()->Items().Count(), 4);

    // The default delete key is refused while the views hold pages.
    form->DataTree()->setFocus();
    QTest::keyClick(form->DataTree(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(form->DataTree()->Items().Count(), 4);

    // Any other way a page goes takes its entries with it.
    form->DataTree()->Items().Delete(Node(2));
    EXPECT_EQ(form->BrowseTree()->Items().Count(), 3);
    EXPECT_EQ(finder->LbSubIcon()->text(), QStringLiteral("全部で 3 ページ"));
    EXPECT_NE(form->SecondEditor()->GetText(), "three") << "the browse pane no longer shows it";
    for (TTreeNode* entry = form->BrowseTree()->Items().GetFirstNode(); entry; entry = entry->GetNext())
        form->BrowseTree()->SetSelected(entry);
    for (TTreeNode* entry = finder->IconTree()->Items().GetFirstNode(); entry; entry = entry->GetNext()) {
        finder->IconTree()->SetSelected(entry);
        finder->IconTreeClick();
        EXPECT_EQ(form->DataTree()->Selected()->Text(), entry->Text());
    }
}

} // namespace

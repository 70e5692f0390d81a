// The status bar of the running window: its page, title and size panels
// follow every change of the tree, whichever command made it, and every
// panel is wide enough for its text and none covers another.
#include "FormFixture.h"

#include "StatusBarTexts.h"
#include "StatusPanel.h"

#include <QStatusBar>
#include <functional>

namespace {

class TreeStatus : public ViewsTest {
protected:
    void Run(std::string_view Item) { form->MenuItem(Item)->Click(); }
    void Select(int AbsoluteIndex) { form->DataTree()->SetSelected(Node(AbsoluteIndex)); }
    // The three panels as they are shown, once the command's events are
    // done, and as the tree and the editor say they should be.
    std::string Shown() const
    {
        QApplication::processEvents();
        return Panel(0) + "|" + Panel(1) + "|" + Panel(2);
    }
    std::string Expected() const
    {
        const TTreeNode* selected = form->DataTree()->Selected();
        return PagePositionText(selected ? selected->AbsoluteIndex() : -1, form->DataTree()->Items().Count()) + "|"
               + (selected ? SjisToUtf8(selected->Text()) : "") + "|"
               + SizePanelText(form->ActiveEditor()->GetTextLen());
    }
};

TEST_F(TreeStatus, ThePanelsFollowEveryChangeOfTheTree)
{
    MakePages({"one", "two\rbody", "three", "four", "five"});
    const auto drop = [&](int Target, bool Shift) {
        TTreeView& tree = *form->DataTree();
        const QRect row = tree.visualRect(tree.model()->index(Target, 0));
        tree.OnDragDrop(&tree, &tree, row.center().x(), row.center().y(),
                        Shift ? TShiftState{TShiftStateItem::ssShift} : TShiftState{});
    };
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"cut",
         [&] {
             Select(1);
             dialogs.Answer(mrYes);
             Run("TreeNodeCut");
         }},
        {"paste",
         [&] {
             Select(0);
             Run("TreeNodePaste");
         }},
        {"insert",
         [&] {
             Select(3);
             Run("TreeIns");
         }},
        {"add", [&] { Run("TreeAdd"); }},
        {"add child",
         [&] {
             Select(0);
             Run("TreeAddChild");
         }},
        {"delete", [&] { Run("TreeDel"); }},
        {"merge",
         [&] {
             Select(1);
             dialogs.Answer(mrYes);
             Run("TreeUnify");
         }},
        {"split",
         [&] {
             form->ActiveEditor()->SetSelStart(3);
             dialogs.Answer(mrYes);
             Run("EdPageDevide");
         }},
        {"drag below",
         [&] {
             Select(0);
             drop(3, false);
         }},
        {"drag into",
         [&] {
             Select(0);
             drop(2, true);
         }},
        {"move up",
         [&] {
             Select(3);
             Run("TreeMoveUp");
         }},
        {"sort",
         [&] {
             Select(0);
             dialogs.Answer(mrYes);
             Run("TreeSort");
         }},
    };
    for (const auto& [name, step] : steps) {
        const int count = form->DataTree()->Items().Count();
        step();
        EXPECT_EQ(Shown(), Expected()) << name << " (" << count << " pages before)";
    }
}

TEST_F(TreeStatus, EveryPanelHoldsItsWidestTextAndNoneCoversAnother)
{
    for (int i = 0; i < 6; ++i) {
        const TStatusPanel& panel = *form->StatusPanel(i);
        const QString widest = QString::fromStdString(WidestPanelText(i));
        EXPECT_GE(panel.width(), panel.WidthFor(widest)) << i;
    }
    for (const int width : {900, 400, 150}) {
        form->resize(width, form->height());
        QApplication::processEvents();
        for (int i = 1; i < 6; ++i)
            EXPECT_EQ(form->StatusPanel(i)->x(), form->StatusPanel(i - 1)->geometry().right() + 1)
                << "panel " << i << " at a window " << width << " wide";
    }
    // At a good width the title takes what the others leave; a long title
    // keeps 5 pixels a byte, and what does not fit is cut off at the right.
    form->resize(1200, form->height());
    QApplication::processEvents();
    const TStatusPanel& last = *form->StatusPanel(5);
    EXPECT_EQ(last.geometry().right() + 1, last.parentWidget()->width());
    Type(QString(100, QLatin1Char('w')));
    form->resize(400, form->height());
    QApplication::processEvents();
    EXPECT_EQ(form->StatusPanel(1)->width(), 5 * 100);
}

TEST_F(TreeStatus, APageAddedFromTheTreeIsWrittenInTheEditor)
{
    // Ctrl+I inserts, Ctrl+K adds, Ctrl+L adds a child.
    for (const Qt::Key key : {Qt::Key_K, Qt::Key_I, Qt::Key_L}) {
        form->DataTree()->setFocus();
        QTest::keyClick(form->DataTree(), key, Qt::ControlModifier);
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), form->DataMemo()) << key;
        Type(QStringLiteral("fresh"));
        EXPECT_EQ(form->DataTree()->Selected()->Text(), "fresh") << key;
    }
}

} // namespace

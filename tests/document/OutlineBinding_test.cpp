#include "OutlineBinding.h"

#include "EditorDriver.h"
#include "EditorEx.h"
#include "FakeOutlineHost.h"
#include "NodeData.h"
#include "SubIni.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using edtest::TEditorDriver;

class Outline : public ::testing::Test {
protected:
    Outline()
    {
        SettingsVars = {};
        SettingsVars.PageCursor.Mode = true;
        // What the window's DataMemoChange does with the page.
        Memo().OnChange = [this](TObject*) {
            if (!Binding.ShowingPage())
                Binding.StorePage(Items().Selected());
        };
        Tree.resize(300, 400);
        Tree.show();
    }
    ~Outline() override { SettingsVars = {}; }

    TEditorEx& Memo() const { return static_cast<TEditorEx&>(Ed.Ed()); }
    TTreeNodes& Items() { return Tree.Items(); }
    static const TNodeData& Page(const TTreeNode* Node) { return *dynamic_cast<const TNodeData*>(Node->Data()); }
    // Shows exactly Rows rows of text.
    void ShowRows(int Rows)
    {
        const int frame = Memo().height() - Memo().viewport()->height();
        Memo().resize(Memo().width(), frame + Memo().TextTop() + 5 + Rows * Memo().RowHeight());
        TEditorDriver::Process();
        ASSERT_EQ(Memo().VisibleRows(), Rows);
    }
    // A point of the tree's client area over Node (all nodes shown).
    QPoint PointOf(const TTreeNode* Node)
    {
        Tree.FullExpand();
        TEditorDriver::Process();
        const int x = Tree.viewport()->width() / 2;
        for (int y = 0; y < Tree.viewport()->height(); ++y)
            if (Tree.GetNodeAt(x, y) == Node)
                return {x, y};
        ADD_FAILURE() << "node not shown";
        return {};
    }

    TEditorDriver Ed{TEditor::Create<TEditorEx>()};
    TFakeHost Host{&Memo()};
    TTreeView Tree;
    TOutlineBinding Binding{Tree, Host};
};

TEST_F(Outline, InsertingOrAddingAChildNeedsASelectedPage)
{
    Binding.TreeInsClick();
    Binding.TreeAddChildClick();
    EXPECT_EQ(Items().Count(), 0) << "no page to insert before or under";
    Binding.TreeAddClick();
    TTreeNode* first = Items().Selected();
    ASSERT_NE(first, nullptr);
    Binding.TreeAddChildClick();
    EXPECT_EQ(std::pair(Items().Selected()->Level(), Items().Count()), std::pair(1, 2));
    EXPECT_NE(first->Data(), nullptr) << "a page left is stored";
}

TEST_F(Outline, ShownCaretComesIntoTheMiddleBandOfTheView)
{
    ShowRows(10);
    const struct {
        int Lines, CaretLine, TopRow;
        bool Scroll;
        TScrollStyle Bars;
    } cases[] = {
        {100, 50, 47, false, TScrollStyle::ssVertical},
        {100, 3, 0, true, TScrollStyle::ssBoth},
        {5, 1, 0, false, TScrollStyle::ssNone},
        {5, 1, 0, true, TScrollStyle::ssHorizontal},
    };
    for (const auto& c : cases) {
        SettingsVars.Options.Scroll = c.Scroll;
        Binding.ShowPage(nullptr);
        TNodeData data;
        data.SetItemStr(edtest::Lines(c.Lines, "line"));
        data.SetSelStart(c.CaretLine * 6);
        Binding.ShowPage(&data);
        EXPECT_EQ(std::tuple(Memo().Row(), Memo().TopRow(), Memo().ScrollBars()),
                  std::tuple(c.CaretLine, c.TopRow, c.Bars));
        EXPECT_EQ(data.SelStart(), c.CaretLine * 6) << "showing stores nothing";
    }
    SettingsVars.PageCursor.Mode = false;
    TNodeData data;
    data.SetItemStr("a\r\nb\r\n");
    data.SetSelStart(3);
    Binding.ShowPage(&data);
    EXPECT_EQ(Memo().SelStart(), 0);
}

TEST_F(Outline, DroppedPagesMoveOnlyWhereATreeCanHoldThem)
{
    TTreeNode* a = Items().Add(nullptr, "A");
    TTreeNode* b = Items().AddChild(a, "B");
    TTreeNode* c = Items().AddChild(b, "C");
    TTreeNode* d = Items().Add(nullptr, "D");
    TObject* source = &Tree;
    bool accept = true;
    Tree.SetSelected(a);
    const QPoint onC = PointOf(c);
    Binding.DataTreeDragOver(&Tree, source, onC.x(), onC.y(), accept);
    EXPECT_FALSE(accept) << "a page cannot go into its own subtree";
    Binding.DataTreeDragDrop(&Tree, source, onC.x(), onC.y(), {});
    EXPECT_EQ(std::tuple(Items().Count(), c->Parent(), Host.Modifications), std::tuple(4, b, 0));

    const QPoint onA = PointOf(a);
    Tree.SetSelected(d);
    Binding.DataTreeDragDrop(&Tree, source, onA.x(), onA.y(), {});
    EXPECT_EQ(Host.Modifications, 0) << "D is directly after A already";
    Binding.DataTreeDragDrop(&Tree, source, onA.x(), onA.y(), {TShiftStateItem::ssShift});
    EXPECT_EQ(a->GetLastChild(), d);
    Tree.SetSelected(c);
    const QPoint onB = PointOf(b);
    Binding.DataTreeDragDrop(&Tree, source, onB.x(), onB.y(), {});
    EXPECT_EQ(b->getNextSibling(), c);
    EXPECT_EQ(Host.Modifications, 2);
}

TEST_F(Outline, HistoryFollowsTheSelectionAndForgetsDeletedPages)
{
    std::vector<TTreeNode*> pages;
    for (int i = 0; i < 5; ++i) {
        Binding.TreeAddClick();
        pages.push_back(Items().Selected());
    }
    // The back menu lists 3 2 1 0; its second item goes to page 2.
    Binding.PageHistoryMenuClick(TPageHistoryMenu::UndoPopup, 1);
    EXPECT_EQ(Items().Selected(), pages[2]);
    EXPECT_EQ(Binding.History().ForwardList(), (TPageHistory::TNodeList{pages[4], pages[3]}));
    EXPECT_EQ(Host.HistoryButtons, std::make_pair(true, true));
    EXPECT_TRUE(Binding.PageForward(-1));
    EXPECT_EQ(Items().Selected(), pages[3]);
    Tree.SetSelected(pages[1]);
    EXPECT_EQ(Binding.BeforePageNode(), pages[3]);
    Items().Delete(pages[3]);
    EXPECT_EQ(Host.Deleted, std::vector<TTreeNode*>{pages[3]});
    EXPECT_EQ(Binding.BeforePageNode(), nullptr);
    for (const auto* list : {&Binding.History().BackList(), &Binding.History().ForwardList()})
        EXPECT_EQ(std::count(list->begin(), list->end(), pages[3]), 0);
}

TEST_F(Outline, CtrlKeypadMinusCleansThePageUp)
{
    Binding.TreeAddClick();
    Ed.SetText("  title  \r\n\r\nbody  \r\n\r\n");
    QTest::keyClick(&Tree, Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(Memo().GetText(), "  title\r\nbody\r\n");
    EXPECT_EQ(Page(Items().Selected()).ItemStr(), "  title\r\nbody\r\n");
    EXPECT_EQ(std::pair(Items().Selected()->Text(), Host.Modifications), std::pair(std::string("title"), 1));
    Ed.SetText("x \r\n");
    QTest::keyClick(&Tree, Qt::Key_Minus, Qt::ControlModifier | Qt::ShiftModifier | Qt::KeypadModifier);
    EXPECT_EQ(Memo().GetText(), "x \r\n") << "only with exactly Ctrl held";
}

TEST_F(Outline, SelectRelativeWalksTheTreeByMode)
{
    TTreeNode* a = Items().Add(nullptr, "A");
    Tree.SetSelected(a);
    Binding.SelectRelative(1);
    EXPECT_EQ(Items().Selected(), a) << "one page: nothing";
    TTreeNode* b = Items().AddChild(a, "B");
    TTreeNode* c = Items().Add(nullptr, "C");
    const struct {
        int Mode;
        TTreeNode *From, *To;
    } cases[] = {{0, c, b}, {1, a, b}, {2, c, a}, {3, a, c}, {3, b, b}, {4, a, a}};
    for (const auto& step : cases) {
        Tree.SetSelected(step.From);
        Binding.SelectRelative(step.Mode);
        EXPECT_EQ(Items().Selected(), step.To) << step.Mode;
    }
}

} // namespace

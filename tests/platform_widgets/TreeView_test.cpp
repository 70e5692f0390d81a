// TTreeView: the view follows the node model and the model hears the view,
// through Qt's own mouse, key, focus and drag events.
#include "TreeView.h"

#include "ScriptedDialogs.h"
#include "TreeDragData.h"

#include <QApplication>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

class TTreeViewTest : public testing::Test {
protected:
    TTreeViewTest()
    {
        View.resize(300, 400);
        Items().LoadFromText("a\r\n\tb\r\n\t\tc\r\n\td\r\ne\r\n");
        View.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&View));
    }

    TTreeNodes& Items() { return View.Items(); }
    TTreeNode* Node(const std::string& Title)
    {
        for (TTreeNode* node = Items().GetFirstNode(); node; node = node->GetNext())
            if (node->Text() == Title)
                return node;
        ADD_FAILURE() << "no node " << Title;
        return nullptr;
    }
    QModelIndex IndexOf(const std::string& Title)
    {
        const QModelIndex index = View.model()->index(Node(Title)->Index(), 0, ParentIndex(Node(Title)->Parent()));
        EXPECT_EQ(index.data().toString().toStdString(), Title);
        return index;
    }
    QModelIndex ParentIndex(TTreeNode* Parent) { return Parent ? IndexOf(Parent->Text()) : QModelIndex(); }
    QPoint CentreOf(const std::string& Title) { return View.visualRect(IndexOf(Title)).center(); }
    TTreeNode* CurrentNode()
    {
        const QModelIndex current = View.currentIndex();
        return current.isValid() ? Node(current.data().toString().toStdString()) : nullptr;
    }

    TTreeView View;
};

TEST_F(TTreeViewTest, SelectingInTheModelShowsTheNodeOpened)
{
    EXPECT_FALSE(Node("a")->Expanded());
    View.SetSelected(Node("c"));
    EXPECT_TRUE(Node("a")->Expanded() && Node("b")->Expanded() && View.isExpanded(IndexOf("b")));
    EXPECT_EQ(std::pair(CurrentNode(), View.selectionModel()->isSelected(IndexOf("c"))), std::pair(Node("c"), true));
    EXPECT_EQ(View.GetNodeAt(CentreOf("c").x(), CentreOf("c").y()), Node("c"));

    // The selection moving off a deleted node moves the view's too.
    Items().Delete(Node("b"));
    EXPECT_EQ(CurrentNode(), Node("d"));
    Items().Clear();
    EXPECT_EQ(std::pair(View.currentIndex().isValid(), View.GetNodeAt(5, 5)),
              (std::pair<bool, TTreeNode*>(false, nullptr)));
}

TEST_F(TTreeViewTest, ClicksAndKeysSelectThroughTheModel)
{
    std::vector<std::string> events;
    Items().OnChanging = [&](TTreeNode* Node) { events.push_back("changing " + Node->Text()); };
    Items().OnChange = [&](TTreeNode* Node) { events.push_back("change " + Node->Text()); };
    QTest::mouseClick(View.viewport(), Qt::LeftButton, {}, CentreOf("e"));
    EXPECT_EQ(View.Selected(), Node("e"));
    QTest::keyClick(&View, Qt::Key_Up);
    EXPECT_EQ(View.Selected(), Node("a"));
    EXPECT_EQ(events, (std::vector<std::string>{"changing e", "change e", "changing a", "change a"}));

    // Opening and closing in the view reaches the nodes, and back.
    QTest::keyClick(&View, Qt::Key_Right);
    EXPECT_TRUE(Node("a")->Expanded());
    Node("a")->SetExpanded(false);
    EXPECT_FALSE(View.isExpanded(IndexOf("a")));

    // Closing the node over the selection in the view selects that node.
    View.SetSelected(Node("c"));
    View.collapse(IndexOf("a"));
    EXPECT_EQ(std::tuple(Node("a")->Expanded(), View.Selected(), CurrentNode()),
              std::tuple(false, Node("a"), Node("a")));
}

TEST_F(TTreeViewTest, ARightClickOrAFailedChangeLeavesViewAndModelOnTheOldNode)
{
    View.SetSelected(Node("a"));
    std::vector<std::tuple<TMouseButton, bool, QPoint>> presses;
    View.OnMouseDown = [&](TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
        EXPECT_EQ(Sender, &View);
        presses.emplace_back(Button, Shift.Contains(TShiftStateItem::ssCtrl), QPoint(X, Y));
    };
    QTest::mouseClick(View.viewport(), Qt::RightButton, Qt::ControlModifier, CentreOf("e"));
    EXPECT_EQ(presses, (std::vector{std::make_tuple(TMouseButton::mbRight, true, CentreOf("e"))}));
    EXPECT_EQ(View.Selected(), Node("a"));

    View.OnMouseDown = nullptr;
    TScriptedDialogs dialogs;
    Items().OnChanging = [](TTreeNode*) { throw Exception("no"); };
    QTest::mouseClick(View.viewport(), Qt::LeftButton, {}, CentreOf("e"));
    ASSERT_EQ(dialogs.Questions().size(), 1u);
    EXPECT_EQ(std::tuple(dialogs.Questions()[0].Text, View.Selected(), CurrentNode()),
              std::tuple(std::string("no"), Node("a"), Node("a")));
}

TEST_F(TTreeViewTest, ExpansionSurvivesMovesSortsAndUpdates)
{
    Node("a")->Expand(true);
    View.SetSelected(Node("c"));
    // The selected node moves along into a closed node, which opens to it.
    Node("b")->MoveTo(Node("e"), TNodeAttachMode::naAddChild);
    EXPECT_EQ(
        std::tuple(View.isExpanded(IndexOf("b")), View.isExpanded(IndexOf("e")), Node("e")->Expanded(), CurrentNode()),
        std::tuple(true, true, true, Node("c")));

    Node("e")->SetExpanded(true);
    Items().CustomSort([](const TTreeNode* A, const TTreeNode* B) { return B->Text().compare(A->Text()); }, true);
    EXPECT_EQ(std::pair(View.isExpanded(IndexOf("b")), CurrentNode()), std::pair(true, Node("c")));

    WithinUpdate(Items(), [&] { Items().AddChild(Node("c"), "f"); });
    EXPECT_EQ(std::tuple(View.isExpanded(IndexOf("e")), View.isExpanded(IndexOf("b")), View.isExpanded(IndexOf("c")),
                         CurrentNode(), View.model()->rowCount(IndexOf("c"))),
              std::tuple(true, true, false, Node("c"), 1));

    // A deleted expanded node is forgotten: the next reset does not show it.
    Items().Delete(Node("e"));
    WithinUpdate(Items(), [&] { Items().Add(nullptr, "g"); });
    EXPECT_EQ(View.model()->rowCount(), 2);
}

// Drags Data onto the view as the window system would: whether the move was accepted.
bool DragOnto(TTreeView& View, QMimeData& Data, QPoint Point, Qt::KeyboardModifiers Modifiers)
{
    QDragEnterEvent enter(Point, Qt::MoveAction, &Data, Qt::LeftButton, Modifiers);
    QApplication::sendEvent(View.viewport(), &enter);
    QDragMoveEvent move(Point, Qt::MoveAction, &Data, Qt::LeftButton, Modifiers);
    QApplication::sendEvent(View.viewport(), &move);
    QDropEvent drop(Point, Qt::MoveAction, &Data, Qt::LeftButton, Modifiers);
    QApplication::sendEvent(View.viewport(), &drop);
    return move.isAccepted();
}

TEST_F(TTreeViewTest, DragsOfNodesReachTheDragHandlers)
{
    std::vector<std::string> heard;
    bool accept = true;
    View.OnDragOver = [&](TObject*, TObject* Source, int X, int Y, bool& Accept) {
        EXPECT_EQ(Source, &View);
        heard.push_back("over " + View.GetNodeAt(X, Y)->Text());
        Accept = accept;
    };
    View.OnDragDrop = [&](TObject*, TObject* Source, int X, int Y, TShiftState Shift) {
        EXPECT_EQ(Source, &View);
        heard.push_back("drop " + View.GetNodeAt(X, Y)->Text() + (Shift.Contains(TShiftStateItem::ssShift) ? "+" : ""));
    };
    TTreeDragData node(&View);
    EXPECT_TRUE(DragOnto(View, node, CentreOf("e"), Qt::ShiftModifier));
    accept = false;
    EXPECT_FALSE(DragOnto(View, node, CentreOf("a"), {}));
    QMimeData text; // not a node: the handlers never hear of it
    text.setText("e");
    EXPECT_FALSE(DragOnto(View, text, CentreOf("e"), {}));
    EXPECT_EQ(heard, (std::vector<std::string>{"over e", "drop e+", "over a", "drop a"}));
}

TEST_F(TTreeViewTest, OnlyACutOffTitleShowsAsAToolTipAndRowsTakeTheFontsHeight)
{
    TFont font;
    font.SetHeight(-40);
    View.SetFont(font);
    EXPECT_GE(View.visualRect(IndexOf("a")).height(), 40);

    const std::string title(200, 'w');
    Node("e")->SetText(title);
    auto restOn = [&](const std::string& Title) {
        const QPoint point = View.visualRect(IndexOf(Title)).center();
        QHelpEvent help(QEvent::ToolTip, point, View.viewport()->mapToGlobal(point));
        QApplication::sendEvent(View.viewport(), &help);
        return QToolTip::isVisible();
    };
    View.SetToolTips(false);
    EXPECT_FALSE(restOn(title));
    View.SetToolTips(true);
    EXPECT_FALSE(restOn("a"));
    EXPECT_TRUE(restOn(title));
    EXPECT_EQ(QToolTip::text().toStdString(), title);
}

// Pixels of Row (in viewport coordinates) in the highlight colour,
// counted over columns [Left, Right).
int HighlightPixels(TTreeView& View, const QRect& Row, int Left, int Right)
{
    const QImage image = View.viewport()->grab().toImage();
    const QColor highlight = View.palette().color(QPalette::Active, QPalette::Highlight);
    int count = 0;
    for (int x = std::max(Left, 0); x < std::min(Right, image.width()); ++x)
        for (int y = Row.top(); y <= Row.bottom(); ++y)
            count += image.pixelColor(x, y) == highlight;
    return count;
}

TEST_F(TTreeViewTest, ADeepTitleIsReachedSidewaysAndTheHighlightStaysUnderTheTitle)
{
    std::string text;
    for (int level = 0; level < 60; ++level)
        text += std::string(static_cast<size_t>(level), '\t') + "level" + std::to_string(level) + "\r\n";
    Items().LoadFromText(text);
    View.FullExpand();
    TTreeNode* deepest = Items().Item(59);
    View.SetSelected(deepest);
    QApplication::processEvents();
    QScrollBar* sideways = View.horizontalScrollBar();
    const QRect shown = View.visualRect(IndexOf("level59"));
    const int titleLeft = shown.left() + sideways->value(); // in the whole width
    ASSERT_GT(titleLeft, View.viewport()->width()) << "the title starts beyond the view";
    EXPECT_GE(sideways->maximum() + View.viewport()->width(),
              titleLeft + View.fontMetrics().horizontalAdvance(QStringLiteral("level59")));
    // The selected title's start is scrolled into view.
    EXPECT_GE(shown.left(), 0);
    EXPECT_LE(shown.left() + View.fontMetrics().averageCharWidth(), View.viewport()->width());
    EXPECT_EQ(View.GetNodeAt(shown.left() + 2, shown.center().y()), deepest);
    sideways->setValue(0);
    EXPECT_EQ(View.visualRect(IndexOf("level59")).left(), titleLeft) << "and back";
    // A click on a title in sight leaves the view where it is.
    sideways->setValue(View.visualRect(IndexOf("level50")).left() - 40);
    const int before = sideways->value();
    QTest::mouseClick(View.viewport(), Qt::LeftButton, {},
                      View.visualRect(IndexOf("level50")).topLeft() + QPoint(4, 4));
    ASSERT_EQ(View.Selected(), Items().Item(50));
    EXPECT_EQ(sideways->value(), before);

    // The indentation before a selected title is never highlighted; the
    // title is.
    Items().LoadFromText("a\r\n\tb\r\n\t\tc\r\n");
    View.FullExpand();
    View.SetSelected(Node("c"));
    QApplication::processEvents();
    const QRect c = View.visualRect(IndexOf("c"));
    EXPECT_EQ(HighlightPixels(View, c, 0, c.left()), 0);
    EXPECT_GT(HighlightPixels(View, c, c.left(), c.right()), 0);
    EXPECT_EQ(View.GetNodeAt(View.viewport()->width() - 2, c.center().y()), Node("c"))
        << "the row answers across the view";
}

TEST_F(TTreeViewTest, TheDropTargetIsHighlightedWhileADragIsOverIt)
{
    View.OnDragOver = [](TObject*, TObject*, int, int, bool& Accept) { Accept = true; };
    View.SetSelected(Node("a"));
    TTreeDragData node(&View);
    const QPoint at = CentreOf("e");
    QDragEnterEvent enter(at, Qt::MoveAction, &node, Qt::LeftButton, {});
    QApplication::sendEvent(View.viewport(), &enter);
    QDragMoveEvent move(at, Qt::MoveAction, &node, Qt::LeftButton, {});
    QApplication::sendEvent(View.viewport(), &move);
    EXPECT_EQ(View.DropTarget(), Node("e"));
    const QRect e = View.visualRect(IndexOf("e"));
    const QRect a = View.visualRect(IndexOf("a"));
    EXPECT_GT(HighlightPixels(View, e, e.left(), e.right()), 0) << "the target row";
    EXPECT_EQ(HighlightPixels(View, a, a.left(), a.right()), 0) << "only the target, as the system's trees show it";
    QDragLeaveEvent leave;
    QApplication::sendEvent(View.viewport(), &leave);
    EXPECT_EQ(View.DropTarget(), nullptr);
    EXPECT_EQ(HighlightPixels(View, e, e.left(), e.right()), 0);
    EXPECT_GT(HighlightPixels(View, a, a.left(), a.right()), 0);
}

TEST_F(TTreeViewTest, ASelectedNodeMovedIntoAClosedOneOrSortedAwayStaysInView)
{
    Node("a")->Collapse(true);
    View.SetSelected(Node("e"));
    Node("e")->MoveTo(Node("a"), TNodeAttachMode::naAddChild);
    QApplication::processEvents();
    EXPECT_TRUE(Node("a")->Expanded()) << "the closed parent opens";
    EXPECT_TRUE(View.viewport()->rect().intersects(View.visualRect(IndexOf("e"))));

    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "p" + std::to_string(1000 - i) + "\r\n";
    Items().LoadFromText(text);
    View.SetSelected(Items().Item(0)); // "p1000", last once sorted
    Items().CustomSort(nullptr, false);
    QApplication::processEvents();
    EXPECT_EQ(View.currentIndex(), IndexOf("p1000"));
    EXPECT_TRUE(View.viewport()->rect().contains(View.visualRect(IndexOf("p1000"))));
}

} // namespace

// Dragging toolbars between docks and off them, resizing and closing
// floating ones, through the session objects the mouse loop feeds; and one
// drag through the real loop.
#include "CloseButtonSession.h"
#include "DragSession.h"
#include "Monitors.h"
#include "ResizeSession.h"
#include "ToolbarForm.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DragSession : public testing::Test {
protected:
    DragSession()
    {
        Saved = SetMonitorWorkAreas([this] { return std::vector<QRect>{Work}; });
        f.Form.move(0, 0);
        f.Form.show();
        QApplication::sendPostedEvents();
    }
    ~DragSession() override { SetMonitorWorkAreas(Saved); }

    // The pointer that puts the outline of Bar, pressed at Press, with its
    // left (along) and the middle across (across) at these places of
    // Dock's client area.
    static QPoint PointFor(TToolDock* Dock, TCustomToolWindow* Bar, QPoint Press, int Along, int Across)
    {
        const QPoint origin = Dock->mapToGlobal(Dock->ClientOrigin());
        return origin + QPoint(Along + Press.x(), Across - Bar->height() / 2 + Press.y());
    }

    static void DoubleClick(QWidget* Bar)
    {
        QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(3, 3), Bar->mapToGlobal(QPointF(3, 3)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Bar, &event);
    }

    QRect Work{0, 0, 1600, 1200};
    TMonitorWorkAreas Saved;
    TToolbarForm f;
    const QPoint Press{4, 5};
};

TEST_F(DragSession, TheOutlineFollowsTheDockUnderThePointerUnlessCtrlIsHeld)
{
    TDragSession s(*f.Edit, Press, f.Edit->mapToGlobal(Press), false, nullptr);
    EXPECT_EQ(s.Candidates(), (std::vector<TToolDock*>{f.Top, f.Left}));
    EXPECT_EQ(s.DockingTo(), f.Top) << "it starts where it is";
    EXPECT_EQ(s.OutlineRect(), QRect(f.Edit->mapToGlobal(QPoint(0, 0)), f.Edit->size()));

    s.Move(f.Left->mapToGlobal(QPoint(0, 100)));
    EXPECT_EQ(s.DockingTo(), f.Left);
    s.SetCtrl(true);
    EXPECT_EQ(s.DockingTo(), nullptr) << "switches without a move";
    const QSize floating = f.Edit->LayoutControls(false, nullptr) + QSize(8, 24);
    EXPECT_EQ(s.OutlineRect().size(), floating);
    s.SetCtrl(false);
    EXPECT_EQ(s.DockingTo(), f.Left);

    const QRect before = f.Edit->geometry();
    s.Finish(false);
    EXPECT_EQ(f.Edit->DockedTo(), f.Top) << "cancelled";
    EXPECT_EQ(f.Edit->geometry(), before);

    f.Edit->SetDockMode(TToolWindowDockMode::dmCannotFloatOrChangeDocks);
    EXPECT_EQ(TDragSession(*f.Edit, Press, f.Edit->mapToGlobal(Press), false, nullptr).Candidates(),
              std::vector<TToolDock*>{f.Top});
}

TEST_F(DragSession, DropsOpenANewRowAtARowsEdgeOrGoIntoTheRowAtTheOutline)
{
    {
        TDragSession s(*f.Edit, Press, f.Edit->mapToGlobal(Press), false, nullptr);
        s.Move(PointFor(f.Top, f.Edit, Press, 400, f.Edit->height() / 2));
        s.Finish(true);
    }
    EXPECT_EQ(std::pair(f.Edit->DockRow(), f.Edit->DockPos()), std::pair(0, 400));
    {
        TDragSession s(*f.Edit, Press, f.Edit->mapToGlobal(Press), false, nullptr);
        s.Move(PointFor(f.Top, f.Edit, Press, 100, 2));
        s.Finish(true);
    }
    EXPECT_EQ((std::vector{f.Edit->DockRow(), f.File->DockRow(), f.Tree->DockRow()}), (std::vector{0, 1, 1}))
        << "a new first row";
    EXPECT_EQ(f.Edit->DockPos(), 100);

    // A full-size bar dropped onto a row with bars gets the next row.
    f.Tree->SetFullSize(true);
    const int rowOne = f.Top->RowThickness()[0] + 4;
    TDragSession s(*f.Tree, Press, f.Tree->mapToGlobal(Press), false, nullptr);
    s.Move(PointFor(f.Top, f.Tree, Press, 0, rowOne / 2));
    s.Finish(true);
    EXPECT_EQ(std::pair(f.Tree->DockRow(), f.File->DockRow()), std::pair(1, 2));
}

TEST_F(DragSession, ARefusedDockOrAForbiddenFloatGoesElsewhereOrNowhere)
{
    f.Left->OnRequestDock = [](TObject*, TCustomToolWindow*, bool& Accept) { Accept = false; };
    TDragSession s(*f.Edit, Press, f.Edit->mapToGlobal(Press), false, nullptr);
    s.Move(f.Left->mapToGlobal(QPoint(0, 100)));
    EXPECT_EQ(s.DockingTo(), nullptr);
    const QRect outline = s.OutlineRect();
    s.Finish(true);
    EXPECT_EQ(f.Edit->DockedTo(), nullptr);
    EXPECT_EQ(f.Edit->FloatPosition(), outline.topLeft());
    EXPECT_EQ(f.Edit->geometry().topLeft(), outline.topLeft());

    f.Tree->SetDockMode(TToolWindowDockMode::dmCannotFloat);
    {
        TDragSession forbidden(*f.Tree, Press, f.Tree->mapToGlobal(Press), false, nullptr);
        forbidden.Move({900, 500});
        EXPECT_TRUE(forbidden.OutlineRect().isEmpty());
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
        forbidden.Finish(true);
    }
    EXPECT_EQ(f.Tree->DockedTo(), f.Top);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(DragSession, AFloatingOutlineKeepsPartOfItsCaptionOnTheMonitor)
{
    Work = QRect(0, 0, 1000, 800);
    // The pointer stays on the monitor; gripped at its far corner the
    // outline would leave it.
    const QPoint corner(f.Edit->width() - 1, f.Edit->height() - 1);
    TDragSession s(*f.Edit, corner, f.Edit->mapToGlobal(corner), true, nullptr);
    s.Move({500, -300});
    EXPECT_EQ(s.OutlineRect().top(), 4 - f.Edit->FrameMarginsFor(nullptr).Top);
    s.Move({-3000, 300});
    EXPECT_EQ(s.OutlineRect().right() + 1, 8) << "on the shrunk work area's left";
}

TEST_F(DragSession, ADoubleClickFloatsADockedBarAndDocksAFloatingOne)
{
    f.Edit->SetFloatPosition({300, 200});
    DoubleClick(f.Edit);
    EXPECT_EQ(f.Edit->DockedTo(), nullptr);
    EXPECT_EQ(f.Edit->pos(), QPoint(300, 200));
    f.Edit->SetDockRow(0);
    DoubleClick(f.Edit);
    EXPECT_EQ(f.Edit->DockedTo(), f.Top) << "back to its last dock";

    auto* loose = new TDockToolbar(nullptr, "Loose");
    loose->SetParent(&f.Form);
    DoubleClick(loose);
    EXPECT_EQ(loose->DockedTo(), nullptr) << "never docked and no default dock";
    loose->SetDefaultDock(f.Top);
    DoubleClick(loose);
    EXPECT_EQ(loose->DockedTo(), f.Top);
    EXPECT_EQ(std::pair(loose->DockRow(), loose->DockPos()), std::pair(0, 0)) << "first in the row";
}

TEST_F(DragSession, AFloatingToolbarResizesToTheSizesItCanWrapTo)
{
    f.Tree->SetFloatPosition({300, 200});
    f.Tree->SetDockedTo(nullptr);
    EXPECT_EQ(f.Tree->HitTestFloatingFrame({0, 0}), htTop) << "no corners on a toolbar";
    const QRect start = f.Tree->geometry();
    const QPoint press(start.width() - 2, 30);
    const QPoint grip = f.Tree->mapToGlobal(press);
    {
        TResizeSession cancelled(*f.Tree, 1, press, grip, nullptr);
        cancelled.Move(grip - QPoint(start.width() / 2, 0));
        cancelled.Finish(false);
    }
    EXPECT_EQ(f.Tree->geometry(), start);

    TResizeSession s(*f.Tree, 1, press, grip, nullptr);
    s.Move(grip - QPoint(start.width() / 2, 0));
    const QSize snapped = s.NewRect().size() - f.Tree->FrameSize();
    const std::vector<TBarSize> sizes = f.Tree->BuildFloatingSizeList();
    EXPECT_TRUE(std::any_of(sizes.begin(), sizes.end(), [&](const TBarSize& z) {
        return z.Width == snapped.width() && z.Height == snapped.height();
    }));
    EXPECT_LT(snapped.width(), start.width());
    s.Finish(true);
    EXPECT_EQ(f.Tree->geometry(), s.NewRect());
    EXPECT_NE(f.Tree->FloatRightX(), 0);
}

// The place kept for a top-level window can be stale: a window manager may
// have put it elsewhere while it was hidden. The press tells where the user
// sees the window. Here the bar is kept at the screen's corner but seen at
// Seen; every resize and drag starts from Seen.
class StalePlace : public DragSession {
protected:
    StalePlace()
    {
        f.Tree->SetDockedTo(nullptr);
        EXPECT_EQ(f.Tree->pos(), QPoint(0, 0));
        Seen = QRect(QPoint(400, 300), f.Tree->size());
    }

    QRect Seen;
};

TEST_F(StalePlace, AResizeKeepsTheSideOppositeTheDraggedEdgeWhereItIsSeen)
{
    const int frame = f.Tree->FrameMarginsFor(nullptr).Left;
    using TSide = int (QRect::*)() const;
    const struct {
        const char* Edge;
        int Code;
        QPoint Press;  // window coordinates, on that edge
        QPoint Travel; // of the pointer from the press
        TSide Kept;    // the opposite side
        TSide Aside;   // the side across the dragged axis that leads
    } cases[] = {
        {"left", 0, {frame / 2, Seen.height() / 2}, {Seen.width() / 2, 0}, &QRect::right, &QRect::top},
        {"top", 2, {Seen.width() / 2, frame / 2}, {0, -2 * Seen.height()}, &QRect::bottom, &QRect::left},
    };
    for (const auto& c : cases) {
        f.Tree->SetFloatRightX(0);
        f.Tree->SetBounds(QRect(QPoint(0, 0), f.Tree->size()));
        Seen.setSize(f.Tree->size());
        const QPoint global = Seen.topLeft() + c.Press;
        TResizeSession s(*f.Tree, c.Code, c.Press, global, nullptr);
        s.Move(global + c.Travel);
        s.Finish(true);
        const QRect now = f.Tree->geometry();
        EXPECT_NE(now.size(), Seen.size()) << c.Edge;
        EXPECT_EQ((now.*c.Kept)(), (Seen.*c.Kept)()) << c.Edge;
        EXPECT_EQ((now.*c.Aside)(), (Seen.*c.Aside)()) << c.Edge;
    }
}

TEST_F(StalePlace, ADragReleasedWhereItWasPressedLeavesTheBarWhereItIsSeen)
{
    const QPoint press(10, 8);
    TDragSession s(*f.Tree, press, Seen.topLeft() + press, false, nullptr);
    EXPECT_EQ(s.OutlineRect(), Seen);
    s.Finish(true);
    EXPECT_EQ(f.Tree->geometry(), Seen);
    EXPECT_EQ(f.Tree->FloatPosition(), Seen.topLeft());
}

TEST_F(StalePlace, TheMouseLoopTakesThePlaceFromThePress)
{
    const int frame = f.Tree->FrameMarginsFor(nullptr).Left;
    const QPoint press(frame / 2, Seen.height() / 2);
    const QPoint global = Seen.topLeft() + press;
    const QPoint target = global + QPoint(Seen.width() / 2, 0);
    QCoreApplication::postEvent(
        f.Tree, new QMouseEvent(QEvent::MouseMove, press, target, Qt::NoButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        f.Tree, new QMouseEvent(QEvent::MouseButtonRelease, press, target, Qt::LeftButton, {}, Qt::NoModifier));
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(press), QPointF(global), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(f.Tree, &event);
    EXPECT_LT(f.Tree->width(), Seen.width());
    EXPECT_EQ(f.Tree->geometry().right(), Seen.right());
    EXPECT_EQ(f.Tree->geometry().top(), Seen.top());
}

TEST_F(DragSession, TheCloseButtonClosesOnAReleaseOverItUnlessRefused)
{
    f.Edit->SetDockedTo(nullptr);
    int closes = 0;
    f.Edit->OnClose = [&](TObject*) { ++closes; };
    {
        TCloseButtonSession s(*f.Edit);
        EXPECT_TRUE(s.Down());
        s.Move(f.Edit->mapToGlobal(QPoint(-10, -10)));
        EXPECT_FALSE(s.Down());
        s.Finish(true);
    }
    bool allow = false;
    f.Edit->OnCloseQuery = [&](TObject*, bool& CanClose) { CanClose = allow; };
    TCloseButtonSession(*f.Edit).Finish(true);
    EXPECT_TRUE(f.Edit->Visible());
    allow = true;
    TCloseButtonSession(*f.Edit).Finish(true);
    EXPECT_FALSE(f.Edit->Visible());
    EXPECT_EQ(closes, 1);
}

TEST_F(DragSession, TheRealMouseLoopMovesAToolbarToAnotherDock)
{
    const QPoint target = f.Left->mapToGlobal(QPoint(0, 150));
    const QPoint local = f.Edit->mapFromGlobal(target);
    QCoreApplication::postEvent(
        f.Edit, new QMouseEvent(QEvent::MouseMove, local, target, Qt::NoButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        f.Edit, new QMouseEvent(QEvent::MouseButtonRelease, local, target, Qt::LeftButton, {}, Qt::NoModifier));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(Press), f.Edit->mapToGlobal(QPointF(Press)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.Edit, &press);
    EXPECT_EQ(f.Edit->DockedTo(), f.Left);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(DragSession, APressThatDraggedIsFollowedByAReleaseOffTheBar)
{
    std::vector<std::pair<TMouseButton, QPoint>> ups;
    int downs = 0;
    f.Edit->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
    f.Edit->OnMouseUp = [&](TObject*, TMouseButton Button, TShiftState Shift, int X, int Y) {
        EXPECT_TRUE(Shift.Empty());
        ups.emplace_back(Button, QPoint(X, Y));
    };
    const QPoint target = f.Edit->mapToGlobal(QPoint(60, 0));
    const QPoint local = f.Edit->mapFromGlobal(target);
    QCoreApplication::postEvent(
        f.Edit, new QMouseEvent(QEvent::MouseButtonRelease, local, target, Qt::LeftButton, {}, Qt::NoModifier));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(Press), f.Edit->mapToGlobal(QPointF(Press)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.Edit, &press);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, (std::vector{std::pair(TMouseButton::mbLeft, QPoint(-1, -1))})) << "the drag took the real one";
}

} // namespace

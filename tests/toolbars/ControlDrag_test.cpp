#include "ToolbarForm.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

// The window below the docks, which takes dropped files.
class TDropCatcher : public QWidget {
public:
    TDropCatcher() { setAcceptDrops(true); }
    int Entered = 0;

protected:
    void dragEnterEvent(QDragEnterEvent* Event) override
    {
        ++Entered;
        Event->acceptProposedAction();
    }
};

struct DockDrag : testing::Test {
    TDropCatcher Form;
    TToolDock* Dock = new TToolDock(&Form, "ToolDock1");
    QMimeData Data;

    DockDrag()
    {
        Form.resize(400, 200);
        Dock->setGeometry(0, 0, 400, 30);
        Dock->SetBoundLines({TDockBoundLine::blTop, TDockBoundLine::blLeft});
        Data.setText("x");
    }

    // Sends a drag entering the dock at At; true when something took it.
    bool Enter(QPoint At)
    {
        QDragEnterEvent event(At, Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Dock, &event);
        return event.isAccepted();
    }
};

TEST_F(DockDrag, ADockWithoutHandlersLeavesTheDragToTheWindowBelow)
{
    EXPECT_TRUE(Enter({50, 10}));
    EXPECT_EQ(Form.Entered, 1);
}

TEST_F(DockDrag, TheHandlersHearTheDragInClientCoordinatesAndDecideWhetherItMayDrop)
{
    std::vector<std::tuple<TObject*, TObject*, int, int, TDragState>> overs;
    bool allow = true;
    Dock->OnDragOver = [&](TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept) {
        EXPECT_TRUE(Accept) << "a handler is asked with the drag accepted";
        overs.emplace_back(Sender, Source, X, Y, State);
        Accept = allow;
    };
    std::vector<std::tuple<TObject*, int, int>> drops;
    Dock->OnDragDrop = [&](TObject* Sender, TObject*, int X, int Y) { drops.emplace_back(Sender, X, Y); };

    EXPECT_TRUE(Enter({50, 10}));
    EXPECT_EQ(Form.Entered, 0);
    QDragMoveEvent move(QPoint(60, 12), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Dock, &move);
    EXPECT_TRUE(move.isAccepted());
    QDropEvent drop(QPointF(60, 12), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Dock, &drop);
    // Past the top and left bound lines; no object of the program was dragged.
    EXPECT_EQ(overs, (std::vector{std::tuple<TObject*, TObject*, int, int, TDragState>(Dock, nullptr, 49, 9,
                                                                                       TDragState::dsDragEnter),
                                  {Dock, nullptr, 59, 11, TDragState::dsDragMove}}));
    EXPECT_EQ(drops, (std::vector{std::tuple<TObject*, int, int>(Dock, 59, 11)}));

    allow = false;
    EXPECT_TRUE(Enter({50, 10})) << "refused by the dock, taken by the window below";
    EXPECT_EQ(Form.Entered, 1);
}

} // namespace

// Tool windows: their parents, the events around a change of dock, rows kept
// while floating, full-size bars, frames, batched arranging, coalesced frame
// repaints, and the one application-wide hook.
#include "HookService.h"
#include "ToolbarForm.h"

#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

TEST(ToolWindow, GoesOnlyOnADockOrAForm)
{
    TToolbarForm f;
    QWidget panel(&f.Form);
    EXPECT_THAT([&] { f.File->SetParent(&panel); },
                testing::ThrowsMessage<EInvalidOperation>(
                    "A tool window can only be placed on a TToolDock or directly on the form"));
    TDockToolbar loose(nullptr, "ToolbarLoose");
    EXPECT_THAT([&] { loose.SetDockedTo(nullptr); }, testing::ThrowsMessage<EInvalidOperation>(
                                                         "コントロール 'ToolbarLoose' は親ウィンドウを持っていません"));
}

TEST(ToolWindow, ChangingDocksFiresItsEventsInOrderAndMovesOnceAfter)
{
    TToolbarForm f;
    std::vector<std::string> events;
    const auto note = [&](const char* Name) { return [&events, Name](TObject*) { events.emplace_back(Name); }; };
    const auto noteDock = [&](const char* Name) {
        return [&events, &f, Name](TObject*, TToolDock* Dock) {
            events.emplace_back(std::string(Name) + (Dock == f.Left ? "(Left)" : "(?)"));
        };
    };
    f.Tree->OnDockChanging = note("Changing");
    f.Tree->OnDockChangingEx = noteDock("ChangingEx");
    f.Tree->OnRecreating = note("Recreating");
    f.Tree->OnDockChangingHidden = noteDock("ChangingHidden");
    f.Tree->OnRecreated = note("Recreated");
    f.Tree->OnDockChanged = note("Changed");
    f.Tree->OnMove = note("Move");
    f.Tree->SetDockedTo(f.Left);
    EXPECT_EQ(events, (std::vector<std::string>{"Changing", "ChangingEx(Left)", "Recreating", "ChangingHidden(Left)",
                                                "Move", "Recreated", "Changed"}));
    EXPECT_EQ(f.Left->width(), 23 + 4) << "stood upright";
    EXPECT_EQ(f.Tree->FrameSize(), QSize(4, 13)) << "the handle on top";
    events.clear();
    f.Tree->SetDockedTo(f.Left);
    EXPECT_TRUE(events.empty()) << "docking where it is";
}

TEST(ToolWindow, AFloatingBarKeepsItsRowInItsLastDock)
{
    TToolbarForm f;
    f.Tree->SetDockRow(1);
    f.Edit->SetDockRow(2);
    f.Tree->SetDockedTo(nullptr);
    EXPECT_EQ(std::pair(f.Tree->LastDock(), f.Top->BarList().size()), std::pair(f.Top, size_t{3}));
    EXPECT_EQ(f.Top->RowThickness(), (std::vector<int>{22, 0, 22})) << "its row survives with no size";
    EXPECT_EQ(f.Top->height(), 2 * 26 + 1);
    EXPECT_EQ(f.Tree->FrameSize(), QSize(8, 24)) << "a floating frame with a caption";

    f.Tree->SetDockedTo(f.Tree->LastDock());
    EXPECT_EQ(f.Tree->DockRow(), 1);
    EXPECT_EQ(f.Top->height(), 3 * 26 + 1);

    f.Tree->SetLastDock(f.Left);
    EXPECT_EQ(f.Tree->LastDock(), f.Top) << "a docked bar's last dock is its dock";
    f.Tree->SetDockedTo(nullptr);
    f.Tree->SetUseLastDock(false);
    EXPECT_EQ(f.Tree->LastDock(), nullptr);
    EXPECT_EQ(f.Top->BarList().size(), 2u);
    f.Top->LayoutBars();
    EXPECT_EQ(f.Edit->DockRow(), 1) << "now the empty row closes up";
}

TEST(ToolWindow, AFloatingBarShowsWithItsFormAndKeepsItsOwnVisibleFlag)
{
    TToolbarForm f;
    f.Edit->SetDockedTo(nullptr);
    EXPECT_TRUE(f.Edit->isHidden()) << "its form is not shown yet";
    f.Form.show();
    // It hides while no window of the program is active.
    f.Form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.Form));
    EXPECT_FALSE(f.Edit->isHidden());
    EXPECT_TRUE(f.Edit->isWindow());
    f.Form.hide();
    EXPECT_TRUE(f.Edit->isHidden());
    EXPECT_TRUE(f.Edit->Visible());
    const QPoint moved = f.Edit->pos() + QPoint(30, 20);
    f.Edit->SetBounds(QRect(moved, f.Edit->size()));
    f.Edit->SetDockedTo(f.Left);
    EXPECT_EQ(f.Edit->FloatPosition(), moved) << "kept while docked";
}

TEST(ToolWindow, AFloatingBarLivesInAHostThatFollowsItsForm)
{
    TToolbarForm f;
    // Whether the application is active is another test's matter.
    f.Edit->SetHideWhenInactive(false);
    f.Edit->SetDockedTo(nullptr);
    const QPointer<TFloatingWindowParent> host = f.Edit->FloatHost();
    ASSERT_TRUE(host);
    EXPECT_EQ(f.Edit->parentWidget(), host.data());
    EXPECT_EQ(host->OwnerForm(), &f.Form);
    EXPECT_THAT(host->objectName().toStdString(), testing::MatchesRegex("DockFloatingWindowParent_[0-9a-f]{8}"));
    EXPECT_FALSE(host->WantShown()) << "its form is not shown yet";

    f.Form.show();
    EXPECT_TRUE(host->WantShown());
    EXPECT_FALSE(f.Edit->isHidden());
    ASSERT_TRUE(f.Edit->windowHandle());
    EXPECT_EQ(f.Edit->windowHandle()->transientParent(), f.Form.windowHandle()) << "it stays above its form";

    // A window manager minimises the bar along with its form; the program
    // hides it, and when the form comes back the bar is a normal window.
    f.Edit->setWindowState(Qt::WindowMinimized);
    f.Form.setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(f.Edit->isHidden());
    EXPECT_FALSE(host->WantShown());
    f.Form.setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(f.Edit->isHidden());
    EXPECT_FALSE(f.Edit->isMinimized());
    EXPECT_TRUE(host->WantShown());

    f.Edit->SetFloatingMode(TToolWindowFloatingMode::fmOnTopOfAllForms);
    EXPECT_EQ(f.Edit->windowHandle()->transientParent(), nullptr) << "above every window, it has no owner";
    f.Edit->SetDockedTo(f.Top);
    EXPECT_FALSE(host) << "docking frees the host";
    EXPECT_EQ(f.Edit->FloatHost(), nullptr);
}

TEST(ToolWindow, AFloatingBarReportsMovesByTheWindowManagerOnce)
{
    TToolbarForm f;
    f.Edit->SetHideWhenInactive(false);
    f.Edit->SetDockedTo(nullptr);
    f.Form.show();
    int moves = 0;
    f.Edit->OnMove = [&](TObject*) { ++moves; };
    const QPoint there = f.Edit->pos() + QPoint(25, 15);
    f.Edit->move(there);
    EXPECT_EQ(std::pair(moves, f.Edit->FloatPosition()), std::pair(1, there)) << "moved as a window manager does";
    f.Edit->SetBounds(QRect(there + QPoint(5, 5), f.Edit->size()));
    EXPECT_EQ(moves, 2) << "a move of the program's own is reported once";
}

TEST(ToolWindow, TheEdgesOfAFloatingWindowShowTheSizingCursors)
{
    TToolbarForm f;
    f.Edit->SetDockedTo(nullptr);
    f.Edit->SetResizeAtCorners(true);
    const int w = f.Edit->width(), h = f.Edit->height();
    const auto cursorAt = [&](QPoint At) {
        QMouseEvent move(QEvent::MouseMove, QPointF(At), f.Edit->mapToGlobal(QPointF(At)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(f.Edit, &move);
        return f.Edit->cursor().shape();
    };
    const struct {
        QPoint At;
        Qt::CursorShape Shape;
    } cases[] = {
        {{1, h / 2}, Qt::SizeHorCursor},   {{w - 2, h / 2}, Qt::SizeHorCursor},
        {{w / 2, 1}, Qt::SizeVerCursor},   {{w / 2, h - 2}, Qt::SizeVerCursor},
        {{1, 1}, Qt::SizeFDiagCursor},     {{w - 2, h - 2}, Qt::SizeFDiagCursor},
        {{w - 2, 1}, Qt::SizeBDiagCursor}, {{1, h - 2}, Qt::SizeBDiagCursor},
        {{w / 2, 4 + 8}, Qt::ArrowCursor}, // the caption drags
    };
    for (const auto& c : cases)
        EXPECT_EQ(cursorAt(c.At), c.Shape) << c.At.x() << "," << c.At.y();
    cursorAt({1, h / 2});
    f.Edit->SetDockedTo(f.Top);
    EXPECT_EQ(f.Edit->cursor().shape(), Qt::ArrowCursor) << "docked, no edge sizes";
}

TEST(ToolWindow, AFullSizeBarSpansTheDocksClientArea)
{
    TToolbarForm f;
    f.Tree->SetFullSize(true);
    EXPECT_EQ(f.Tree->width(), f.Top->width() - f.Top->BoundLineWidth());
    EXPECT_EQ(f.Tree->ClientWidth(), f.Tree->width() - f.Tree->FrameSize().width());
    EXPECT_EQ(f.File->DockRow(), 1) << "the full-size bar's row is its own";
}

struct TCountingToolbar : TCustomDockToolbar {
    TCountingToolbar(TToolDock* Dock) : TCustomDockToolbar("Counting") { SetParent(Dock); }
    QSize LayoutControls(bool MoveChildren, TToolDock* Dock) override
    {
        Moves += MoveChildren;
        return TCustomDockToolbar::LayoutControls(MoveChildren, Dock);
    }
    int Moves = 0;
};

TEST(ToolWindow, NestedArrangingLaysOutOnceAtTheOutermostEnd)
{
    TToolbarForm f;
    TCountingToolbar bar(f.Top);
    bar.Moves = 0;
    bar.BeginArrange();
    bar.BeginArrange();
    bar.RearrangeChildren();
    bar.RearrangeChildren();
    bar.EndArrange();
    EXPECT_EQ(bar.Moves, 0);
    bar.EndArrange();
    EXPECT_EQ(bar.Moves, 1);
}

TEST(ToolWindow, FrameRepaintsAreCoalesced)
{
    TToolbarForm f;
    f.Form.show();
    f.File->SetDockedTo(nullptr);
    QApplication::processEvents();
    int paints = 0;
    struct TPaintCounter : QObject {
        int& Count;
        explicit TPaintCounter(int& C) : Count(C) {}
        bool eventFilter(QObject*, QEvent* Event) override
        {
            Count += Event->type() == QEvent::Paint;
            return false;
        }
    } counter(paints);
    f.File->installEventFilter(&counter);
    f.File->SetCloseButton(false);
    f.File->SetCloseButton(true);
    EXPECT_EQ(f.File->PendingFloatingParts(), fpCaption | fpCloseButton);
    QApplication::processEvents(); // the queued repaint request
    QApplication::processEvents(); // the paint it asked for
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(f.File->PendingFloatingParts(), 0);
}

int HookCalls = 0;
void CountingHook(THookKind, QObject*, QEvent*) { ++HookCalls; }

TEST(HookService, OneFilterServesAllClientsAndGoesWithTheLast)
{
    QWidget target;
    const auto move = [&] {
        HookCalls = 0;
        QMouseEvent event(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
        return HookCalls;
    };
    for (int i = 0; i < 5; ++i)
        AddHookClient(&CountingHook, MouseMoveEvent);
    EXPECT_EQ(move(), 1) << "installed once";
    for (int i = 0; i < 4; ++i)
        RemoveHookClient(&CountingHook);
    EXPECT_EQ(move(), 1);
    RemoveHookClient(&CountingHook);
    EXPECT_EQ(move(), 0);
    RemoveHookClient(&CountingHook);
    AddHookClient(&CountingHook, MouseMoveEvent);
    EXPECT_EQ(move(), 1) << "removing too often counted nothing below 0";
    RemoveHookClient(&CountingHook);
}

// Notes each size the bar is asked to take by someone other than itself.
struct TWatchedToolbar : TDockToolbar {
    using TDockToolbar::TDockToolbar;
    void BeforeResize(int NewWidth, int NewHeight) override { Sizes.emplace_back(NewWidth, NewHeight); }
    std::vector<QSize> Sizes;
};

TEST(ToolWindow, IsToldBeforeASizeOnlyWhenSomeoneElseAsksForIt)
{
    TToolbarForm f;
    auto* bar = new TWatchedToolbar(f.Top, "ToolbarWatched");
    new TDockButton(bar);
    new TDockButton(bar);
    QApplication::sendPostedEvents();
    bar->SetDockedTo(f.Left);
    bar->SetDockedTo(nullptr);
    EXPECT_TRUE(bar->Sizes.empty()) << "docking, floating and arranging size it by itself";
    bar->SetBounds(QRect(bar->pos(), QSize(80, 60)));
    EXPECT_EQ(bar->Sizes, std::vector{QSize(80, 60)});
    bar->SetBounds(QRect(bar->pos() + QPoint(5, 5), bar->size()));
    EXPECT_EQ(bar->Sizes.size(), 1u) << "a move only";
}

TEST(ToolWindow, ItsControlsAreLaidOutForTheNewDockBeforeItMovesThere)
{
    TToolbarForm f;
    const QList<TDockButton*> buttons = f.Edit->ClientArea()->findChildren<TDockButton*>();
    ASSERT_GE(buttons.size(), 2);
    EXPECT_EQ(f.Edit->ArrangedForType(), boHorizontal);
    struct TParentWatch : QObject {
        const QList<TDockButton*>& Buttons;
        std::vector<QPoint> Places;
        explicit TParentWatch(const QList<TDockButton*>& B) : Buttons(B) {}
        bool eventFilter(QObject*, QEvent* Event) override
        {
            if (Event->type() == QEvent::ParentChange)
                Places = {Buttons[0]->pos(), Buttons[1]->pos()};
            return false;
        }
    } watch(buttons);
    f.Edit->installEventFilter(&watch);
    f.Edit->SetDockedTo(f.Left);
    ASSERT_EQ(watch.Places.size(), 2u);
    EXPECT_EQ(watch.Places[1].x(), watch.Places[0].x()) << "one above the other already";
    EXPECT_GT(watch.Places[1].y(), watch.Places[0].y());
    EXPECT_EQ(f.Edit->ArrangedForType(), boVertical);
}

TEST(ToolWindow, TellsOfTheMouseInItsClientCoordinates)
{
    TToolbarForm f;
    std::vector<std::string> told;
    const auto note = [&](const char* Kind) {
        return [&told, Kind](TObject*, TMouseButton, TShiftState, int X, int Y) {
            told.push_back(std::string(Kind) + " " + std::to_string(X) + "," + std::to_string(Y));
        };
    };
    f.File->OnMouseDown = note("down");
    f.File->OnMouseUp = note("up");
    const QPoint client = f.File->ClientArea()->pos();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        // The handle, left of the client area; the right button drags nothing.
        QMouseEvent event(type, QPointF(3, 3), f.File->mapToGlobal(QPointF(3, 3)), Qt::RightButton,
                          type == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f.File, &event);
    }
    const std::string at = std::to_string(3 - client.x()) + "," + std::to_string(3 - client.y());
    EXPECT_EQ(told, (std::vector<std::string>{"down " + at, "up " + at}));
    EXPECT_LT(3 - client.x(), 0);
}

} // namespace

// Docks: their thickness by rows, bars that appear and go, their edges,
// their errors, and positions of any value from a settings file.
#include "DockLayoutIni.h"
#include "IniFiles.h"
#include "TempDir.h"
#include "ToolbarForm.h"

#include "EdgeLayout.h"

#include <QMenu>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

TEST(ToolDock, IsAsThickAsItsRowsAndAPixelWhenNothingShows)
{
    TToolbarForm f;
    // A row of 22-px buttons: the bars' 2-px frames and the top bound line.
    EXPECT_EQ(f.Top->height(), 22 + 4 + 1);
    EXPECT_EQ(f.Left->width(), 0) << "an empty dock without FixAlign";
    EXPECT_EQ(f.File->geometry(), QRect(1, 1, f.File->width(), 26)) << "inside the bound lines";
    EXPECT_EQ(f.Tree->x(), f.File->geometry().right() + 1);

    f.Edit->SetDockRow(1);
    EXPECT_EQ(f.Top->height(), 2 * 26 + 1);
    EXPECT_EQ(f.Edit->y(), 27);
    for (TDockToolbar* bar : {f.File, f.Tree, f.Edit})
        bar->SetVisible(false);
    EXPECT_EQ(f.Top->height(), 1);
}

TEST(ToolDock, TellsOfBarsAppearingAndGoingOnlyWhenTheShownListChanges)
{
    TToolbarForm f;
    std::vector<std::pair<bool, TCustomToolWindow*>> told;
    f.Top->OnInsertRemoveBar = [&](TObject*, bool Inserting, TCustomToolWindow* Bar) {
        told.emplace_back(Inserting, Bar);
    };
    f.File->SetVisible(false);
    f.File->SetVisible(false);
    f.Tree->SetDockRow(3);
    f.File->SetVisible(true);
    EXPECT_EQ(told, (std::vector<std::pair<bool, TCustomToolWindow*>>{{false, f.File}, {true, f.File}}));
}

TEST(ToolDock, KeepsTheEdgeItIsGluedTo)
{
    QWidget form;
    auto* bottom = new TToolDock(&form, "B", TDockPosition::dpBottom);
    auto* right = new TToolDock(&form, "R", TDockPosition::dpRight);
    bottom->setGeometry(0, 300, 400, 0);
    right->setGeometry(400, 0, 0, 300);
    MakeToolbar(bottom, "b", {2});
    MakeToolbar(right, "r", {2});
    QApplication::sendPostedEvents();
    EXPECT_EQ(bottom->geometry(), QRect(0, 300 - 26, 400, 26));
    EXPECT_EQ(right->geometry(), QRect(400 - 27, 0, 27, 300)) << "23-px wide buttons";
}

TEST(ToolDock, RefusesItsErrors)
{
    TToolbarForm f;
    EXPECT_THAT([&] { f.Top->SetPosition(TDockPosition::dpBottom); },
                testing::ThrowsMessage<EInvalidOperation>(
                    "Cannot change Position of a TToolDock if it already contains controls"));
    for (QWidget* parent : std::initializer_list<QWidget*>{f.Top, f.File})
        EXPECT_THAT([&] { new TToolDock(parent, "Inner"); },
                    testing::ThrowsMessage<EInvalidOperation>(
                        "A TToolDock control cannot be placed inside a tool window or another TToolDock"));
    f.Left->SetPosition(TDockPosition::dpTop);
    EXPECT_FALSE(f.Left->Vertical()) << "an empty dock moves to another edge";
}

TEST(ToolDock, BarsNotPlacedYetComeFirstInTheirRowsInTheOrderTheyWereMade)
{
    QWidget form;
    form.resize(640, 400);
    BeginFormLoading(form);
    auto* dock = new TToolDock(&form, "ToolDock1");
    dock->setGeometry(0, 0, 640, 0);
    TDockToolbar* first = MakeToolbar(dock, "First", {2});
    TDockToolbar* second = MakeToolbar(dock, "Second", {1});
    second->SetDockRow(1);
    TDockToolbar* placed = MakeToolbar(dock, "Placed", {1});
    placed->SetDockRow(1);
    placed->SetDockPos(200);
    TDockToolbar* third = MakeToolbar(dock, "Third", {1});
    third->SetDockRow(1);
    EndFormLoading(form);
    EXPECT_EQ(first->pos(), QPoint(0, 0));
    EXPECT_EQ(second->pos(), QPoint(0, 26)) << "no gap at the start of its row";
    EXPECT_EQ(third->pos(), QPoint(second->width(), 26)) << "after the bar made before it";
    EXPECT_EQ(placed->x(), 200);
    EXPECT_EQ(second->DockPos(), 0) << "placed now";

    TDockToolbar* late = MakeToolbar(dock, "Late", {1});
    QApplication::sendPostedEvents();
    EXPECT_EQ(late->x(), 0) << "a bar not placed yet goes in front";
    EXPECT_EQ(first->x(), late->width());
}

TEST(ToolDock, RowsAndPositionsOfAnyValueFromTheSettingsFileLayOutWithEveryBarPlaced)
{
    TempDir dir;
    const std::string ini = dir.File("velk2000.ini");
    {
        TIniFile file(ini);
        const std::pair<const char*, std::pair<int32_t, int32_t>> places[] = {
            {"ToolbarFile", {-3, 0}},
            {"ToolbarTree", {2'000'000'000, INT32_MAX}},
            {"ToolbarEdit", {2'000'000'000, INT32_MAX - 5}}};
        for (const auto& [bar, place] : places) {
            file.WriteInteger(bar, "Rev", 3);
            file.WriteString(bar, "DockedTo", "ToolDock1");
            file.WriteInteger(bar, "DockRow", place.first);
            file.WriteInteger(bar, "DockPos", place.second);
        }
    }
    TToolbarForm f;
    LoadDockLayoutFromIni(f.Form, ini, "");
    EXPECT_EQ((std::vector{f.File->DockRow(), f.Tree->DockRow(), f.Edit->DockRow()}), (std::vector{0, 1, 1}));
    EXPECT_EQ(f.Top->height(), 2 * 26 + 1);
    // The row is squeezed back into the dock, one bar after the other.
    EXPECT_EQ(f.Tree->geometry().right() + 1, 1 + f.Top->width() - 1);
    EXPECT_EQ(f.Edit->geometry().right() + 1, f.Tree->x());
}

TEST(ToolDock, TakesTheEdgeItsPositionNamesAndTheRestOfTheFormMakesRoom)
{
    QWidget form;
    form.resize(400, 300);
    auto* edges = new TEdgeLayout(&form);
    auto* dock = new TToolDock(&form, "Dock");
    dock->SetFixAlign(true);
    auto* middle = new QWidget(&form);
    edges->addWidget(dock);
    edges->addWidget(middle);
    form.show();
    struct TCase {
        TDockPosition Position;
        QRect Dock, Middle;
    };
    const TCase cases[] = {
        {TDockPosition::dpBottom, {0, 299, 400, 1}, {0, 0, 400, 299}},
        {TDockPosition::dpLeft, {0, 0, 1, 300}, {1, 0, 399, 300}},
        {TDockPosition::dpRight, {399, 0, 1, 300}, {0, 0, 399, 300}},
        {TDockPosition::dpTop, {0, 0, 400, 1}, {0, 1, 400, 299}},
    };
    for (const TCase& c : cases) {
        dock->SetPosition(c.Position);
        EXPECT_EQ(dock->geometry(), c.Dock) << static_cast<int>(c.Position);
        EXPECT_EQ(middle->geometry(), c.Middle) << static_cast<int>(c.Position);
    }
}

TEST(ToolDock, ARightClickShowsItsMenuAndTheMouseIsToldInClientCoordinates)
{
    TToolbarForm f;
    std::vector<std::pair<QMenu*, QPoint>> shown;
    const TMenuPopup saved = SetMenuPopup([&](QMenu& Menu, QPoint At, bool) { shown.emplace_back(&Menu, At); });
    auto* menu = new QMenu;
    f.Top->SetPopupMenu(menu);
    const QPoint at(600, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, f.Top->mapToGlobal(at));
    QApplication::sendEvent(f.Top, &event);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], std::pair(menu, f.Top->mapToGlobal(at)));
    delete menu;
    EXPECT_EQ(f.Top->PopupMenu(), nullptr) << "the menu went away";
    SetMenuPopup(saved);

    std::vector<std::tuple<TMouseButton, int, int>> presses;
    f.Top->OnMouseDown = [&](TObject*, TMouseButton Button, TShiftState, int X, int Y) {
        presses.emplace_back(Button, X, Y);
    };
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), f.Top->mapToGlobal(QPointF(at)), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(f.Top, &press);
    // Past the top and left bound lines.
    EXPECT_EQ(presses, (std::vector{std::tuple(TMouseButton::mbRight, 599, 4)}));
}

TEST(ToolDock, DocksBarsAndButtonsReportTheirVersion)
{
    for (const QString& version : {TToolDock::Version(), TCustomToolWindow::Version(), TDockButton::Version()})
        EXPECT_EQ(version, QStringLiteral("DockToolbar version 1.0"));
}

} // namespace

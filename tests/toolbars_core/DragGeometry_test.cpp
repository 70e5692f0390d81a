// Where a dragged bar's outline goes, which docks catch it, how floating
// windows stay on a monitor and what a floating frame's points are on.
#include "DragGeometry.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

// Pressed at (10, 5) in a 100 x 26 bar.
const TDragGrip Grip{10, 5, 99, 25};

TEST(DragGeometry, MulDivRoundsHalfAwayFromZeroAndFailsSafely)
{
    struct {
        int N, Num, Den, Expected;
    } const cases[] = {{136, 10, 99, 14}, {48, 5, 25, 10}, {5, 1, 2, 3},        {-5, 1, 2, -3},
                       {5, 1, -2, -3},    {7, 3, 0, -1},   {INT_MAX, 2, 1, -1}, {INT_MAX, 2, 2, INT_MAX}};
    for (const auto& c : cases)
        EXPECT_EQ(MulDiv(c.N, c.Num, c.Den), c.Expected) << c.N << " " << c.Num << " " << c.Den;
}

TEST(DragGeometry, TheOutlineKeepsThePointersProportionalPlace)
{
    EXPECT_EQ(PlaceOutline(Grip, 500, 300, {137, 49}), (TBarRect{486, 290, 137, 49}));
    EXPECT_EQ(PlaceOutline(Grip, 500, 300, {100, 26}), (TBarRect{490, 295, 100, 26}));
}

TEST(DragGeometry, ADockCatchesThePointerWithinItsBands)
{
    // tx = 3, ty = 4: the bands reach 29 px left and 3 px right, 16 px
    // above and 4 px below a 640 x 27 top dock.
    const auto catches = [&](int X, int Y, TBarRect Dock = {0, 0, 640, 27}, bool Vertical = false) {
        return DockCatches(Grip, X, Y, Dock, Vertical, PlaceOutline(Grip, X, Y, {100, 26}));
    };
    const std::tuple<int, int, bool> edges[] = {{-29, 10, true},  {-30, 10, false},  {642, 10, true}, {643, 10, false},
                                                {300, -16, true}, {300, -17, false}, {300, 30, true}, {300, 31, false}};
    for (const auto& [x, y, caught] : edges)
        EXPECT_EQ(catches(x, y), caught) << x << ", " << y;
    // An empty dock is widened by a pixel across itself.
    EXPECT_TRUE(catches(300, 0, {0, 0, 640, 0}));
    EXPECT_TRUE(catches(0, 100, {0, 40, 0, 360}, true));
    // On a side dock the pointer must be within its length.
    EXPECT_FALSE(catches(0, 39, {0, 40, 0, 360}, true));
}

TEST(DragGeometry, AFloatingOutlineStaysOnItsMonitor)
{
    const TBarRect work{0, 0, 800, 600};
    // Above: at most 4 px of a 20 px caption stay on the monitor.
    EXPECT_EQ(ClampFloatingOutline({100, -200, 137, 49}, work, 4, 20).Top, -16);
    // Wholly left: the right edge ends on the shrunk work area's left.
    EXPECT_EQ(ClampFloatingOutline({-500, 100, 137, 49}, work, 4, 20), (TBarRect{8 - 137, 100, 137, 49}));
    EXPECT_EQ(ClampFloatingOutline({900, 700, 137, 49}, work, 4, 20), (TBarRect{792, 592, 137, 49}));
    const TBarRect inside{10, 10, 137, 49};
    EXPECT_EQ(ClampFloatingOutline(inside, work, 4, 20), inside);
}

TEST(DragGeometry, KeepOnScreenMovesWhatIsOffTheWorkAreaTopLeftWinning)
{
    const TBarRect work{0, 0, 800, 600};
    const TBarRect partly{-50, -10, 137, 49};
    EXPECT_EQ(KeepRectOnScreen(partly, work, true), partly);
    EXPECT_EQ(KeepRectOnScreen(partly, work, false), (TBarRect{0, 0, 137, 49}));
    EXPECT_EQ(KeepRectOnScreen({2000, 900, 137, 49}, work, true), (TBarRect{663, 551, 137, 49}));
    EXPECT_EQ(KeepRectOnScreen({-300, -300, 900, 700}, work, false), (TBarRect{0, 0, 900, 700}));

    const std::vector<TBarRect> monitors{{0, 0, 800, 600}, {800, 0, 1024, 768}};
    EXPECT_EQ(NearestWorkArea(monitors, {790, 10, 137, 49}), monitors[1]) << "overlapping it most";
    EXPECT_EQ(NearestWorkArea(monitors, {-500, 700, 10, 10}), monitors[0]) << "nearest when off both";
    EXPECT_EQ(NearestWorkArea({}, {0, 0, 1, 1}), TBarRect{});
}

TEST(DragGeometry, FloatingFrameHitTest)
{
    const TFloatingHitOptions corners;
    TFloatingHitOptions edges;
    edges.ResizeAtCorners = false;
    TFloatingHitOptions fixed;
    fixed.SizableFrame = false;
    struct {
        int X, Y;
        const TFloatingHitOptions& Options;
        THitCode Expected;
    } const cases[] = {{0, 0, corners, htTopLeft},        {1, 24, corners, htLeft},   {1, 30, corners, htBottomLeft},
                       {136, 48, corners, htBottomRight}, {125, 8, corners, htClose}, {30, 8, corners, htClient},
                       {60, 30, corners, htClient},       {0, 0, edges, htTop},       {1, 30, edges, htLeft},
                       {136, 48, edges, htBottom},        {0, 0, fixed, htNowhere},   {125, 8, fixed, htClose}};
    for (const auto& c : cases)
        EXPECT_EQ(HitTestFloating(c.X, c.Y, 137, 49, c.Options), c.Expected) << c.X << ", " << c.Y;
}

TEST(DragGeometry, AResizeMovesTheDraggedEdgesAndKeepsTheMinimum)
{
    const TBarRect window{100, 100, 137, 49};
    EXPECT_EQ(ResizeByEdge(window, 0, -20, 50, {8, 24}), (TBarRect{80, 100, 157, 49}));
    EXPECT_EQ(ResizeByEdge(window, 7, 10, 5, {8, 24}), (TBarRect{100, 100, 147, 54}));
    EXPECT_EQ(ResizeByEdge(window, 3, 500, 500, {8, 24}), (TBarRect{229, 125, 8, 24}));
    EXPECT_EQ(std::pair(SizingEdge(htBottomLeft), SizingEdge(htClose)), std::pair(6, -1));
}

} // namespace

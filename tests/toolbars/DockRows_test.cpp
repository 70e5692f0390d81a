// The row arithmetic of a dock: normalised positions, squeezing into the
// dock, compacted rows, and positions of any size from a settings file.
#include "DockRows.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

TDockBarBox Bar(int32_t Row, int32_t Pos, int Length, int Thickness = 22, bool Visible = true)
{
    return {.Visible = Visible, .Row = Row, .Pos = Pos, .Length = Length, .Thickness = Thickness};
}

TEST(DockRows, BarsOfARowFollowEachOtherWithoutOverlap)
{
    std::vector<TDockBarBox> bars{Bar(0, 0, 100), Bar(0, 0, 50), Bar(0, -1, 30)};
    EXPECT_EQ(LayoutDockRows(bars, 1000), std::vector<int>{22});
    // The unplaced bar comes first, the second bar is pushed behind the first.
    EXPECT_EQ(bars[2].Pos, 0);
    EXPECT_EQ(bars[0].Pos, 30);
    EXPECT_EQ(bars[1].Pos, 130);
    EXPECT_EQ(bars[1].Along, 130);
}

TEST(DockRows, ARowLongerThanTheDockIsSqueezedWithoutMovingThePositions)
{
    std::vector<TDockBarBox> bars{Bar(0, 0, 100), Bar(0, 150, 100)};
    LayoutDockRows(bars, 200);
    EXPECT_EQ(bars[0].Along, 0);
    EXPECT_EQ(bars[1].Along, 100);
    EXPECT_EQ(bars[1].Pos, 150);

    // Too long to fit at all: bars stay in order from the start.
    std::vector<TDockBarBox> crowded{Bar(0, 0, 150), Bar(0, 150, 150)};
    LayoutDockRows(crowded, 200);
    EXPECT_EQ(crowded[0].Along, 0);
    EXPECT_EQ(crowded[1].Along, 150);
}

TEST(DockRows, RowsAreCompactedStackedAndAsThickAsTheirThickestBar)
{
    std::vector<TDockBarBox> bars{Bar(7, 0, 10, 30), Bar(3, 0, 10, 22), Bar(0, 0, 10, 24), Bar(3, 50, 10, 26),
                                  Bar(5, 0, 10, 40, false)};
    EXPECT_EQ(LayoutDockRows(bars, 500), (std::vector<int>{24, 26, 30}));
    EXPECT_EQ(bars[0].Row, 2);
    EXPECT_EQ(bars[0].Across, 50);
    EXPECT_EQ(bars[1].Row, 1);
    EXPECT_EQ(bars[3].Across, 24);
    EXPECT_EQ(bars[4].Row, 5) << "a hidden bar keeps its row";

    EXPECT_EQ(LayoutDockRows(bars, 500, true), std::vector<int>{30});
    EXPECT_EQ(bars[0].Row, 0);
}

TEST(DockRows, PositionsAndRowsOfAnySizeNeitherOverflowNorCrash)
{
    std::vector<TDockBarBox> bars{Bar(INT_MIN, INT_MAX, 100), Bar(2000000000, INT_MAX, 100), Bar(2000000000, 5, 100),
                                  Bar(-3, INT_MIN, 100), Bar(2000000000, INT_MAX, 50)};
    EXPECT_EQ(LayoutDockRows(bars, 300).size(), 3u);
    EXPECT_EQ(bars[1].Pos, INT_MAX);
    EXPECT_EQ(bars[1].Along, 150);
    EXPECT_EQ(bars[2].Along, 5);
    EXPECT_EQ(bars[3].Pos, 0);
    EXPECT_EQ(bars[4].Pos, INT_MAX) << "pushed behind a bar at the end, it stays at the end";
    for (const TDockBarBox& bar : bars)
        EXPECT_LE(bar.Along + bar.Length, 300);
}

} // namespace

// The rows of a dock: compaction, full-size rows, normalised and squeezed
// positions, the row thicknesses, dropping between rows, and row numbers
// and positions of any size from a settings file.
#include "DockRows.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

TDockBarBox Bar(int32_t Row, int32_t Pos, int Length, int Thickness = 22)
{
    return {.Row = Row, .Pos = Pos, .Length = Length, .Thickness = Thickness};
}

std::vector<int32_t> Rows(const std::vector<TDockBarBox>& Bars)
{
    std::vector<int32_t> rows;
    for (const TDockBarBox& bar : Bars)
        rows.push_back(bar.Row);
    return rows;
}

TEST(DockRows, BarsOfARowFollowEachOtherAndRowsAreAsThickAsTheirBars)
{
    std::vector<TDockBarBox> bars{Bar(0, 0, 100), Bar(0, 0, 50), Bar(1, -1, 30, 3)};
    const TDockLayout layout = LayoutDockBars(bars, 1000, false, false);
    EXPECT_EQ(layout.RowThickness, (std::vector<int>{22, MinRowThickness})) << "a thin bar still gets 8";
    EXPECT_EQ(layout.Thickness, 22 + 4 + 8 + 4);
    EXPECT_EQ(std::tuple(bars[1].Pos, bars[1].Along), std::tuple(100, 100)) << "stored where it follows the first";
    EXPECT_EQ(std::tuple(bars[2].Pos, bars[2].Across, bars[2].RowSize), std::tuple(0, 26, 12));
}

TEST(DockRows, ARowLongerThanTheDockIsSqueezedAndClippingStoresIt)
{
    for (bool clip : {false, true}) {
        std::vector<TDockBarBox> bars{Bar(0, 0, 100), Bar(0, 150, 100)};
        LayoutDockBars(bars, 200, false, clip);
        EXPECT_EQ(bars[1].Along, 100);
        EXPECT_EQ(bars[1].Pos, clip ? 100 : 150);
    }
    std::vector<TDockBarBox> bars{Bar(0, 50, 100), Bar(0, 300, 100), Bar(0, 400, 100)};
    LayoutDockBars(bars, 250, false, false);
    EXPECT_EQ(bars[0].Along, 0) << "pulled back until the first starts at 0";
    EXPECT_EQ(bars[2].Along, 200) << "the rest runs past the end in order";
}

TEST(DockRows, RowsAreCompactedAndAFullSizeBarKeepsItsRowAlone)
{
    std::vector<TDockBarBox> bars{Bar(7, 0, 10), Bar(0, 0, 10), Bar(3, 0, 10)};
    LayoutDockBars(bars, 500, false, false);
    EXPECT_EQ(Rows(bars), (std::vector<int32_t>{2, 0, 1}));
    LayoutDockBars(bars, 500, true, false);
    EXPECT_EQ(Rows(bars), (std::vector<int32_t>{0, 0, 0}));
    EXPECT_EQ(bars[2].Along, 20) << "one row: one bar after another";

    bars = {Bar(0, 40, 10), Bar(0, 0, 10), Bar(1, 0, 10)};
    bars[0].FullSize = true;
    LayoutDockBars(bars, 500, false, false);
    EXPECT_EQ(Rows(bars), (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(std::tuple(bars[0].Along, bars[0].PlacedLength), std::tuple(0, 500));

    // A floating bar remembering the dock keeps its row, which takes no room.
    bars = {Bar(0, 0, 10), Bar(1, 0, 10), Bar(2, 0, 10)};
    bars[1].Shown = false;
    const TDockLayout layout = LayoutDockBars(bars, 500, false, false);
    EXPECT_EQ(Rows(bars), (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(layout.RowThickness, (std::vector<int>{22, 0, 22}));
    EXPECT_EQ(bars[2].Across, 26);
}

TEST(DockRows, RowsAndPositionsFromABadSettingsFileAreAllPlaced)
{
    std::vector<TDockBarBox> bars{Bar(-3, 0, 100), Bar(2'000'000'000, INT32_MAX - 10, 100),
                                  Bar(2'000'000'000, INT32_MAX, 100), Bar(INT32_MIN, INT32_MIN, 100)};
    const TDockLayout layout = LayoutDockBars(bars, 300, false, false);
    EXPECT_EQ(Rows(bars), (std::vector<int32_t>{1, 2, 2, 0}));
    EXPECT_EQ(layout.RowThickness.size(), 3u);
    EXPECT_EQ(bars[3].Pos, 0);
    EXPECT_EQ(bars[2].Pos, INT32_MAX) << "pushed along, held at the 32-bit end";
    EXPECT_EQ(std::tuple(bars[1].Along, bars[2].Along), std::tuple(100, 200));
}

TEST(DockRows, DroppingNearARowEdgeOpensANewRow)
{
    const std::vector<int> rows{22, 0, 22}; // spans 0-26 and 26-52; the empty row is skipped
    const std::pair<int, TRowDrop> cases[] = {{4, {0, true}},   {13, {0, false}}, {22, {2, true}},
                                              {40, {2, false}}, {50, {3, true}},  {80, {3, false}}};
    for (const auto& [position, drop] : cases) {
        const TRowDrop got = RowForDrop(rows, position);
        EXPECT_EQ(std::pair(got.Row, got.Before), std::pair(drop.Row, drop.Before)) << position;
    }
    EXPECT_EQ((std::vector{RowUnderPosition(rows, 25), RowUnderPosition(rows, 26), RowUnderPosition(rows, 52)}),
              (std::vector{0, 2, 3}));
}

} // namespace

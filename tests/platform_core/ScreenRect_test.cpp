// Keeping a window's rectangle on a screen's work area, and choosing the
// screen it is mostly on.
#include "ScreenRect.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace {

constexpr int32_t Max = std::numeric_limits<int32_t>::max();
constexpr int32_t Min = std::numeric_limits<int32_t>::min();

TEST(ScreenRect, KeptWithinMovesBackThenCuts)
{
    const TScreenRect area{0, 30, 1024, 570}; // a panel of 30 pixels above
    const struct {
        TScreenRect Rect, Kept;
    } cases[] = {
        {{100, 100, 300, 200}, {100, 100, 300, 200}}, // inside: as it was
        {{900, 100, 300, 200}, {724, 100, 300, 200}}, // off the right: moved back
        {{-80, 500, 300, 200}, {0, 400, 300, 200}},   // off the left and the bottom
        {{400, 120, 950, 620}, {74, 30, 950, 570}},   // moved, then cut at the bottom
        {{-10, 0, 2000, 100}, {0, 30, 1024, 100}},    // wider than the area
        {{Max, Max, Max, Max}, {0, 30, 1024, 570}},   // no overflow at the limits
        {{Min, Min, 10, 10}, {0, 30, 10, 10}},        // off the top-left corner
        {{50, 50, -5, -5}, {50, 50, 0, 0}},           // a negative size is none
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeptWithin(c.Rect, area), c.Kept) << c.Rect.Left << "," << c.Rect.Top;
}

TEST(ScreenRect, MostOverlappedIsTheScreenWithTheLargestShare)
{
    const std::vector<TScreenRect> screens{{0, 0, 1024, 600}, {1024, 0, 1280, 1024}};
    EXPECT_EQ(MostOverlapped(screens, {850, 100, 300, 200}), 0);
    EXPECT_EQ(MostOverlapped(screens, {950, 100, 300, 200}), 1);
    EXPECT_EQ(MostOverlapped(screens, {100, 700, 300, 200}), -1) << "below the small screen, left of the large";
    EXPECT_EQ(MostOverlapped(screens, {Max, Max, Max, Max}), -1);
    EXPECT_EQ(MostOverlapped({}, {0, 0, 10, 10}), -1);
}

} // namespace

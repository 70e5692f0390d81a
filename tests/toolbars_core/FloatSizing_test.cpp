// Resizing a floating toolbar snaps its window to the sizes it can wrap to.
#include "FloatSizing.h"

#include <gtest/gtest.h>

namespace {

// The client sizes of three buttons, a separator and two buttons.
const std::vector<TBarSize> kExampleESizes{{129, 25}, {77, 53}, {54, 75}, {31, 119}};
const TFrameMargins Floating = FrameMargins({.Orientation = boFloating});

TEST(FloatSizing, SnapsToTheNearestWrapAlongTheDraggedEdge)
{
    const TBarRect start{100, 100, 85, 77}; // the (77, 53) client size
    TFloatSizing right(TSizeEdge::Right, kExampleESizes, Floating, start);
    EXPECT_EQ(right.Threshold(), 12);
    EXPECT_EQ(right.Track(100 + 85 - 11, 0, start, start), start) << "inward within the threshold";
    EXPECT_FALSE(right.Moved());
    const TBarRect wide = right.Track(100 + 85 + 1, 0, start, start);
    EXPECT_EQ(wide, (TBarRect{100, 100, 137, 49})) << "a pixel outward takes the next longer size";
    EXPECT_TRUE(right.Moved());
    EXPECT_EQ(right.FloatRightX(), 0) << "one line";
    EXPECT_EQ(right.Track(100 + 60, 0, start, wide), (TBarRect{100, 100, 39, 143})) << "the widest that fits";
    EXPECT_EQ(right.FloatRightX(), 31);

    TFloatSizing left(TSizeEdge::Left, kExampleESizes, Floating, start);
    EXPECT_EQ(left.Track(185 - 70, 0, start, start), (TBarRect{185 - 62, 100, 62, 99})) << "the right side stays";
    TFloatSizing top(TSizeEdge::Top, kExampleESizes, Floating, start);
    EXPECT_EQ(top.Track(0, 177 - 120, start, start), (TBarRect{100, 177 - 143, 39, 143})) << "the bottom stays";
}

TEST(FloatSizing, TheThresholdStaysShortOfANearNeighbour)
{
    const std::vector<TBarSize> sizes{{100, 25}, {95, 30}, {60, 53}};
    EXPECT_EQ(TFloatSizing(TSizeEdge::Right, sizes, Floating, {0, 0, 103, 54}).Threshold(), 4);
    EXPECT_EQ(TFloatSizing(TSizeEdge::Right, sizes, Floating, {0, 0, 50, 50}).Threshold(), 12) << "not a listed size";
}

} // namespace

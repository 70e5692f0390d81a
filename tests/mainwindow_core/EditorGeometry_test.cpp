#include "EditorGeometry.h"

#include <gtest/gtest.h>

TEST(EditorGeometry, WrapColumnFollowsTheWindow)
{
    TWindowWrapInputs in{true, true, 800, 30, 8, true, 20, true};
    EXPECT_EQ(WindowWrapByte(in), (800 - 30 - 4 - 20) / 8 - 2);
    in.WrapMarkVisible = false;
    in.VerticalScrollBar = false;
    EXPECT_EQ(WindowWrapByte(in), (800 - 30 - 4) / 8);

    for (auto off : {&TWindowWrapInputs::WordWrap, &TWindowWrapInputs::RightRtn}) {
        TWindowWrapInputs notAtEdge = in;
        notAtEdge.*off = false;
        EXPECT_EQ(WindowWrapByte(notAtEdge), std::nullopt);
    }
    in.CharWidth = 0; // no font metrics yet
    EXPECT_EQ(WindowWrapByte(in), std::nullopt);
}

TEST(EditorGeometry, WheelNotch)
{
    using enum TScrollCode;
    EXPECT_EQ(WheelScroll(120, true, 3), (TWheelScroll{LineUp, 3}));
    EXPECT_EQ(WheelScroll(-120, true, 3), (TWheelScroll{LineDown, 3}));
    EXPECT_EQ(WheelScroll(120, false, 3), (TWheelScroll{PageUp, 1}));
    EXPECT_EQ(WheelScroll(-120, false, 3), (TWheelScroll{PageDown, 1}));
    EXPECT_EQ(WheelScroll(120, true, 0).Count, 0);
    EXPECT_EQ(WheelScroll(120, true, -2).Count, 0);
}

// A toolbar's controls in one line on a dock and wrapped when floating,
// the floating size list, and the frames around them.
#include "ToolFrame.h"
#include "ToolbarLayout.h"

#include <gtest/gtest.h>

namespace {

TToolbarItem Button(int Width = 23, int Height = 22)
{
    TToolbarItem item;
    item.Width = Width;
    item.Height = Height;
    return item;
}

TToolbarItem Separator(bool Blank = false)
{
    TToolbarItem item;
    item.Separator = true;
    item.Blank = Blank;
    return item;
}

// Three buttons, a separator, two buttons.
std::vector<TToolbarItem> ExampleE(bool Blank = false)
{
    return {Button(), Button(), Button(), Separator(Blank), Button(), Button()};
}

TBarSize Measure(std::vector<TToolbarItem> Items, TBarOrientation Orientation, int32_t FloatRightX = 0)
{
    const TToolbarLayout layout =
        LayoutToolbar(Items, {.Orientation = Orientation, .FloatRightX = FloatRightX, .WidestControl = 23});
    return {layout.ClientWidth, layout.ClientHeight};
}

TEST(ToolbarLayout, ClientSizesFloatingAndDocked)
{
    const struct {
        std::vector<TToolbarItem> Items;
        TBarOrientation Orientation;
        int32_t FloatRightX;
        TBarSize Size;
    } cases[] = {
        {{}, boFloating, 0, {16, 11}},
        {{}, boHorizontal, 0, {8, 8}},
        {ExampleE(), boFloating, 0, {129, 25}},
        {ExampleE(), boHorizontal, 0, {121, 22}},
        {ExampleE(), boHorizontal, 80, {121, 22}}, // a docked toolbar never wraps
        {ExampleE(), boVertical, 0, {23, 116}},
        {ExampleE(), boFloating, 80, {77, 53}},
        {ExampleE(), boFloating, 10, {31, 119}}, // raised to the widest control + 8
    };
    for (const auto& c : cases)
        EXPECT_EQ(Measure(c.Items, c.Orientation, c.FloatRightX), c.Size) << c.Items.size() << " " << c.FloatRightX;
}

TEST(ToolbarLayout, AWrapAtASeparatorLeavesALineAndAWrapInsideAGroupNone)
{
    for (bool blank : {false, true}) {
        std::vector<TToolbarItem> items = ExampleE(blank);
        const TToolbarLayout layout = LayoutToolbar(items, {.Orientation = boFloating, .FloatRightX = 80});
        EXPECT_EQ(layout.Lines, (std::vector<TLineSeparator>{{30, blank}}));
        EXPECT_EQ(items[3].Place.Width, 0);
        EXPECT_EQ(items[4].Place, (TBarRect{4, 30, 23, 22}));
    }
    // Wrapping inside the first group: no gap, and the next group starts a row too.
    std::vector<TToolbarItem> items{Button(), Button(), Button(), Separator(), Button()};
    const TToolbarLayout layout =
        LayoutToolbar(items, {.Orientation = boFloating, .FloatRightX = 60, .WidestControl = 23});
    EXPECT_EQ(items[2].Place, (TBarRect{4, 24, 23, 22}));
    EXPECT_EQ(items[4].Place.Top, 24 + 22 + 6);
    EXPECT_EQ(layout.Lines.size(), 1u);
}

TEST(ToolbarLayout, ControlsAreCentredInTheRowWithTheOddPixelBelow)
{
    std::vector<TToolbarItem> items{Button(23, 22), Button(23, 21), Separator()};
    LayoutToolbar(items, {.Orientation = boHorizontal, .RowSize = 26});
    EXPECT_EQ(items[0].Place, (TBarRect{0, 2, 23, 22}));
    EXPECT_EQ(items[1].Place, (TBarRect{23, 2, 23, 21}));
    EXPECT_EQ(items[2].Place, (TBarRect{46, 0, 6, 26})) << "a separator runs the row's thickness";
    LayoutToolbar(items, {.Orientation = boVertical});
    EXPECT_EQ(items[1].Place, (TBarRect{0, 22, 23, 21}));
    EXPECT_EQ(items[2].Place, (TBarRect{0, 43, 23, 6}));
}

TEST(ToolbarLayout, FloatingSizeListHoldsTheNarrowestWidthOfEachHeight)
{
    const auto sizes =
        FloatingSizeList([](int32_t FloatRightX) { return Measure(ExampleE(), boFloating, FloatRightX); });
    EXPECT_EQ(sizes, (std::vector<TBarSize>{{129, 25}, {77, 53}, {54, 75}, {31, 119}}));
}

TEST(ToolFrame, FrameSizesByDockHandleAndCaption)
{
    using enum TDragHandleStyle;
    const struct {
        TFrameOptions Options;
        TFrameMargins Margins;
    } cases[] = {
        {{.DragHandleStyle = dhDouble}, {11, 2, 2, 2}},
        {{.DragHandleStyle = dhSingle}, {8, 2, 2, 2}},
        {{.DragHandleStyle = dhNone}, {2, 2, 2, 2}},
        {{.CloseButtonWhenDocked = true, .DragHandleStyle = dhNone}, {16, 2, 2, 2}},
        {{.Orientation = boVertical}, {2, 11, 2, 2}},
        {{.AllowDrag = false}, {2, 2, 2, 2}},
        {{.Orientation = boFloating}, {4, 20, 4, 4}},
        {{.Orientation = boFloating, .SizableFrame = false, .ShowCaption = false}, {3, 3, 3, 3}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FrameMargins(c.Options), c.Margins) << c.Margins.Left << "," << c.Margins.Top;

    const TFrameOptions close{.CloseButtonWhenDocked = true};
    EXPECT_EQ(DockedCloseButtonRect(close, 100), (TBarRect{3, 2, 11, 11}));
    EXPECT_EQ(DockedCloseButtonRect({.Orientation = boVertical, .CloseButtonWhenDocked = true}, 30),
              (TBarRect{21, 3, 11, 11}));
    const TFrameOptions floating{.Orientation = boFloating};
    EXPECT_EQ(CaptionRect(floating, 100, true), (TBarRect{4, 4, 85, 15}));
    EXPECT_EQ(FloatingCloseButtonRect(floating, 100), (TBarRect{89, 4, 15, 15}));
}

} // namespace

// The width a button's caption is measured in, beside or under its picture,
// with and without word wrap.
#include "ButtonLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(ButtonLayout, TheCaptionsRoomLeavesOutTheArrowAndWhenWrappingThePictureAndMargins)
{
    struct TCase {
        const char* Name;
        TButtonContent Content;
        bool WordWrap;
        int Room;
    };
    const TCase cases[] = {
        {"one line beside an arrow", {.Width = 60, .GlyphWidth = 16, .GlyphHeight = 16, .ArrowWidth = 9}, false, 51},
        {"one line under the picture, the arrow aside",
         {.Width = 60, .GlyphWidth = 16, .GlyphHeight = 16, .ArrowWidth = 9, .Layout = TButtonLayout::blGlyphTop},
         false,
         60},
        {"wrapped beside the picture", {.Width = 60, .GlyphWidth = 16, .GlyphHeight = 16}, true, 60 - 16 - 4 - 8},
        {"wrapped with a margin",
         {.Width = 60, .GlyphWidth = 16, .GlyphHeight = 16, .Margin = 2},
         true,
         60 - 16 - 4 - 4},
        {"wrapped with spread spacing",
         {.Width = 60, .GlyphWidth = 16, .GlyphHeight = 16, .Spacing = -1},
         true,
         60 - 16 - 4 - 8},
        {"wrapped without a picture", {.Width = 60, .Spacing = 10}, true, 60 - 8},
        {"wrapped under the picture",
         {.Width = 60, .GlyphWidth = 16, .GlyphHeight = 16, .Layout = TButtonLayout::blGlyphBottom},
         true,
         60 - 8},
        {"no room left", {.Width = 10, .GlyphWidth = 16, .GlyphHeight = 16}, true, 0},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(CaptionRoom(c.Content, c.WordWrap), c.Room) << c.Name;
}

} // namespace

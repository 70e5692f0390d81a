// A window placed before it had a frame is kept on the work area, frame
// and all, once the window manager has framed it in the normal state: the
// events replayed in the order window managers send them.
#include "FramedPlacement.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

constexpr TScreenRect Screen{0, 0, 1024, 600}; // a work area with no panel
constexpr TFrameExtents NormalFrame{1, 20, 1, 5};
constexpr TFrameExtents MaximisedFrame{0, 19, 0, 0}; // a title bar only

struct TStep {
    TWindowEvent Event;
    std::optional<TScreenRect> Placed; // what the window is given after it
};

TWindowEvent Maximised(TScreenRect Client, TFrameExtents Frame = MaximisedFrame)
{
    return {.Client = Client, .Frame = Frame, .Area = Screen};
}

TWindowEvent Restored(TScreenRect Client, TFrameExtents Frame)
{
    return {.StateChanged = true, .LeftMaximised = true, .Normal = true, .Client = Client, .Frame = Frame, .Area = Screen};
}

TWindowEvent Normal(TScreenRect Client, TFrameExtents Frame)
{
    return {.Normal = true, .Client = Client, .Frame = Frame, .Area = Screen};
}

TEST(FramedPlacement, AWindowIsKeptOnTheWorkAreaWithTheFrameItEndsWith)
{
    const struct {
        const char* Name;
        std::vector<TStep> Steps;
        TStep Settled; // the window as it is once the window manager has settled it
    } cases[] = {
        {"shown normal, framed as it is shown",
         {
             {Normal({0, 0, 1024, 600}, NormalFrame), TScreenRect{1, 20, 1022, 575}},
             {Normal({1, 20, 1022, 575}, NormalFrame), std::nullopt},
         },
         {Normal({1, 20, 1022, 575}, NormalFrame), std::nullopt}},
        {"shown normal, framed later",
         {
             {Normal({0, 0, 1024, 600}, {}), std::nullopt},
             {Normal({1, 20, 1024, 600}, NormalFrame), TScreenRect{1, 20, 1022, 575}},
             {Normal({1, 20, 1022, 575}, NormalFrame), std::nullopt},
         },
         {Normal({1, 20, 1022, 575}, NormalFrame), std::nullopt}},
        {"restored: the state first, then the normal place with the normal frame",
         {
             {Maximised({0, 19, 1024, 581}), std::nullopt},
             {Restored({0, 19, 1024, 581}, MaximisedFrame), std::nullopt},
             {Normal({1, 20, 1024, 600}, NormalFrame), TScreenRect{1, 20, 1022, 575}},
             {Normal({1, 20, 1022, 575}, NormalFrame), std::nullopt},
         },
         {Normal({1, 20, 1022, 575}, NormalFrame), std::nullopt}},
        // The normal size comes back before the window manager has told
        // of the normal frame: placed by the maximised frame, the window
        // would be 1026x606 with its normal frame, the right and bottom
        // borders off the screen.
        {"restored: the normal size while the frame is still the maximised one",
         {
             {Maximised({0, 19, 1024, 581}), std::nullopt},
             {Restored({0, 19, 1024, 581}, MaximisedFrame), std::nullopt},
             {Normal({0, 19, 1024, 600}, MaximisedFrame), TScreenRect{0, 19, 1024, 581}},
             {Normal({1, 20, 1024, 581}, NormalFrame), TScreenRect{1, 20, 1022, 575}},
             {Normal({1, 20, 1022, 575}, NormalFrame), std::nullopt},
         },
         {Normal({1, 20, 1022, 575}, NormalFrame), std::nullopt}},
        // As above, and the window manager tells of the normal frame with
        // no event after the window has its normal place.
        {"restored: the normal frame told only after the normal place",
         {
             {Maximised({0, 19, 1024, 581}), std::nullopt},
             {Restored({0, 19, 1024, 581}, MaximisedFrame), std::nullopt},
             {Normal({0, 19, 1024, 600}, MaximisedFrame), TScreenRect{0, 19, 1024, 581}},
             {Normal({1, 20, 1024, 581}, MaximisedFrame), std::nullopt},
         },
         {Normal({1, 20, 1024, 581}, NormalFrame), TScreenRect{1, 20, 1022, 575}}},
        {"restored where a window manager keeps the same frame",
         {
             {Maximised({1, 20, 1022, 575}, NormalFrame), std::nullopt},
             {Restored({1, 20, 1022, 575}, NormalFrame), std::nullopt},
             {Normal({1, 20, 1100, 700}, NormalFrame), TScreenRect{1, 20, 1022, 575}},
             {Normal({1, 20, 1022, 575}, NormalFrame), std::nullopt},
         },
         {Normal({1, 20, 1022, 575}, NormalFrame), std::nullopt}},
    };
    for (const auto& c : cases) {
        TFramedPlacement placement;
        for (size_t i = 0; i < c.Steps.size(); ++i)
            EXPECT_EQ(placement.Place(c.Steps[i].Event), c.Steps[i].Placed) << c.Name << ", event " << i;
        EXPECT_EQ(placement.Settle(c.Settled.Event), c.Settled.Placed) << c.Name << ", settled";
        EXPECT_TRUE(placement.Done()) << c.Name;
        // Once done, the user's own place is the user's.
        EXPECT_EQ(placement.Place(Normal({900, 500, 400, 300}, NormalFrame)), std::nullopt) << c.Name;
    }
}

} // namespace

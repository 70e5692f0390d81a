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
    bool Settles = false;              // the window as it is once nothing more was told for a while
};

TWindowEvent Maximised(TScreenRect Client, TFrameExtents Frame = MaximisedFrame)
{
    return {.Client = Client, .Frame = Frame, .Area = Screen};
}

TWindowEvent Restored(TScreenRect Client, TFrameExtents Frame)
{
    return {
        .StateChanged = true, .LeftMaximised = true, .Normal = true, .Client = Client, .Frame = Frame, .Area = Screen};
}

TWindowEvent Normal(TScreenRect Client, TFrameExtents Frame)
{
    return {.Normal = true, .Client = Client, .Frame = Frame, .Area = Screen};
}

TWindowEvent MaximisedAgain(TScreenRect Client, TFrameExtents Frame)
{
    return {.StateChanged = true, .Client = Client, .Frame = Frame, .Area = Screen};
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
        // Maximised again before the window manager told of the normal
        // frame, the window settles maximised: it is placed when it is
        // restored again, by the frame told then, or by the one it has
        // once it settled.
        {"maximised again before the normal frame was told, then restored",
         {
             {Maximised({0, 19, 1024, 581}), std::nullopt},
             {Restored({0, 19, 1024, 581}, MaximisedFrame), std::nullopt},
             {Normal({0, 19, 1024, 600}, MaximisedFrame), TScreenRect{0, 19, 1024, 581}},
             {Normal({1, 20, 1024, 581}, MaximisedFrame), std::nullopt},
             {MaximisedAgain({1, 20, 1024, 581}, NormalFrame), std::nullopt},
             {Maximised({0, 19, 1024, 581}), std::nullopt},
             {Maximised({0, 19, 1024, 581}), std::nullopt, true},
             {Restored({0, 19, 1024, 581}, MaximisedFrame), std::nullopt},
             {Normal({1, 20, 1024, 581}, NormalFrame), TScreenRect{1, 20, 1022, 575}},
         },
         {Normal({1, 20, 1022, 575}, NormalFrame), std::nullopt}},
        {"maximised again before the normal frame was told, then restored with no word of it",
         {
             {Maximised({0, 19, 1024, 581}), std::nullopt},
             {Restored({0, 19, 1024, 581}, MaximisedFrame), std::nullopt},
             {Normal({0, 19, 1024, 600}, MaximisedFrame), TScreenRect{0, 19, 1024, 581}},
             {MaximisedAgain({0, 19, 1024, 581}, MaximisedFrame), std::nullopt},
             {Maximised({0, 19, 1024, 581}), std::nullopt, true},
             {Restored({0, 19, 1024, 581}, MaximisedFrame), std::nullopt},
             {Normal({1, 20, 1024, 581}, MaximisedFrame), std::nullopt},
         },
         {Normal({1, 20, 1024, 581}, NormalFrame), TScreenRect{1, 20, 1022, 575}}},
        // Restored again, the window is told first with the frame it had
        // maximised and placed by it; the window manager gives it that
        // size after the place by its normal frame.
        {"restored again, placed by the frame it had maximised",
         {
             {Maximised({0, 19, 1024, 581}), std::nullopt},
             {Restored({0, 19, 1024, 581}, MaximisedFrame), std::nullopt},
             {Normal({0, 19, 1024, 600}, NormalFrame), TScreenRect{1, 20, 1022, 575}},
             {MaximisedAgain({1, 20, 1022, 575}, NormalFrame), std::nullopt},
             {Maximised({0, 19, 1024, 581}, NormalFrame), std::nullopt},
             {Maximised({0, 19, 1024, 581}, NormalFrame), std::nullopt, true},
             {Restored({0, 19, 1024, 581}, MaximisedFrame), TScreenRect{0, 19, 1024, 581}},
             {Normal({1, 20, 1022, 575}, NormalFrame), TScreenRect{1, 20, 1022, 575}},
             {Normal({1, 20, 1024, 581}, NormalFrame), std::nullopt},
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
        for (size_t i = 0; i < c.Steps.size(); ++i) {
            const TStep& step = c.Steps[i];
            EXPECT_EQ(step.Settles ? placement.Settle(step.Event) : placement.Place(step.Event), step.Placed)
                << c.Name << ", event " << i;
            EXPECT_FALSE(placement.Done()) << c.Name << ", event " << i;
        }
        EXPECT_EQ(placement.Settle(c.Settled.Event), c.Settled.Placed) << c.Name << ", settled";
        EXPECT_TRUE(placement.Done()) << c.Name;
        // Once done, the user's own place is the user's.
        EXPECT_EQ(placement.Place(Normal({900, 500, 400, 300}, NormalFrame)), std::nullopt) << c.Name;
    }
}

} // namespace

#include "FramedPlacement.h"

std::optional<TScreenRect> TFramedPlacement::Place(const TWindowEvent& Event)
{
    if (Done_)
        return std::nullopt;
    if (Event.StateChanged)
        Restoring_ = Event.LeftMaximised;
    if (!Event.Normal || Event.Frame == TFrameExtents{})
        return std::nullopt;
    if (PlacedWith_) {
        if (Event.Frame == *PlacedWith_)
            return std::nullopt;
    } else if (Restoring_ && WithFrame(Event.Client, Event.Frame) == Event.Area) {
        // The window manager may tell of the restore before it gives the
        // window its normal place back.
        return std::nullopt;
    }
    PlacedWith_ = Event.Frame;
    return KeptWithin(Event.Client, Event.Frame, Event.Area);
}

std::optional<TScreenRect> TFramedPlacement::Settle(const TWindowEvent& Now)
{
    if (Done_ || !Now.Normal || Now.Frame == TFrameExtents{})
        return std::nullopt;
    Done_ = true;
    // By the frame the window has settled with, whichever it was placed by:
    // a window manager finishing a restore late may give the window a size
    // after the place it was given.
    const TScreenRect kept = KeptWithin(Now.Client, Now.Frame, Now.Area);
    if (kept == Now.Client)
        return std::nullopt;
    return kept;
}

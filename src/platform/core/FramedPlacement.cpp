#include "FramedPlacement.h"

std::optional<TScreenRect> TFramedPlacement::Place(const TWindowEvent& Event)
{
    if (Done_)
        return std::nullopt;
    if (Event.StateChanged)
        Restoring_ = Event.LeftMaximised;
    if (!Event.Normal || Event.Frame == TFrameExtents{})
        return std::nullopt;
    // The window manager may tell of the restore before it gives the
    // window its normal place back.
    if (Restoring_ && WithFrame(Event.Client, Event.Frame) == Event.Area)
        return std::nullopt;
    Done_ = true;
    return KeptWithin(Event.Client, Event.Frame, Event.Area);
}

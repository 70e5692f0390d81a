// When a window placed before the window manager framed it is kept on the
// work area, and with which frame, told event by event: the decision
// without the window system, so that the order in which a window manager
// tells of a change can be replayed.
#pragma once

#include "ScreenRect.h"

#include <optional>

// One show, move, resize or change of state of the window.
struct TWindowEvent {
    // A change of state, and whether it left maximised or full screen.
    bool StateChanged = false;
    bool LeftMaximised = false;
    // Shown and neither minimised, maximised nor full screen.
    bool Normal = false;
    TScreenRect Client;
    // As the window system tells them at this event.
    TFrameExtents Frame;
    // The work area of the screen holding the window.
    TScreenRect Area;
};

// Placed once the window is framed in the normal state, and again whenever
// the window system tells of another frame than the one it was placed by:
// back from maximised, a window manager may tell of the normal frame only
// after the window has its normal place, and with no event of its own. Done
// once the window has settled in the normal state with its frame.
class TFramedPlacement {
public:
    // The client rectangle to give the window after Event, when it is to
    // be placed: kept within the work area together with its frame.
    std::optional<TScreenRect> Place(const TWindowEvent& Event);
    // Once the window manager has had time to settle the window after its
    // last event: Now is the window as it is then, placed once more unless
    // it is within the work area with the frame it has then. The window's
    // place is the user's from then on, unless the window is not framed in
    // the normal state then (maximised again before its normal frame was
    // told): it is placed when it is restored, and settles again.
    std::optional<TScreenRect> Settle(const TWindowEvent& Now);
    bool Done() const { return Done_; }

private:
    // Back from maximised or full screen, the normal place not yet seen.
    bool Restoring_ = false;
    // The frame the window was last placed by, once placed.
    std::optional<TFrameExtents> PlacedWith_;
    bool Done_ = false;
};

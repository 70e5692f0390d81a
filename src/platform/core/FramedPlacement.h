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

class TFramedPlacement {
public:
    // The client rectangle to give the window after Event, when it is to
    // be placed: kept within the work area together with its frame.
    std::optional<TScreenRect> Place(const TWindowEvent& Event);
    // Nothing more to place: the window's place is the user's from now.
    bool Done() const { return Done_; }

private:
    // Back from maximised or full screen, the normal place not yet seen.
    bool Restoring_ = false;
    bool Done_ = false;
};

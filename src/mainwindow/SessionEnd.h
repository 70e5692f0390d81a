// What the desktop's session manager lets the program do when the session
// ends (the user logs out): Qt's QSessionManager, as the commit-data request
// hands it over.
#pragma once

#include <functional>

struct TSessionEnd {
    // Whether the user may be asked now; once asked, Release gives the
    // desktop back.
    std::function<bool()> AllowsInteraction;
    std::function<void()> Release;
    // Asks the desktop not to end the session.
    std::function<void()> Cancel;
};

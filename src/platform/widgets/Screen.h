// The mouse cursors the program shows, by the numbers it keeps for them:
// the standard ones, and the program's own, registered under numbers it
// chooses (the editor's 1958 and 1959, the main window's 5 to 7).
#pragma once

#include <QCursor>
#include <cstdint>
#include <map>

using TCursor = int16_t;

constexpr TCursor crDefault = 0;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;

class TScreen {
public:
    // The cursor registered under Id, else the standard cursor Id stands
    // for; any other number gives the default arrow, as the system does.
    QCursor Cursors(TCursor Id) const;
    // Registers Cursor under Id, replacing what Id showed before.
    void SetCursors(TCursor Id, const QCursor& Cursor);

    // The width of the desktop that spans every screen, in pixels (0 while
    // there is no screen).
    int DesktopWidth() const;

private:
    std::map<TCursor, QCursor> Cursors_;
};

// The one screen object of the process. Its registered cursors are released
// when the application object ends, so that no cursor image outlives it.
TScreen& Screen();

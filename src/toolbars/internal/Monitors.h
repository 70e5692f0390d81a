// The work areas of the monitors, in screen coordinates. Tests put in
// monitors of their own; the program asks Qt's screens.
#pragma once

#include <QRect>
#include <functional>
#include <vector>

using TMonitorWorkAreas = std::function<std::vector<QRect>()>;

// Replaces how the monitors are found (an empty function: Qt's screens);
// returns the one it replaces.
TMonitorWorkAreas SetMonitorWorkAreas(TMonitorWorkAreas WorkAreas);

// The work area of the monitor nearest Area, or nearest the point.
QRect WorkAreaNearest(const QRect& Area);
QRect WorkAreaNearest(QPoint Point);

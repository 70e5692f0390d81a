#include "Monitors.h"

#include "DragGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <utility>

namespace {

TMonitorWorkAreas& Override()
{
    static TMonitorWorkAreas workAreas;
    return workAreas;
}

std::vector<QRect> ScreenWorkAreas()
{
    std::vector<QRect> areas;
    for (QScreen* screen : QGuiApplication::screens())
        areas.push_back(screen->availableGeometry());
    return areas;
}

} // namespace

TMonitorWorkAreas SetMonitorWorkAreas(TMonitorWorkAreas WorkAreas)
{
    return std::exchange(Override(), std::move(WorkAreas));
}

QRect WorkAreaNearest(const QRect& Area)
{
    std::vector<TBarRect> areas;
    for (const QRect& r : Override() ? Override()() : ScreenWorkAreas())
        areas.push_back({r.left(), r.top(), r.width(), r.height()});
    const TBarRect nearest = NearestWorkArea(areas, {Area.left(), Area.top(), Area.width(), Area.height()});
    return {nearest.Left, nearest.Top, nearest.Width, nearest.Height};
}

QRect WorkAreaNearest(QPoint Point) { return WorkAreaNearest(QRect(Point, QSize(1, 1))); }

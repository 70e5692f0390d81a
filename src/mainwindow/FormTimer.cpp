#include "FormTimer.h"

TQtFormTimer::TQtFormTimer()
{
    QObject::connect(&Timer_, &QTimer::timeout, [this] {
        if (OnTimer)
            OnTimer();
    });
}

void TQtFormTimer::SetInterval(std::optional<int> Interval)
{
    if (Interval)
        Timer_.start(*Interval);
    else
        Timer_.stop();
}

std::optional<int> TQtFormTimer::Interval() const
{
    return Timer_.isActive() ? std::optional<int>(Timer_.interval()) : std::nullopt;
}

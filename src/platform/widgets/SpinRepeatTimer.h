// The timer that repeats a held spin button's click, behind an interface so
// that tests step it by hand instead of waiting.
#pragma once

#include <functional>
#include <memory>

class TRepeatTimer {
public:
    virtual ~TRepeatTimer() = default;
    // (Re)starts with the interval; a running timer takes the new interval.
    virtual void Start(int IntervalMs) = 0;
    virtual void Stop() = 0;
    virtual bool Active() const = 0;
    virtual int Interval() const = 0;

    std::function<void()> OnTimer;
};

using TRepeatTimerFactory = std::function<std::unique_ptr<TRepeatTimer>()>;

// A QTimer; made by every repeat button unless a test gave another maker.
std::unique_ptr<TRepeatTimer> MakeRepeatTimer();
// Null restores the QTimer.
void SetRepeatTimerFactory(TRepeatTimerFactory Factory);

// Holds back the report of a burst of events until none has come for a
// while. Time comes from the caller, so a test can move it by hand.
#pragma once

#include <chrono>
#include <functional>

using TSteadyTime = std::chrono::steady_clock::time_point;
using TClock = std::function<TSteadyTime()>;

class TQuietPeriod {
public:
    explicit TQuietPeriod(std::chrono::milliseconds Length) : Length_(Length) {}

    void Note(TSteadyTime Now)
    {
        Last_ = Now;
        Pending_ = true;
    }
    bool Pending() const { return Pending_; }
    // True once when Length has passed since the last event of a burst.
    bool Due(TSteadyTime Now)
    {
        if (!Pending_ || Now - Last_ < Length_)
            return false;
        Pending_ = false;
        return true;
    }
    std::chrono::milliseconds Remaining(TSteadyTime Now) const
    {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(Last_ + Length_ - Now);
        return std::max(left, std::chrono::milliseconds(0));
    }
    void Clear() { Pending_ = false; }

private:
    std::chrono::milliseconds Length_;
    TSteadyTime Last_{};
    bool Pending_ = false;
};

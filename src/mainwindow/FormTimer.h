// The auto-save timer of the main window, behind an interface so that tests
// fire it by hand instead of waiting.
#pragma once

#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class IFormTimer {
public:
    virtual ~IFormTimer() = default;
    // Fires OnTimer every Interval milliseconds; none stops it.
    virtual void SetInterval(std::optional<int> Interval) = 0;
    virtual std::optional<int> Interval() const = 0;
    std::function<void()> OnTimer;
};

// The timer of the running program.
class TQtFormTimer : public IFormTimer {
public:
    TQtFormTimer();
    void SetInterval(std::optional<int> Interval) override;
    std::optional<int> Interval() const override;

private:
    QTimer Timer_;
};

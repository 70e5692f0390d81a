#include "SpinRepeatTimer.h"

#include "ExceptionHandler.h"

#include <QTimer>

namespace {

class TQtRepeatTimer : public TRepeatTimer {
public:
    TQtRepeatTimer()
    {
        QObject::connect(&Timer_, &QTimer::timeout, [this] {
            if (OnTimer)
                CatchExceptions(OnTimer);
        });
    }
    void Start(int IntervalMs) override { Timer_.start(IntervalMs); }
    void Stop() override { Timer_.stop(); }
    bool Active() const override { return Timer_.isActive(); }
    int Interval() const override { return Timer_.interval(); }

private:
    QTimer Timer_;
};

TRepeatTimerFactory& Factory()
{
    static TRepeatTimerFactory factory;
    return factory;
}

} // namespace

std::unique_ptr<TRepeatTimer> MakeRepeatTimer()
{
    if (Factory())
        return Factory()();
    return std::make_unique<TQtRepeatTimer>();
}

void SetRepeatTimerFactory(TRepeatTimerFactory Factory) { ::Factory() = std::move(Factory); }

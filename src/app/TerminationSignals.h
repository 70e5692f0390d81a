// Turns SIGTERM and SIGINT into a call on the UI thread, so that a request
// to end the program from outside closes it the way the user would. The
// signal handler only writes a byte to a pipe; the event loop reads it.
#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

class TTerminationSignals {
public:
    // Installs the handlers; OnSignal runs on the UI thread for each signal
    // received. Only one object may exist at a time.
    explicit TTerminationSignals(std::function<void()> OnSignal);
    ~TTerminationSignals();
    TTerminationSignals(const TTerminationSignals&) = delete;
    TTerminationSignals& operator=(const TTerminationSignals&) = delete;

private:
    void ReadSignals();

    std::function<void()> OnSignal_;
    int Pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> Notifier_;
};

// Turns SIGTERM, SIGINT and SIGHUP into a call on the UI thread, so that a
// request to end the program from outside closes it the way the user would.
// SIGHUP comes when the terminal the program was started from closes, or a
// remote session drops. The signal handler only writes a byte to a pipe; the
// event loop reads it.
#pragma once

#include <QSocketNotifier>
#include <csignal>
#include <functional>
#include <memory>

class TTerminationSignals {
public:
    // Installs the handlers; OnSignal runs on the UI thread for each signal
    // received. A SIGHUP the program was started to ignore (nohup) stays
    // ignored. Only one object may exist at a time.
    explicit TTerminationSignals(std::function<void()> OnSignal);
    // Puts back what each signal did before.
    ~TTerminationSignals();
    TTerminationSignals(const TTerminationSignals&) = delete;
    TTerminationSignals& operator=(const TTerminationSignals&) = delete;

private:
    void ReadSignals();

    std::function<void()> OnSignal_;
    int Pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> Notifier_;
    // What each signal did before, in the order the handlers go in.
    struct sigaction Previous_[3] = {};
};

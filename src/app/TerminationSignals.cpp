#include "TerminationSignals.h"

#include "SysUtils.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <type_traits>
#include <unistd.h>

namespace {

constexpr int HandledSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The pipe's write end, for the handler; -1 while no object exists.
volatile sig_atomic_t SignalPipe = -1;

void OnTerminationSignal(int Signal)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(Signal);
    // A full pipe already holds a request that has not been read.
    [[maybe_unused]] const ssize_t written = write(SignalPipe, &byte, 1);
    errno = savedErrno;
}

} // namespace

TTerminationSignals::TTerminationSignals(std::function<void()> OnSignal) : OnSignal_(std::move(OnSignal))
{
    if (SignalPipe != -1)
        throw EInvalidOperation("Termination signals are handled already");
    if (pipe2(Pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
        throw EInvalidOperation(Format("Cannot create the signal pipe: %s", std::strerror(errno)));
    Notifier_ = std::make_unique<QSocketNotifier>(Pipe_[0], QSocketNotifier::Read);
    QObject::connect(Notifier_.get(), &QSocketNotifier::activated, [this] { ReadSignals(); });
    SignalPipe = Pipe_[1];
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    static_assert(std::size(HandledSignals) == std::extent_v<decltype(Previous_)>);
    for (size_t i = 0; i < std::size(HandledSignals); ++i) {
        sigaction(HandledSignals[i], nullptr, &Previous_[i]);
        // Started under nohup: the user asked the program to outlive its
        // terminal.
        if (HandledSignals[i] == SIGHUP && Previous_[i].sa_handler == SIG_IGN)
            continue;
        sigaction(HandledSignals[i], &action, nullptr);
    }
}

TTerminationSignals::~TTerminationSignals()
{
    for (size_t i = 0; i < std::size(HandledSignals); ++i)
        sigaction(HandledSignals[i], &Previous_[i], nullptr);
    SignalPipe = -1;
    Notifier_.reset();
    close(Pipe_[0]);
    close(Pipe_[1]);
}

void TTerminationSignals::ReadSignals()
{
    char bytes[16];
    bool received = false;
    while (read(Pipe_[0], bytes, sizeof bytes) > 0)
        received = true;
    if (received && OnSignal_)
        OnSignal_();
}

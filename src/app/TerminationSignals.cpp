#include "TerminationSignals.h"

#include "SysUtils.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int HandledSignals[] = {SIGTERM, SIGINT};

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

void SetHandler(void (*Handler)(int))
{
    struct sigaction action {};
    action.sa_handler = Handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : HandledSignals)
        sigaction(signal, &action, nullptr);
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
    SetHandler(OnTerminationSignal);
}

TTerminationSignals::~TTerminationSignals()
{
    SetHandler(SIG_DFL);
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

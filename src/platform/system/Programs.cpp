#include "Programs.h"

#include <QEventLoop>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

// The child's pid, or -1 when it could not be started.
pid_t Spawn(const TProgramCommand& Command)
{
    if (Command.Program.empty())
        return -1;
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(Command.Program.c_str()));
    for (const std::string& argument : Command.Arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    // The program starts with no signal blocked, whatever this thread blocks.
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, argv.front(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

// A descriptor that turns readable when the process ends, or -1 on a
// system too old to give one (the wait then handles no events).
int ProcessEndFd(pid_t Pid) { return static_cast<int>(::syscall(SYS_pidfd_open, Pid, 0)); }

void Reap(pid_t Pid)
{
    while (::waitpid(Pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

bool RunProgramAndWait(const TProgramCommand& Command, const std::function<void()>& Started)
{
    const pid_t pid = Spawn(Command);
    if (pid < 0)
        return false;
    const int endFd = ProcessEndFd(pid);
    Started();
    if (endFd >= 0) {
        QEventLoop loop;
        QSocketNotifier ended(endFd, QSocketNotifier::Read);
        QObject::connect(&ended, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
        loop.exec();
        ::close(endFd);
    }
    Reap(pid);
    return true;
}

bool StartProgram(const TProgramCommand& Command)
{
    const pid_t pid = Spawn(Command);
    if (pid < 0)
        return false;
    // Collected when it ends, so it never lingers as a zombie.
    std::thread([pid] { Reap(pid); }).detach();
    return true;
}

bool RunProgram(const TProgramCommand& Command)
{
    const pid_t pid = Spawn(Command);
    if (pid < 0)
        return false;
    Reap(pid);
    return true;
}

#include "VelkProcess.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A safety net for a hung program, not a measure of speed: sanitizer
// builds on a loaded machine start slowly.
constexpr int PatienceMs = 120000;

} // namespace

TVelkProcess::TVelkProcess(const std::string& Home, const std::vector<std::string>& Arguments,
                           const std::vector<std::pair<std::string, std::string>>& Environment)
{
    int out[2];
    int err[2];
    if (pipe(out) != 0 || pipe(err) != 0)
        throw std::runtime_error("pipe failed");
    std::vector<char*> argv{const_cast<char*>(VELK_EXECUTABLE)};
    for (const std::string& argument : Arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    Pid_ = fork();
    if (Pid_ < 0)
        throw std::runtime_error("fork failed");
    if (Pid_ == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        for (int fd : {out[0], out[1], err[0], err[1]})
            close(fd);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("VELK_REPORT_READY", "1", 1);
        setenv("VELK_HOME", Home.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", Home.c_str(), 1);
        // Qt and fontconfig keep some allocations for the whole process.
        setenv("LSAN_OPTIONS", "suppressions=" VELK_LSAN_SUPPRESSIONS, 0);
        for (const auto& [name, value] : Environment)
            setenv(name.c_str(), value.c_str(), 1);
        execv(VELK_EXECUTABLE, argv.data());
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    Fds_ = {out[0], err[0]};
}

TVelkProcess::~TVelkProcess()
{
    if (Pid_ > 0 && !Reaped_) {
        kill(Pid_, SIGKILL);
        waitpid(Pid_, nullptr, 0);
    }
    for (int fd : Fds_)
        if (fd >= 0)
            close(fd);
}

bool TVelkProcess::WaitForLine(const std::string& Line)
{
    while (Out_.find(Line + "\n") == std::string::npos)
        if (!ReadSome())
            return false;
    return true;
}

void TVelkProcess::Signal(int Number) { kill(Pid_, Number); }

int TVelkProcess::WaitForExit()
{
    while (Fds_[0] >= 0 || Fds_[1] >= 0)
        if (!ReadSome())
            return -1;
    int status = 0;
    while (waitpid(Pid_, &status, 0) < 0 && errno == EINTR) {
    }
    Reaped_ = true;
    return status;
}

bool TVelkProcess::ReadSome()
{
    std::array<pollfd, 2> polls{{{Fds_[0], POLLIN, 0}, {Fds_[1], POLLIN, 0}}};
    if (Fds_[0] < 0 && Fds_[1] < 0)
        return false;
    const int ready = poll(polls.data(), polls.size(), PatienceMs);
    if (ready < 0 && errno == EINTR)
        return true;
    if (ready <= 0)
        return false;
    std::string* sinks[] = {&Out_, &Err_};
    for (size_t i = 0; i < polls.size(); ++i) {
        if (Fds_[i] < 0 || polls[i].revents == 0)
            continue;
        char buffer[4096];
        const ssize_t count = read(Fds_[i], buffer, sizeof buffer);
        if (count > 0)
            sinks[i]->append(buffer, static_cast<size_t>(count));
        else if (count == 0 || errno != EINTR) {
            close(Fds_[i]);
            Fds_[i] = -1;
        }
    }
    return true;
}

void ExpectNoSanitizerReport(const std::string& Err)
{
    for (const char* report : {"ERROR: AddressSanitizer", "runtime error:", "LeakSanitizer"})
        EXPECT_EQ(Err.find(report), std::string::npos) << "standard error:\n" << Err;
}

void ExpectReady(TVelkProcess& Velk)
{
    ASSERT_TRUE(Velk.WaitForLine("velk: ready")) << "standard output:\n" << Velk.Out() << "\nstandard error:\n"
                                                 << Velk.Err();
}

void ExpectCleanEnd(TVelkProcess& Velk, int Number)
{
    Velk.Signal(Number);
    const int status = Velk.WaitForExit();
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status << "\n" << Velk.Err();
    EXPECT_EQ(WEXITSTATUS(status), 0) << Velk.Err();
    ExpectNoSanitizerReport(Velk.Err());
}

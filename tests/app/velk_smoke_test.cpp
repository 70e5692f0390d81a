// Starts the velk program headless, waits until its window is up, asks it
// to end as the desktop would (SIGTERM) and checks that it ends cleanly.
#include "TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A safety net for a hung program, not a measure of speed: sanitizer
// builds on a loaded machine start slowly.
constexpr int PatienceMs = 120000;

// The running program with its standard output and error read through
// pipes; both are drained together so that a long report cannot block it.
class TVelkProcess {
public:
    explicit TVelkProcess(const std::string& Home)
    {
        int out[2];
        int err[2];
        if (pipe(out) != 0 || pipe(err) != 0)
            throw std::runtime_error("pipe failed");
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
            execl(VELK_EXECUTABLE, VELK_EXECUTABLE, static_cast<char*>(nullptr));
            _exit(127);
        }
        close(out[1]);
        close(err[1]);
        Fds_ = {out[0], err[0]};
    }

    ~TVelkProcess()
    {
        if (Pid_ > 0 && !Reaped_) {
            kill(Pid_, SIGKILL);
            waitpid(Pid_, nullptr, 0);
        }
        for (int fd : Fds_)
            if (fd >= 0)
                close(fd);
    }

    // Reads until standard output holds Line, or both pipes close, or the
    // patience runs out.
    bool WaitForLine(const std::string& Line)
    {
        while (Out_.find(Line + "\n") == std::string::npos)
            if (!ReadSome())
                return false;
        return true;
    }

    void Signal(int Number) { kill(Pid_, Number); }

    // Reads both pipes to their end and waits for the exit; the exit status
    // as waitpid gives it, or -1 when the program did not end in time.
    int WaitForExit()
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

    const std::string& Out() const { return Out_; }
    const std::string& Err() const { return Err_; }

private:
    bool ReadSome()
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

    pid_t Pid_ = -1;
    bool Reaped_ = false;
    std::array<int, 2> Fds_{-1, -1};
    std::string Out_;
    std::string Err_;
};

void ExpectNoSanitizerReport(const std::string& Err)
{
    for (const char* report : {"ERROR: AddressSanitizer", "runtime error:", "LeakSanitizer"})
        EXPECT_EQ(Err.find(report), std::string::npos) << "standard error:\n" << Err;
}

void RunUntilSignal(int Number)
{
    const TempDir home;
    TVelkProcess velk(home.Path());
    ASSERT_TRUE(velk.WaitForLine("velk: ready")) << "standard output:\n" << velk.Out() << "\nstandard error:\n"
                                                 << velk.Err();
    velk.Signal(Number);
    const int status = velk.WaitForExit();
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status << "\nstandard error:\n" << velk.Err();
    EXPECT_EQ(WEXITSTATUS(status), 0) << velk.Err();
    ExpectNoSanitizerReport(velk.Err());
    // The ready line is reported once.
    EXPECT_EQ(velk.Out(), "velk: ready\n");
}

TEST(VelkProcess, ShowsItsWindowAndEndsCleanlyOnSigterm) { RunUntilSignal(SIGTERM); }

TEST(VelkProcess, EndsCleanlyOnSigint) { RunUntilSignal(SIGINT); }

} // namespace

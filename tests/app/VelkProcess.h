// The velk program started as a process for the tests: headless, in a
// program folder of the test's, with its standard output and error read
// through pipes.
#pragma once

#include <array>
#include <csignal>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

class TVelkProcess {
public:
    // Starts velk with Arguments and the variables Environment beside the
    // ones every test needs.
    explicit TVelkProcess(const std::string& Home, const std::vector<std::string>& Arguments = {},
                          const std::vector<std::pair<std::string, std::string>>& Environment = {});
    ~TVelkProcess();
    TVelkProcess(const TVelkProcess&) = delete;
    TVelkProcess& operator=(const TVelkProcess&) = delete;

    // Reads until standard output holds Line, or both pipes close, or the
    // patience runs out.
    bool WaitForLine(const std::string& Line);
    void Signal(int Number);
    // Reads both pipes to their end and waits for the exit; the exit status
    // as waitpid gives it, or -1 when the program did not end in time.
    int WaitForExit();

    const std::string& Out() const { return Out_; }
    const std::string& Err() const { return Err_; }

private:
    bool ReadSome();

    pid_t Pid_ = -1;
    bool Reaped_ = false;
    std::array<int, 2> Fds_{-1, -1};
    std::string Out_;
    std::string Err_;
};

// The sanitizers reported nothing on standard error.
void ExpectNoSanitizerReport(const std::string& Err);
// The program reported its window up (both outputs shown when it did not).
void ExpectReady(TVelkProcess& Velk);
// Sent Number, the program exits 0 and reports nothing.
void ExpectCleanEnd(TVelkProcess& Velk, int Number = SIGTERM);

// The velk program started as a process for the tests: headless, in a
// program folder of the test's, with its standard output and error kept.
#pragma once

#include <QProcess>
#include <csignal>
#include <string>
#include <utility>
#include <vector>

class TVelkProcess {
public:
    // Starts velk with Arguments and the variables Environment beside the
    // ones every test needs. SIGHUP starts as the system's default, or
    // ignored as nohup starts a program.
    enum class THangUp { Default, Ignored };
    explicit TVelkProcess(const std::string& Home, const std::vector<std::string>& Arguments = {},
                          const std::vector<std::pair<std::string, std::string>>& Environment = {},
                          THangUp HangUp = THangUp::Default);
    ~TVelkProcess();

    // Reads until standard output holds Line, or the program ends, or the
    // patience runs out.
    bool WaitForLine(const std::string& Line);
    void Signal(int Number);
    // Waits for the exit: the exit code, or -1 when the program crashed or
    // did not end in time.
    int WaitForExit();
    // The program is still running after Ms milliseconds.
    bool RunsOnFor(int Ms);

    const std::string& Out() const { return Out_; }
    const std::string& Err() const { return Err_; }

private:
    void ReadAvailable();

    QProcess Process_;
    std::string Out_;
    std::string Err_;
};

// The sanitizers reported nothing on standard error.
void ExpectNoSanitizerReport(const std::string& Err);
// The program reported its window up (both outputs shown when it did not).
void ExpectReady(TVelkProcess& Velk);
// Sent Number, the program exits 0 and reports nothing.
void ExpectCleanEnd(TVelkProcess& Velk, int Number = SIGTERM);

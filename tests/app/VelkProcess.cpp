#include "VelkProcess.h"

#include <QDeadlineTimer>
#include <gtest/gtest.h>

namespace {

// A safety net for a hung program, not a measure of speed: sanitizer
// builds on a loaded machine start slowly.
constexpr int PatienceMs = 120000;

} // namespace

TVelkProcess::TVelkProcess(const std::string& Home, const std::vector<std::string>& Arguments,
                           const std::vector<std::pair<std::string, std::string>>& Environment, THangUp HangUp)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("VELK_REPORT_READY", "1");
    environment.insert("VELK_HOME", QString::fromStdString(Home));
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(Home));
    // Qt and fontconfig keep some allocations for the whole process.
    if (!environment.contains("LSAN_OPTIONS"))
        environment.insert("LSAN_OPTIONS", "suppressions=" VELK_LSAN_SUPPRESSIONS);
    for (const auto& [name, value] : Environment)
        environment.insert(QString::fromStdString(name), QString::fromStdString(value));
    QStringList arguments;
    for (const std::string& argument : Arguments)
        arguments << QString::fromStdString(argument);
    Process_.setProcessEnvironment(environment);
    Process_.setStandardInputFile(QProcess::nullDevice());
    // Not what the test runner happens to do with it.
    Process_.setChildProcessModifier([HangUp] { signal(SIGHUP, HangUp == THangUp::Ignored ? SIG_IGN : SIG_DFL); });
    Process_.start(VELK_EXECUTABLE, arguments);
}

TVelkProcess::~TVelkProcess()
{
    if (Process_.state() != QProcess::NotRunning) {
        Process_.kill();
        Process_.waitForFinished();
    }
}

bool TVelkProcess::WaitForLine(const std::string& Line)
{
    const QDeadlineTimer patience(PatienceMs);
    for (ReadAvailable(); Out_.find(Line + "\n") == std::string::npos; ReadAvailable()) {
        if (Process_.state() == QProcess::NotRunning || patience.hasExpired())
            return false;
        Process_.waitForReadyRead(100);
    }
    return true;
}

void TVelkProcess::Signal(int Number)
{
    // A program that never started has no id, and 0 would signal the
    // test's own process group, the test runner with it.
    if (const qint64 pid = Process_.processId(); pid > 0)
        kill(static_cast<pid_t>(pid), Number);
}

int TVelkProcess::WaitForExit()
{
    const bool finished = Process_.waitForFinished(PatienceMs);
    ReadAvailable();
    return finished && Process_.exitStatus() == QProcess::NormalExit ? Process_.exitCode() : -1;
}

bool TVelkProcess::RunsOnFor(int Ms)
{
    Process_.waitForFinished(Ms);
    ReadAvailable();
    return Process_.state() != QProcess::NotRunning;
}

void TVelkProcess::ReadAvailable()
{
    Out_ += Process_.readAllStandardOutput().toStdString();
    Err_ += Process_.readAllStandardError().toStdString();
}

void ExpectNoSanitizerReport(const std::string& Err)
{
    for (const char* report : {"ERROR: AddressSanitizer", "runtime error:", "LeakSanitizer"})
        EXPECT_EQ(Err.find(report), std::string::npos) << "standard error:\n" << Err;
}

void ExpectReady(TVelkProcess& Velk)
{
    ASSERT_TRUE(Velk.WaitForLine("velk: ready")) << "standard output:\n"
                                                 << Velk.Out() << "\nstandard error:\n"
                                                 << Velk.Err();
}

void ExpectCleanEnd(TVelkProcess& Velk, int Number)
{
    Velk.Signal(Number);
    EXPECT_EQ(Velk.WaitForExit(), 0) << Velk.Err();
    ExpectNoSanitizerReport(Velk.Err());
}

// Starts the velk program headless, waits until its window is up, asks it
// to end as the desktop would (SIGTERM) and checks that it ends cleanly.
#include "TempDir.h"
#include "VelkProcess.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>

namespace {

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

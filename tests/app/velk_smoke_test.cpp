// Starts the velk program headless, waits until its window is up, asks it
// to end as the desktop would (SIGTERM) and checks that it ends cleanly.
#include "TempDir.h"
#include "VelkProcess.h"

#include <gtest/gtest.h>

#include <csignal>

namespace {

void RunUntilSignal(int Number)
{
    const TempDir home;
    TVelkProcess velk(home.Path());
    ExpectReady(velk);
    ExpectCleanEnd(velk, Number);
    EXPECT_EQ(velk.Out(), "velk: ready\n") << "the ready line is reported once";
}

TEST(VelkProcess, ShowsItsWindowAndEndsCleanlyOnSigterm) { RunUntilSignal(SIGTERM); }

TEST(VelkProcess, EndsCleanlyOnSigint) { RunUntilSignal(SIGINT); }

} // namespace

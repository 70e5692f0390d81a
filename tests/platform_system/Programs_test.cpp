#include "Programs.h"
#include "TempDir.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A program that writes its first argument's bytes into the file its
// second argument names.
TProgramCommand WritesArgument(const std::string& Argument, const std::string& Output)
{
    return {"sh", {"-c", "printf %s \"$1\" > \"$2\"", "sh", Argument, Output}};
}

// Names as archives from old systems give them: Shift-JIS bytes (メモ, 田中).
const std::string kShiftJisNames[] = {"\x83\x81\x83\x82", "\x93\x63\x92\x86"};

} // namespace

TEST(Programs, EveryWordReachesTheProgramAsItsBytes)
{
    for (const std::string& name : kShiftJisNames) {
        TempDir dir;
        const std::string argument = dir.File(name + "/temp.txt");
        const std::string waited = dir.File(name + " waited"), alone = dir.File(name + " alone");
        bool started = false;
        EXPECT_TRUE(RunProgramAndWait(WritesArgument(argument, waited), [&] { started = true; }));
        EXPECT_TRUE(started);
        EXPECT_EQ(ReadRaw(waited), argument);

        EXPECT_TRUE(StartProgram(WritesArgument(argument, alone)));
        for (QDeadlineTimer limit(30000); ReadRaw(alone) != argument && !limit.hasExpired();)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_EQ(ReadRaw(alone), argument);
    }
}

TEST(Programs, AProgramThatIsNotThereIsNotStarted)
{
    TempDir dir;
    const TProgramCommand missing{dir.File("\x83\x81\x83\x82"), {}};
    bool started = false;
    EXPECT_FALSE(RunProgramAndWait(missing, [&] { started = true; }));
    EXPECT_FALSE(started);
    EXPECT_FALSE(StartProgram(missing));
    EXPECT_FALSE(RunProgram(missing));
    EXPECT_FALSE(RunProgram({}));
}

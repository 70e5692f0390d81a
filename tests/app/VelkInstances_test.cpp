// Several velk processes on one program folder, each started headless and
// ended as the desktop would (SIGTERM, SIGINT) with a clean exit: each sees
// the others (and leaves their transfer files alone), a text sent to the
// instances reaches every other one, an entry left by a process that is gone
// counts for nothing, and a second instance told not to open the document
// another one holds ends without a window.
#include "Files.h"
#include "Instances.h"
#include "SjisLiteral.h"
#include "TempDir.h"
#include "VelkProcess.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>
#include <set>
#include <sys/stat.h>

namespace {

TEST(VelkInstances, AnEntryOfAProcessThatIsGoneCountsAsNoInstance)
{
    const TempDir home;
    const std::string run = home.Path() + ".run/";
    ASSERT_EQ(mkdir(run.c_str(), 0700), 0);
    WriteFileAtomic(run + "999999.lock", "");
    WriteFileAtomic(run + "999999.caption", "NewFile");
    WriteFileAtomic(home.Path() + "temp.txt", "left by a crash");
    TVelkProcess velk(home.Path());
    ExpectReady(velk);
    EXPECT_FALSE(FileExists(home.Path() + "temp.txt")) << "alone, it clears the leftover transfer files";
    EXPECT_FALSE(FileExists(run + "999999.lock"));
    ExpectCleanEnd(velk);
    EXPECT_EQ(velk.Out(), "velk: ready\n") << "the ready line is reported once";
}

TEST(VelkInstances, ATextSentReachesEveryOtherInstanceButNotTheSender)
{
    const TempDir home;
    TVelkProcess first(home.Path());
    ExpectReady(first);
    WriteFileAtomic(home.Path() + "temp.txt", "an external edit of the first instance");
    TVelkProcess second(home.Path());
    ExpectReady(second);
    EXPECT_TRUE(FileExists(home.Path() + "temp.txt")) << "a second instance leaves the transfer files";
    TInstanceRegistry sender(home.Path() + ".run");
    int heardBySender = 0;
    sender.OnMessage = [&](const std::string&) { ++heardBySender; };
    EXPECT_EQ(sender.Broadcast(Sjis("外部エディタ起動中")), 2);
    EXPECT_TRUE(first.WaitForLine("velk: message 外部エディタ起動中")) << first.Out();
    EXPECT_TRUE(second.WaitForLine("velk: message 外部エディタ起動中")) << second.Out();
    QCoreApplication::processEvents();
    EXPECT_EQ(heardBySender, 0);
    ExpectCleanEnd(second, SIGINT);
    ExpectCleanEnd(first);
}

TEST(VelkInstances, DecliningADocumentHeldElsewhereEndsWithoutAWindow)
{
    const TempDir home;
    WriteFileAtomic(home.Path() + "a.vk2", "");
    TInstanceRegistry holder(home.Path() + ".run");
    holder.SetCaption(home.Path() + "a.vk2");

    // Named relative to the folder velk starts in: it is made absolute first.
    const std::string relative = std::filesystem::relative(home.Path() + "a.txt").string();
    ASSERT_NE(relative.front(), '/');
    TVelkProcess declined(home.Path(), {relative}, {{"VELK_DIALOG_ANSWERS", "no"}});
    EXPECT_EQ(declined.WaitForExit(), 0) << declined.Err();
    EXPECT_EQ(declined.Out(), "") << "no window, so never ready";
    ExpectNoSanitizerReport(declined.Err());

    TVelkProcess accepted(home.Path(), {home.Path() + "a.txt"}, {{"VELK_DIALOG_ANSWERS", "yes"}});
    ExpectReady(accepted);
    ExpectCleanEnd(accepted);
}

// The desktop ends a second instance (SIGTERM at logout, SIGHUP when its
// terminal closes) while it asks whether to open the document another one
// holds: the question ends as declined, the instance ends as a close would,
// and it leaves nothing in the run folder.
TEST(VelkInstances, EndingTheSecondInstanceAtItsQuestionLeavesNothingBehind)
{
    const TempDir home;
    WriteFileAtomic(home.Path() + "a.vk2", "");
    TInstanceRegistry holder(home.Path() + ".run");
    holder.SetCaption(home.Path() + "a.vk2");
    const auto entries = [&] {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(home.Path() + ".run"))
            names.insert(entry.path().filename().string());
        return names;
    };
    const std::set<std::string> holderEntries = entries();
    for (const int signal : {SIGHUP, SIGTERM}) {
        SCOPED_TRACE(signal);
        // No scripted answer: the question waits on the screen.
        TVelkProcess asking(home.Path(), {home.Path() + "a.vk2"});
        ASSERT_TRUE(asking.WaitForLine("このファイルはすでに開かれています。強制的に開きますか？")) << asking.Err();
        asking.Signal(signal);
        EXPECT_EQ(asking.WaitForExit(), 0) << asking.Err();
        EXPECT_EQ(asking.Out().find("velk: ready"), std::string::npos) << "declined, so no window";
        ExpectNoSanitizerReport(asking.Err());
        EXPECT_EQ(entries(), holderEntries) << "no lock, caption or socket left";
    }
}

} // namespace

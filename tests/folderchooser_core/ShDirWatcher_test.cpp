#include "ShDirWatcher.h"
#include "ShFilesWatcher.h"
#include "TempNamespace.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class Watcher : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "watcher_test";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
    }

    TWatcherTiming Timing()
    {
        return {std::chrono::milliseconds(1500), std::chrono::milliseconds(1000), Clock.Clock()};
    }
    std::unique_ptr<TShDirWatcher> Make(const std::vector<std::string>& Folders)
    {
        return std::make_unique<TShDirWatcher>(
            Folders, FILE_NOTIFY_CHANGE_DIR_NAME,
            [this](const TDeviceChangeData& Data) { Devices.push_back(Data.Text.toStdString()); },
            [this] { ++Changes; }, Timing());
    }
    static std::unique_ptr<TDeviceChangeData> Device(const char* Text)
    {
        return std::make_unique<TDeviceChangeData>(TDeviceChangeData{Text, DBT_DEVICEARRIVAL, 1, {}});
    }

    TempDir Dir;
    TFakeClock Clock;
    int Changes = 0;
    std::vector<std::string> Devices;
};

TEST_F(Watcher, ABurstOfFolderChangesIsReportedOnceWhenItHasBeenQuiet)
{
    const auto watcher = Make({Dir.Path()});
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(mkdir(Dir.File("d" + std::to_string(i)).c_str(), 0755), 0);
    ASSERT_TRUE(SpinUntil([&] { return watcher->FolderChangePending(); }));
    Clock.Advance(1499);
    watcher->CheckDue();
    EXPECT_EQ(Changes, 0);
    Clock.Advance(1);
    watcher->CheckDue();
    EXPECT_EQ(Changes, 1);
    watcher->CheckDue();
    QCoreApplication::processEvents();
    EXPECT_EQ(Changes, 1);
}

TEST_F(Watcher, ABurstOfDeviceChangesIsReportedOnceWithTheLatestData)
{
    // An empty watch list still hands device changes back.
    const auto watcher = Make({});
    watcher->SetDeviceData(Device("first"));
    Clock.Advance(600);
    watcher->SetDeviceData(Device("second"));
    Clock.Advance(999);
    watcher->CheckDue();
    EXPECT_TRUE(Devices.empty());
    Clock.Advance(1);
    watcher->CheckDue();
    EXPECT_EQ(Devices, std::vector<std::string>{"second"});
    Clock.Advance(5000);
    watcher->CheckDue();
    EXPECT_EQ(Devices.size(), 1u);
}

TEST_F(Watcher, AfterStopNothingIsReportedAndDestructionLeavesNothingBehind)
{
    auto watcher = Make({Dir.Path()});
    mkdir(Dir.File("x").c_str(), 0755);
    ASSERT_TRUE(SpinUntil([&] { return watcher->FolderChangePending(); }));
    watcher->SetDeviceData(Device("gone"));
    watcher->Stop();
    watcher->SetDeviceData(Device("after"));
    Clock.Advance(10000);
    watcher->CheckDue();
    EXPECT_EQ(Changes, 0);
    EXPECT_TRUE(Devices.empty());

    // A watcher destroyed with a burst under way reports nothing later.
    watcher = Make({Dir.Path()});
    mkdir(Dir.File("y").c_str(), 0755);
    ASSERT_TRUE(SpinUntil([&] { return watcher->FolderChangePending(); }));
    watcher.reset();
    mkdir(Dir.File("z").c_str(), 0755);
    QCoreApplication::processEvents();
    EXPECT_EQ(Changes, 0);
}

TEST_F(Watcher, OnlyFolderNamesCountAndANewListOrADeviceEndsABurstUnreported)
{
    const std::string quiet = Dir.Path() + "quiet", busy = Dir.Path() + "busy";
    ASSERT_EQ(mkdir(quiet.c_str(), 0755) | mkdir(busy.c_str(), 0755), 0);
    WriteRaw(busy + "/log.txt", "0");
    std::vector<std::string> seen;
    TFolderEvents events(FILE_NOTIFY_CHANGE_DIR_NAME, [&](const std::string& Folder) { seen.push_back(Folder); });
    ASSERT_TRUE(events.Add(busy) && events.Add(quiet));
    // Files written, made, renamed and removed in one folder, then a folder
    // made in the other: only the folder is told. inotify keeps the order of
    // events, so once it is told the file events have all been passed over.
    for (int i = 0; i < 5; ++i)
        WriteRaw(busy + "/log.txt", std::to_string(i));
    WriteRaw(busy + "/new.txt", "x");
    std::filesystem::rename(busy + "/new.txt", busy + "/renamed.txt");
    std::filesystem::remove(busy + "/renamed.txt");
    ASSERT_EQ(mkdir((quiet + "/sub").c_str(), 0755), 0);
    ASSERT_TRUE(SpinUntil([&] { return !seen.empty(); }));
    EXPECT_EQ(seen, std::vector<std::string>{quiet});
    // A folder moved from one folder to another changes both.
    std::filesystem::rename(quiet + "/sub", busy + "/sub");
    ASSERT_TRUE(SpinUntil([&] { return seen.size() == 3; }));
    EXPECT_EQ(seen, (std::vector<std::string>{quiet, quiet, busy}));

    const auto watcher = Make({quiet});
    ASSERT_EQ(mkdir((quiet + "/a").c_str(), 0755), 0);
    ASSERT_TRUE(SpinUntil([&] { return watcher->FolderChangePending(); }));
    std::vector<std::string> both{busy, quiet};
    watcher->SetWatchList(&both);
    EXPECT_FALSE(watcher->FolderChangePending());
    // The same list in another order changes nothing.
    std::reverse(both.begin(), both.end());
    watcher->SetWatchList(&both);
    EXPECT_EQ(watcher->ListChanges(), 2);
    ASSERT_EQ(mkdir((busy + "/b").c_str(), 0755), 0);
    ASSERT_TRUE(SpinUntil([&] { return watcher->FolderChangePending(); }));
    watcher->SetDeviceData(Device("stick"));
    Clock.Advance(2000);
    watcher->CheckDue();
    EXPECT_EQ(std::pair(Changes, Devices), std::pair(0, std::vector<std::string>{"stick"}));
}

TEST_F(Watcher, AFilesWatcherReportsItsFolderOncePerBurstOfTheChangesItsFilterNames)
{
    const std::string folder = Dir.Path() + "f";
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    WriteRaw(folder + "/a.txt", "a");
    std::vector<std::pair<std::string, std::string>> reports;
    const auto report = [&](const char* Which) {
        return [&reports, Which](TShFilesWatcher*, const std::string& Folder) { reports.push_back({Which, Folder}); };
    };
    TShFilesWatcher names(folder, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME, report("names"),
                          std::chrono::milliseconds(2000), Clock.Clock());
    TShFilesWatcher data(folder,
                         FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE,
                         report("data"), std::chrono::milliseconds(2000), Clock.Clock());
    WriteRaw(folder + "/a.txt", "longer");
    ASSERT_TRUE(SpinUntil([&] { return data.ChangePending(); }));
    WriteRaw(folder + "/b.txt", "b");
    ASSERT_TRUE(SpinUntil([&] { return names.ChangePending(); }));
    Clock.Advance(1999);
    names.CheckDue();
    data.CheckDue();
    EXPECT_TRUE(reports.empty());
    Clock.Advance(1);
    names.CheckDue();
    data.CheckDue();
    EXPECT_EQ(reports, (std::vector<std::pair<std::string, std::string>>{{"names", folder}, {"data", folder}}));

    // Watching goes on after a report; a folder that does not exist is none.
    WriteRaw(folder + "/c.txt", "c");
    ASSERT_TRUE(SpinUntil([&] { return names.ChangePending(); }));
    names.SetFolder(folder + "/missing");
    EXPECT_EQ(std::pair(names.Folder(), names.ChangePending()), std::pair(std::string(), false));
    names.SetFolder(folder);
    names.Stop();
    WriteRaw(folder + "/d.txt", "d");
    Clock.Advance(5000);
    names.CheckDue();
    EXPECT_EQ(reports.size(), 2u);
}

} // namespace

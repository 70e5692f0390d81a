#include "ShDirWatcher.h"
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
            Folders, [this](const TDeviceChangeData& Data) { Devices.push_back(Data.Text.toStdString()); },
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

} // namespace

#include "Instances.h"
#include "TempDir.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <signal.h>
#include <unistd.h>
#include <vector>

namespace {

// Waits for a condition while this process keeps handling its own events
// (it is an instance too). The limit only stops a broken test from hanging.
bool WaitFor(const std::function<bool()>& Condition)
{
    QDeadlineTimer limit(30000);
    while (!Condition()) {
        if (limit.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Another instance in its own process.
class Peer {
public:
    explicit Peer(const std::string& Folder)
    {
        Process_.start(INSTANCE_PEER, {QString::fromStdString(Folder)});
        EXPECT_EQ(NextLine(), "ready");
    }
    ~Peer()
    {
        Process_.closeWriteChannel();
        if (!Process_.waitForFinished(30000))
            Process_.kill();
    }
    std::string Ask(const std::string& Command)
    {
        Process_.write((Command + "\n").c_str());
        return NextLine();
    }
    std::string NextLine()
    {
        if (!WaitFor([&] { return Process_.canReadLine() || Process_.state() == QProcess::NotRunning; }))
            return "<timeout>";
        return Process_.readLine().trimmed().toStdString();
    }
    qint64 Pid() const { return Process_.processId(); }
    void Kill()
    {
        Process_.kill();
        Process_.waitForFinished(30000);
    }

private:
    QProcess Process_;
};

std::vector<std::string> Entries(const std::string& Folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class Instances : public testing::Test {
protected:
    TempDir Dir;
    std::string Folder = Dir.File("run");
};

} // namespace

TEST_F(Instances, SeeEachOtherAndCompareCaptionsExactly)
{
    {
        auto self = std::make_unique<TInstanceRegistry>(Folder);
        ASSERT_TRUE(self->Registered()) << self->RegistrationError();
        EXPECT_TRUE(self->IsSingleInstance());
        {
            Peer peer(Folder);
            EXPECT_FALSE(self->IsSingleInstance());
            EXPECT_EQ(peer.Ask("single"), "single 0");

            EXPECT_EQ(peer.Ask("caption /docs/Plan.vk2"), "ok");
            EXPECT_TRUE(self->IsCaptionOpen("/docs/Plan.vk2"));
            EXPECT_FALSE(self->IsCaptionOpen("/docs/plan.vk2"));
            EXPECT_FALSE(self->IsCaptionOpen("/docs/Plan.vk"));

            self->SetCaption("/docs/Self.vk2");
            EXPECT_TRUE(self->IsCaptionOpen("/docs/Self.vk2")); // its own window counts
            EXPECT_EQ(peer.Ask("open /docs/Self.vk2"), "open 1");
        }
        EXPECT_TRUE(self->IsSingleInstance());
    }
    EXPECT_TRUE(Entries(Folder).empty()); // every instance removed its entries
}

TEST_F(Instances, BroadcastReachesTheOthersButNotTheSender)
{
    TInstanceRegistry self(Folder);
    std::vector<std::string> received;
    self.OnMessage = [&](const std::string& Text) { received.push_back(Text); };
    Peer sender(Folder);
    Peer other(Folder);

    EXPECT_EQ(sender.Ask("broadcast EXTEDIT 1"), "sent 2");
    EXPECT_EQ(other.NextLine(), "message EXTEDIT 1");
    ASSERT_TRUE(WaitFor([&] { return !received.empty(); }));
    EXPECT_EQ(received, std::vector<std::string>{"EXTEDIT 1"});

    EXPECT_EQ(self.Broadcast("EXTEDIT 0"), 2);
    EXPECT_EQ(sender.NextLine(), "message EXTEDIT 0");
    EXPECT_EQ(other.NextLine(), "message EXTEDIT 0");
    EXPECT_EQ(received, std::vector<std::string>{"EXTEDIT 1"});
}

TEST_F(Instances, StaleEntriesCountAsNoInstanceAndAreRemoved)
{
    TInstanceRegistry self(Folder);
    Peer peer(Folder);
    EXPECT_EQ(peer.Ask("caption /docs/Lost.vk2"), "ok");
    const std::string pid = std::to_string(peer.Pid());
    peer.Kill(); // no chance to clean up

    // An entry whose lock no process holds, as a crash leaves it.
    WriteRaw(Folder + "/999999999.lock", "");
    WriteRaw(Folder + "/999999999.caption", "/docs/Old.vk2");

    EXPECT_FALSE(self.IsCaptionOpen("/docs/Lost.vk2"));
    EXPECT_FALSE(self.IsCaptionOpen("/docs/Old.vk2"));
    EXPECT_TRUE(self.IsSingleInstance());
    const auto pidStr = std::to_string(::getpid());
    EXPECT_EQ(Entries(Folder), (std::vector<std::string>{pidStr + ".caption", pidStr + ".lock", pidStr + ".sock"}));
}

TEST_F(Instances, AProgramStartedByAnInstanceDoesNotKeepItAlive)
{
    TInstanceRegistry self(Folder);
    Peer peer(Folder);
    const std::string reply = peer.Ask("spawn");
    ASSERT_EQ(reply.rfind("child ", 0), 0u) << reply;
    const pid_t child = std::stoi(reply.substr(6));
    ASSERT_GT(child, 0);
    peer.Kill();
    EXPECT_TRUE(self.IsSingleInstance());
    ::kill(child, SIGKILL);
}

TEST_F(Instances, AnUnusableFolderLeavesTheInstanceAlone)
{
    WriteRaw(Dir.File("plain"), "");
    TInstanceRegistry self(Dir.File("plain/run"));
    EXPECT_FALSE(self.Registered());
    EXPECT_FALSE(self.RegistrationError().empty());
    EXPECT_TRUE(self.IsSingleInstance());
    EXPECT_EQ(self.Broadcast("EXTEDIT 1"), 0);
    self.SetCaption("/docs/A.vk2");
    EXPECT_TRUE(self.IsCaptionOpen("/docs/A.vk2"));
}

TEST(InstanceFolder, FollowsTheEnvironment)
{
    const auto set = [](const char* Name, const char* Value) {
        Value ? setenv(Name, Value, 1) : unsetenv(Name);
    };
    const char* home = std::getenv("VELK_HOME");
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string savedHome = home ? home : "", savedRuntime = runtime ? runtime : "";

    set("VELK_HOME", "/v/home/");
    EXPECT_EQ(InstanceFolder(), "/v/home/.run/");
    set("VELK_HOME", nullptr);
    set("XDG_RUNTIME_DIR", "/run/user/7");
    EXPECT_EQ(InstanceFolder(), "/run/user/7/velk2000/");
    set("XDG_RUNTIME_DIR", nullptr);
    EXPECT_EQ(InstanceFolder(), "/tmp/velk2000-" + std::to_string(::getuid()) + "/");

    set("VELK_HOME", home ? savedHome.c_str() : nullptr);
    set("XDG_RUNTIME_DIR", runtime ? savedRuntime.c_str() : nullptr);
}

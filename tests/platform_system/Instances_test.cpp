#include "Files.h"
#include "Instances.h"
#include "ScopedEnvironment.h"
#include "TempDir.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <set>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

// Waits while this process, an instance too, goes on handling its events.
// The limit only stops a broken test from hanging.
bool WaitFor(const std::function<bool()>& Condition)
{
    for (QDeadlineTimer limit(30000); !Condition(); QCoreApplication::processEvents(QEventLoop::AllEvents, 20)) {
        if (limit.hasExpired())
            return false;
    }
    return true;
}

// Another instance in its own process.
class Peer {
public:
    explicit Peer(const std::string& Folder)
    {
        Process.start(INSTANCE_PEER, {QString::fromStdString(Folder)});
        EXPECT_EQ(NextLine(), "ready");
    }
    ~Peer()
    {
        Process.closeWriteChannel();
        if (!Process.waitForFinished(30000))
            Process.kill();
    }
    std::string Ask(const std::string& Command)
    {
        Process.write((Command + "\n").c_str());
        return NextLine();
    }
    std::string NextLine()
    {
        WaitFor([&] { return Process.canReadLine() || Process.state() == QProcess::NotRunning; });
        return Process.readLine().trimmed().toStdString();
    }
    QProcess Process;
};

std::set<std::string> Entries(const std::string& Folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Folder))
        names.insert(entry.path().filename().string());
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
        TInstanceRegistry self(Folder);
        ASSERT_TRUE(self.Registered()) << self.RegistrationError();
        EXPECT_TRUE(self.IsSingleInstance());
        {
            Peer peer(Folder);
            EXPECT_FALSE(self.IsSingleInstance());
            EXPECT_EQ(peer.Ask("single"), "single 0");
            EXPECT_EQ(peer.Ask("caption /docs/Plan.vk2"), "ok");
            EXPECT_TRUE(self.IsCaptionOpen("/docs/Plan.vk2"));
            EXPECT_FALSE(self.IsCaptionOpen("/docs/plan.vk2"));
            EXPECT_FALSE(self.IsCaptionOpen("/docs/Plan.vk"));
            self.SetCaption("/docs/Self.vk2");
            EXPECT_TRUE(self.IsCaptionOpen("/docs/Self.vk2")); // its own window counts
            EXPECT_EQ(self.OtherCaptions(), std::vector<std::string>{"/docs/Plan.vk2"});
            EXPECT_EQ(peer.Ask("open /docs/Self.vk2"), "open 1");
        }
        EXPECT_TRUE(self.IsSingleInstance());
    }
    EXPECT_TRUE(Entries(Folder).empty()); // every instance removed its entries
}

TEST_F(Instances, BroadcastReachesTheOthersButNotTheSender)
{
    TInstanceRegistry self(Folder);
    std::vector<std::string> received;
    self.OnMessage = [&](const std::string& Text) { received.push_back(Text); };
    Peer sender(Folder), other(Folder);

    EXPECT_EQ(sender.Ask("broadcast EXTEDIT 1"), "sent 2");
    EXPECT_EQ(other.NextLine(), "message EXTEDIT 1");
    EXPECT_TRUE(WaitFor([&] { return !received.empty(); }));

    EXPECT_EQ(self.Broadcast("EXTEDIT 0"), 2);
    EXPECT_EQ(sender.NextLine(), "message EXTEDIT 0");
    EXPECT_EQ(other.NextLine(), "message EXTEDIT 0");
    EXPECT_EQ(received, std::vector<std::string>{"EXTEDIT 1"});
}

// A program folder named in Shift-JIS bytes (メモ from an old archive)
// holds the runtime folder. The peer reaches the same folder through a
// link whose name is UTF-8, as the test's starter can only hand it such.
TEST_F(Instances, AFolderNamedInShiftJisBytesLinksTheCopies)
{
    const std::string shiftJis = Dir.File("\x83\x81\x83\x82");
    std::filesystem::create_directory(shiftJis);
    std::filesystem::create_directory_symlink(shiftJis, Dir.File("link"));
    TInstanceRegistry self(shiftJis + "/run");
    ASSERT_TRUE(self.Registered()) << self.RegistrationError();
    std::vector<std::string> received;
    self.OnMessage = [&](const std::string& Text) { received.push_back(Text); };
    Peer other(Dir.File("link/run"));

    EXPECT_EQ(other.Ask("broadcast EXTEDIT 1"), "sent 1");
    EXPECT_TRUE(WaitFor([&] { return !received.empty(); }));
    EXPECT_EQ(self.Broadcast("EXTEDIT 0"), 1);
    EXPECT_EQ(other.NextLine(), "message EXTEDIT 0");
    EXPECT_EQ(received, std::vector<std::string>{"EXTEDIT 1"});
}

TEST_F(Instances, StaleEntriesCountAsNoInstanceAndAreRemoved)
{
    TInstanceRegistry self(Folder);
    Peer crashed(Folder), parent(Folder);
    EXPECT_EQ(crashed.Ask("caption /docs/Lost.vk2"), "ok");
    crashed.Process.kill(); // no chance to clean up
    crashed.Process.waitForFinished(30000);
    // A program the other instance started must not keep it alive either.
    const std::string child = parent.Ask("spawn");
    ASSERT_EQ(child.rfind("child ", 0), 0u) << child;
    parent.Process.kill();
    parent.Process.waitForFinished(30000);
    WriteRaw(Folder + "/999999999.lock", ""); // as a crash long ago left it
    WriteRaw(Folder + "/999999999.caption", "/docs/Old.vk2");

    EXPECT_FALSE(self.IsCaptionOpen("/docs/Lost.vk2"));
    EXPECT_FALSE(self.IsCaptionOpen("/docs/Old.vk2"));
    EXPECT_TRUE(self.IsSingleInstance());
    const std::string pid = std::to_string(::getpid());
    EXPECT_EQ(Entries(Folder), (std::set<std::string>{pid + ".caption", pid + ".lock", pid + ".sock"}));
    ::kill(std::stoi(child.substr(6)), SIGKILL);
}

// A save's leftover stays while its writer is a running instance; a live
// process that merely has the id in its name (an id reused after a reboot)
// keeps nothing, and the next write of that file removes it.
TEST_F(Instances, LeftoversOfASaveGoUnlessARunningInstanceHoldsThem)
{
    TInstanceRegistry self(Folder);
    Peer peer(Folder);
    const auto leftover = [this](qint64 Pid) { return Dir.File(".doc.vk2.~" + std::to_string(Pid) + "~a1B2c3"); };
    const std::string ofPeer = leftover(peer.Process.processId()), ofSelf = leftover(::getpid()),
                      ofOtherProcess = leftover(::getppid());
    for (const std::string& name : {ofPeer, ofSelf, ofOtherProcess})
        WriteRaw(name, "x");
    WriteFileAtomic(Dir.File("doc.vk2"), "new");
    EXPECT_TRUE(std::filesystem::exists(ofPeer));
    EXPECT_TRUE(std::filesystem::exists(ofSelf));
    EXPECT_FALSE(std::filesystem::exists(ofOtherProcess));
}

TEST_F(Instances, AnUnusableFolderLeavesTheInstanceAlone)
{
    WriteRaw(Dir.File("plain"), "");
    TInstanceRegistry self(Dir.File("plain/run"));
    EXPECT_FALSE(self.Registered());
    EXPECT_FALSE(self.RegistrationError().empty());
    EXPECT_TRUE(self.IsSingleInstance());
    EXPECT_EQ(self.Broadcast("EXTEDIT 1"), 0);
}

// A folder another user owns: made and given away when the test runs as
// root, else one of the system's, which root owns.
std::string FolderOfAnotherUser(const TempDir& Dir)
{
    if (::getuid() != 0)
        return "/usr";
    const std::string folder = Dir.File("theirs");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    return folder;
}

struct stat Lstat(const std::string& Path)
{
    struct stat st {};
    ::lstat(Path.c_str(), &st);
    return st;
}

// What stands at the folder's name is the reason told, and it is left as
// it was: the instance runs alone.
TEST_F(Instances, AnUnusableFolderSaysWhatStandsThere)
{
    const struct {
        const char* Name;
        std::function<std::string()> Make;
        const char* Reason;
    } cases[] = {
        {"a file",
         [&] {
             WriteRaw(Folder, "not a folder");
             return Folder;
         },
         "フォルダーではなくファイルです。"},
        {"a FIFO",
         [&] {
             ::mkfifo(Folder.c_str(), 0600);
             return Folder;
         },
         "フォルダーではなく名前付きパイプ（FIFO）です。"},
        {"a dangling link",
         [&] {
             std::filesystem::create_symlink(Dir.File("nothing"), Folder);
             return Folder;
         },
         "リンク先のないシンボリックリンクです。"},
        {"another user's folder", [&] { return FolderOfAnotherUser(Dir); }, "別のユーザーのフォルダーです。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::filesystem::remove_all(Folder);
        const std::string folder = c.Make();
        const struct stat before = Lstat(folder);
        ASSERT_NE(before.st_uid == ::getuid() && S_ISDIR(before.st_mode), true) << "would be used";
        {
            TInstanceRegistry self(folder);
            EXPECT_FALSE(self.Registered());
            EXPECT_EQ(self.RegistrationError(), c.Reason);
            EXPECT_EQ(self.Folder(), folder);
            EXPECT_TRUE(self.IsSingleInstance());
        }
        const struct stat after = Lstat(folder);
        EXPECT_EQ(std::tie(after.st_ino, after.st_mode, after.st_uid),
                  std::tie(before.st_ino, before.st_mode, before.st_uid));
        EXPECT_FALSE(std::filesystem::exists(Dir.File("nothing")));
    }
}

TEST(InstanceFolder, FollowsTheEnvironment)
{
    const TScopedEnvironment runtime("XDG_RUNTIME_DIR", "/run/user/7");
    {
        const TScopedEnvironment home("VELK_HOME", "/v/home/");
        EXPECT_EQ(InstanceFolder(), "/v/home/.run/");
    }
    {
        const TScopedEnvironment home("VELK_HOME", std::nullopt);
        EXPECT_EQ(InstanceFolder(), "/run/user/7/velk2000/");
    }
}

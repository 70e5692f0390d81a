// How TIniFile commits to disk: batches, atomic replacement, files it must
// not replace, other instances writing the same file.
#include "ChildProcess.h"
#include "FileSizeLimit.h"
#include "IniFiles.h"
#include "Strings.h"
#include "SysErrorText.h"
#include "TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using ::testing::ThrowsMessage;

namespace {

const std::string kOriginal = "; kept\r\n[Options]\r\nA=1\r\n[History]\r\nF0=x\r\n";

// The message of one write of Name by an ordinary user ("" when it went
// through): root, as the tests run in CI, becomes the user nobody in a
// child process first.
std::string WriteErrorAsAUser(const std::string& Name)
{
    return OutputOfChild([&](int Fd) {
        std::string message = "cannot become an ordinary user";
        constexpr uid_t nobody = 65534;
        if (geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(nobody) == 0 && setuid(nobody) == 0)) {
            message.clear();
            try {
                TIniFile(Name).WriteInteger("Options", "A", 2);
            } catch (const EIniFileException& E) {
                message = E.Message();
            }
        }
        SendFromChild(Fd, message);
    });
}

class IniCommit : public testing::Test {
protected:
    std::string Bytes() const { return ReadRaw(Name_); }

    TempDir Dir_;
    std::string Name_ = Dir_.File("velk2000.ini");
};

TEST_F(IniCommit, ABatchCommitsOnceWhenTheOutermostUpdateEndsOrIsDroppedWhenAbandoned)
{
    WriteRaw(Name_, kOriginal);
    EXPECT_THROW(
        {
            TIniFile abandoned(Name_);
            abandoned.BeginUpdate();
            abandoned.EraseSection("Options");
            abandoned.WriteInteger("Options", "A", 2);
            throw std::runtime_error("unwound half-way through a save");
        },
        std::runtime_error);
    EXPECT_EQ(Bytes(), kOriginal);
    TIniFile ini(Name_);
    ini.BeginUpdate();
    ini.BeginUpdate();
    ini.EraseSection("Options");
    ini.WriteInteger("Options", "A", 2);
    ini.WriteString("Options", "B", "b");
    // Reads inside the batch see its writes; the file does not yet.
    EXPECT_EQ(ini.ReadInteger("Options", "A", 0), 2);
    EXPECT_EQ(ini.ReadString("Options", "B", ""), "b");
    ini.EndUpdate();
    EXPECT_EQ(Bytes(), kOriginal);
    ini.EndUpdate();
    EXPECT_EQ(Bytes(), "; kept\r\n[History]\r\nF0=x\r\n\r\n[Options]\r\nA=2\r\nB=b\r\n");
    // An EndUpdate without a BeginUpdate changes nothing and does not
    // swallow the next batch's end.
    ini.EndUpdate();
    ini.BeginUpdate();
    ini.WriteInteger("Options", "A", 3);
    EXPECT_EQ(TIniFile(Name_).ReadInteger("Options", "A", 0), 2);
    ini.EndUpdate();
    EXPECT_EQ(TIniFile(Name_).ReadInteger("Options", "A", 0), 3);
}

TEST_F(IniCommit, ACommitReplaysTheBatchOnTheFileAsItIsNowAndReadsSeeOthers)
{
    TIniFile first(Name_), second(Name_);
    first.BeginUpdate();
    first.WriteInteger("S", "First", 1);
    second.WriteInteger("S", "Second", 2);
    second.WriteInteger("T", "Other", 3);
    first.EndUpdate();
    EXPECT_EQ(first.ReadInteger("S", "Second", 0), 2);
    EXPECT_EQ(first.ReadInteger("T", "Other", 0), 3);
    EXPECT_EQ(Bytes(), "[S]\r\nSecond=2\r\nFirst=1\r\n\r\n[T]\r\nOther=3\r\n");
    // Reads see changes made by others, in place or by removing the file.
    WriteRaw(Name_, "[S]\r\nK=333\r\n");
    EXPECT_EQ(first.ReadInteger("S", "K", -1), 333);
    fs::remove(Name_);
    EXPECT_EQ(first.ReadInteger("S", "K", -1), -1);
}

TEST_F(IniCommit, ReadingNeverCreatesTheFileButTheFirstWriteMakesItAndItsFolders)
{
    const std::string name = Dir_.File("sub/dir/velk2000.ini");
    TIniFile ini(name);
    TStringList list;
    EXPECT_EQ(ini.ReadString("S", "K", "d"), "d");
    ini.ReadSections(list);
    ini.ReadSectionValues("S", list);
    EXPECT_FALSE(fs::exists(Dir_.File("sub")));
    // Erasing from a missing file changes nothing, so nothing is written.
    ini.EraseSection("S");
    ini.DeleteKey("S", "K");
    EXPECT_FALSE(fs::exists(name));
    ini.WriteInteger("S", "K", 1);
    EXPECT_EQ(ReadRaw(name), "[S]\r\nK=1\r\n");
    EXPECT_FALSE(fs::exists(name + ".lock")); // the lock is on the file itself
}

// Earlier versions left an empty "<file>.lock"; the next commit takes it
// away, and only that: a file of the user's with that name stays.
TEST_F(IniCommit, ACommitRemovesAnEmptyLockFileLeftBesideIt)
{
    const struct {
        std::string Content;
        bool Stays;
    } cases[] = {{"", false}, {"mine", true}};
    for (const auto& c : cases) {
        WriteRaw(Name_ + ".lock", c.Content);
        TIniFile(Name_).WriteInteger("S", "K", 1);
        EXPECT_EQ(fs::exists(Name_ + ".lock"), c.Stays) << c.Content;
    }
}

TEST_F(IniCommit, AFailedWriteLeavesTheOldFileWholeAndRaises)
{
    WriteRaw(Name_, kOriginal);
    TIniFile ini(Name_);
    ini.ReadInteger("Options", "A", 0); // cached before the failure
    {
        const FileSizeLimit limit(1024);
        ini.BeginUpdate();
        ini.EraseSection("Options");
        ini.WriteString("Options", "Big", std::string(4096, 'x'));
        // The system's reason, as on a full disk.
        EXPECT_THAT([&] { ini.EndUpdate(); },
                    ThrowsMessage<EIniFileException>(Name_ + " に書き込めません\n" + SysErrorMessage(EFBIG)));
        EXPECT_THROW(ini.WriteString("Options", "Big", std::string(4096, 'x')), EIniFileException);
    }
    EXPECT_EQ(Bytes(), kOriginal);
    // Nothing is left beside the file, and the failed batch is gone.
    EXPECT_EQ(std::distance(fs::directory_iterator(Dir_.Path()), fs::directory_iterator()), 1);
    EXPECT_EQ(ini.ReadInteger("Options", "A", 0), 1);
    ini.WriteInteger("Options", "A", 5);
    EXPECT_EQ(ini.ReadInteger("Options", "A", 0), 5);
}

// A file that is there but cannot be read must never be replaced by one
// made from nothing: it would lose every section the program did not write.
// The write error says why it was kept.
TEST_F(IniCommit, AnUnreadableFileIsNeverOverwrittenAndTheErrorSaysWhy)
{
    std::string big = "[Options]\r\nA=1\r\n"; // larger than the cap: reads as empty
    while (big.size() <= kIniFileMaxBytes)
        big += "; padding padding padding padding padding padding padding\r\n";
    const std::string notRegular = "通常のファイルではないので、書き換えずにそのまま残しました。";
    const struct {
        std::function<bool()> Make;
        std::string Reason;
    } kinds[] = {
        // The reason first, then what became of the file.
        {[&] { return fs::create_symlink(Name_, Name_), true; },
         SysErrorMessage(ELOOP) + "読み込めないファイルなので、書き換えずにそのまま残しました。"},
        {[&] { return mkfifo(Name_.c_str(), 0644) == 0; }, notRegular}, // reading must not block on it either
        {[&] { return fs::create_directory(Name_); }, "フォルダーなので、書き換えずにそのまま残しました。"},
        {[&] {
             WriteRaw(Name_, big);
             return true;
         },
         "4 MiB を超える大きなファイルなので、読み込まずに既定の設定を使い、書き換えずにそのまま残しました。"},
    };
    TIniFile ini(Name_);
    for (const auto& kind : kinds) {
        fs::remove(Name_);
        ASSERT_TRUE(kind.Make());
        const fs::file_type type = fs::symlink_status(Name_).type();
        EXPECT_EQ(ini.ReadInteger("Options", "A", -1), -1);
        EXPECT_THAT([&] { ini.WriteInteger("Options", "A", 2); },
                    ThrowsMessage<EIniFileException>(Name_ + " に書き込めません\n" + kind.Reason));
        EXPECT_EQ(fs::symlink_status(Name_).type(), type);
    }
    EXPECT_TRUE(Bytes() == big);
}

// Whatever is written must read back: a write that would take the file past
// the size a read takes is refused and says so, and the file stays as it
// was, still read whole.
TEST_F(IniCommit, AWriteThatWouldPassTheReadCapKeepsTheFileAndSaysSo)
{
    std::string full = "[Options]\r\nA=1\r\n[Padding]\r\n";
    const std::string line = "; padding padding padding padding padding padding padding\r\n";
    while (full.size() + line.size() <= kIniFileMaxBytes)
        full += line;
    WriteRaw(Name_, full);
    TIniFile ini(Name_);
    EXPECT_THAT([&] { ini.WriteString("Options", "Longer", std::string(line.size(), 'x')); },
                ThrowsMessage<EIniFileException>(Name_
                                                 + " に書き込めません\n"
                                                   "書き込むと 4 MiB を超えて読み込めなくなるので、"
                                                   "書き換えずにそのまま残しました。"));
    EXPECT_TRUE(Bytes() == full);
    EXPECT_EQ(TIniFile(Name_).ReadInteger("Options", "A", -1), 1);
    ini.WriteInteger("Options", "A", 2); // a write that fits goes through
    EXPECT_EQ(TIniFile(Name_).ReadInteger("Options", "A", -1), 2);
}

// A program folder this user may not write in (the file itself may be
// written): the error says why.
TEST_F(IniCommit, AFolderTheUserMayNotWriteInIsToldWithWhy)
{
    WriteRaw(Name_, kOriginal);
    chmod(Name_.c_str(), 0666);
    chmod(Dir_.Path().c_str(), 0555);
    EXPECT_EQ(WriteErrorAsAUser(Name_), Name_ + " に書き込めません\n" + SysErrorMessage(EACCES));
    EXPECT_EQ(Bytes(), kOriginal);
}

// A user who made the file read-only meant it: a write that would change it
// fails and says so, whoever runs the program (root included); one that
// changes nothing is no failure.
TEST_F(IniCommit, AReadOnlyFileIsKeptAndTheWriteSaysSo)
{
    WriteRaw(Name_, kOriginal);
    chmod(Name_.c_str(), 0444);
    TIniFile ini(Name_);
    EXPECT_THAT([&] { ini.WriteInteger("Options", "A", 2); },
                ThrowsMessage<EIniFileException>(Name_
                                                 + " に書き込めません\n"
                                                   "読み出し専用のファイルなので、書き換えずにそのまま残しました。"));
    ini.WriteInteger("Options", "A", 1);
    EXPECT_EQ(Bytes(), kOriginal);
    struct stat st;
    ASSERT_EQ(stat(Name_.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
}

// A link whose target is gone (a synced file on a drive not mounted) reads
// as a missing file. A write makes the target where its folder is; where it
// is not, the write fails once with the reason, and the link stays.
TEST_F(IniCommit, ALinkWhoseTargetIsGoneReadsAsAbsentAndAWriteNeverWaitsOnIt)
{
    fs::create_symlink("drive/velk2000.ini", Name_);
    TIniFile ini(Name_);
    EXPECT_EQ(ini.ReadInteger("Options", "A", -1), -1);
    EXPECT_THAT([&] { ini.WriteInteger("Options", "A", 2); },
                ThrowsMessage<EIniFileException>(Name_ + " に書き込めません\n" + SysErrorMessage(ENOENT)));
    EXPECT_TRUE(fs::is_symlink(Name_));
    EXPECT_FALSE(fs::exists(Dir_.File("drive")));

    fs::create_directory(Dir_.File("drive"));
    ini.WriteInteger("Options", "A", 2);
    EXPECT_EQ(ReadRaw(Dir_.File("drive/velk2000.ini")), "[Options]\r\nA=2\r\n");
    EXPECT_TRUE(fs::is_symlink(Name_));
    EXPECT_EQ(ini.ReadInteger("Options", "A", -1), 2);

    // A batch that writes nothing takes back the target made for the lock.
    fs::remove(Dir_.File("drive/velk2000.ini"));
    ini.EraseSection("Options");
    EXPECT_FALSE(fs::exists(Dir_.File("drive/velk2000.ini")));
    EXPECT_TRUE(fs::is_symlink(Name_));
}

// Random bytes are a valid, if odd, settings file under these rules: every
// byte belongs to a line, and lines nobody writes keep their bytes. So the
// file is readable, and a write keeps every byte of it and adds its own
// lines after them.
TEST_F(IniCommit, RandomBytesReadSafelyAndSurviveAWrite)
{
    std::mt19937 random(20240601);
    std::string noise(1024 * 1024, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    WriteRaw(Name_, noise);
    TIniFile ini(Name_);
    TStringList sections, keys;
    ini.ReadSections(sections);
    for (int i = 0; i < sections.Count() && i < 50; ++i) {
        ini.ReadSectionValues(sections.Strings(i), keys);
        for (int k = 0; k < keys.Count(); ++k)
            ini.ReadInteger(sections.Strings(i), keys.Strings(k).substr(0, keys.Strings(k).find('=')), 0);
    }
    ini.WriteString("VelkTest", "Key", "value");
    const std::string after = Bytes();
    ASSERT_GT(after.size(), noise.size());
    EXPECT_EQ(after.substr(0, noise.size()), noise);
    EXPECT_EQ(ini.ReadString("VelkTest", "Key", ""), "value");
}

// Two processes each commit 200 keys in batches of 10 into one section.
// Without the lock around read-change-write, commits that overlap would
// lose each other's keys.
TEST_F(IniCommit, TwoProcessesNeverLoseEachOthersKeys)
{
    const auto key = [](int Id, int N) { return "P" + std::to_string(Id) + "_" + std::to_string(N); };
    EXPECT_EXIT(
        {
            const pid_t second = fork();
            const int id = second == 0 ? 1 : 0;
            TIniFile ini(Name_);
            for (int batch = 0; batch < 20; ++batch) {
                ini.BeginUpdate();
                for (int n = batch * 10; n < batch * 10 + 10; ++n)
                    ini.WriteInteger("Keys", key(id, n), n);
                ini.EndUpdate();
            }
            int status = 0;
            _exit(second == 0
                          || (waitpid(second, &status, 0) == second && WIFEXITED(status) && WEXITSTATUS(status) == 0)
                      ? 0
                      : 1);
        },
        testing::ExitedWithCode(0), "");
    TIniFile ini(Name_);
    for (int id = 0; id < 2; ++id)
        for (int n = 0; n < 200; ++n)
            EXPECT_EQ(ini.ReadInteger("Keys", key(id, n), -1), n);
    // Parseable: one header, then one key line per key, nothing else.
    TStringList lines;
    lines.SetText(Bytes());
    EXPECT_EQ(lines.Count(), 401);
    EXPECT_EQ(lines.Strings(0), "[Keys]");
}

} // namespace

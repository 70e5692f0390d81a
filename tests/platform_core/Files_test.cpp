// Whole-file reading and atomic writing, and file names in Shift-JIS.
#include "ChildProcess.h"
#include "Files.h"
#include "SjisLiteral.h"
#include "SysErrorText.h"
#include "SysUtils.h"
#include "TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using ::testing::ThrowsMessage;

namespace {

mode_t ModeOf(const std::string& Path)
{
    struct stat st;
    return stat(Path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(Files, AtomicWriteKeepsPermissionsAndNamesTheFileOnFailure)
{
    TempDir dir;
    const std::string name = dir.File("doc.vk2");
    WriteFileAtomic(name, "first");
    chmod(name.c_str(), 0640);
    WriteFileAtomic(name, "second");
    EXPECT_EQ(ModeOf(name), 0640u);
    // A failure names the file and the system's reason (the old file stays
    // whole whichever step fails: the document file test fails each one).
    EXPECT_THAT([&] { WriteFileAtomic(dir.File("missing/doc.vk2"), "x"); },
                ThrowsMessage<EFCreateError>("ファイル \"" + dir.File("missing/doc.vk2") + "\" を作成できません。"
                                             + SysErrorMessage(ENOENT)));
}

TEST(Files, AtomicWriteThroughASymlinkReplacesItsTarget)
{
    TempDir dir;
    fs::create_directory(dir.File("real"));
    WriteRaw(dir.File("real/settings.ini"), "old");
    fs::create_symlink("real/settings.ini", dir.File("link.ini"));
    WriteFileAtomic(dir.File("link.ini"), "new");
    EXPECT_TRUE(fs::is_symlink(dir.File("link.ini")));
    EXPECT_EQ(ReadRaw(dir.File("real/settings.ini")), "new");
}

// A rename over a FIFO or a device puts a plain file where the system had
// something else: the write refuses, through a link too, and says why.
TEST(Files, AtomicWriteReplacesNothingButARegularFile)
{
    TempDir dir;
    ASSERT_EQ(mkfifo(dir.File("fifo").c_str(), 0644), 0);
    fs::create_symlink("fifo", dir.File("mark.dat"));
    fs::create_directory(dir.File("folder"));
    const struct {
        std::string Name, Target, Reason;
    } cases[] = {
        {dir.File("fifo"), dir.File("fifo"), "通常のファイルではないので、置き換えません。"},
        {dir.File("mark.dat"), dir.File("fifo"), "通常のファイルではないので、置き換えません。"},
        {dir.File("folder"), dir.File("folder"), SysErrorMessage(EISDIR)},
    };
    for (const auto& c : cases) {
        EXPECT_THAT([&] { WriteFileAtomic(c.Name, "x"); },
                    ThrowsMessage<EFCreateError>("ファイル \"" + c.Target + "\" を作成できません。" + c.Reason));
        const TFileWrite writes[] = {{dir.File("other"), "x"}, {c.Name, "x"}};
        EXPECT_THROW(WriteFilesAtomic(writes), EFCreateError);
        EXPECT_FALSE(fs::exists(dir.File("other"))) << "nothing of the set is written";
    }
    EXPECT_EQ(fs::symlink_status(dir.File("fifo")).type(), fs::file_type::fifo);
    EXPECT_TRUE(fs::is_symlink(dir.File("mark.dat")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 3) << "no temporary file";
}

// A link whose target is gone (a synced folder's file deleted) is written
// through: the write makes its target, and the link stays. Where the target
// cannot be made, or the links loop, the write fails and the link stays.
TEST(Files, AtomicWriteThroughALinkWhoseTargetIsGoneMakesTheTarget)
{
    TempDir dir;
    fs::create_directory(dir.File("synced"));
    fs::create_symlink("synced/velk2000.ini", dir.File("second"));
    fs::create_symlink(dir.File("second"), dir.File("first"));
    WriteFileAtomic(dir.File("first"), "made");
    EXPECT_EQ(ReadRaw(dir.File("synced/velk2000.ini")), "made");
    EXPECT_TRUE(fs::is_symlink(dir.File("first")) && fs::is_symlink(dir.File("second")));

    fs::create_symlink("unmounted/velk2000.ini", dir.File("gone"));
    fs::create_symlink("loop", dir.File("loop"));
    EXPECT_THAT([&] { WriteFileAtomic(dir.File("gone"), "x"); },
                ThrowsMessage<EFCreateError>("ファイル \"" + dir.File("unmounted/velk2000.ini")
                                             + "\" を作成できません。" + SysErrorMessage(ENOENT)));
    EXPECT_THAT([&] { WriteFileAtomic(dir.File("loop"), "x"); },
                ThrowsMessage<EFCreateError>("ファイル \"" + dir.File("loop") + "\" を作成できません。"
                                             + SysErrorMessage(ELOOP)));
    EXPECT_TRUE(fs::is_symlink(dir.File("gone")) && fs::is_symlink(dir.File("loop")));
    EXPECT_FALSE(fs::exists(dir.File("unmounted")));
}

// A writer that hid the whole copy of a file it rewrote in place, and was
// killed, left the file cut short: the next write gives that copy a name
// the user sees instead of removing it, and removes other leftovers.
TEST(Files, AHiddenWholeCopyOfAFileCutShortIsKeptUnderAVisibleName)
{
    TempDir dir;
    const pid_t dead = EndedProcessId();
    const std::string hidden = ".doc.vk2.~" + std::to_string(dead) + "~";
    WriteRaw(dir.File("doc.vk2"), "whole doc");
    WriteRaw(dir.File(hidden + "a1B2c3"), "whole document");
    WriteRaw(dir.File(hidden + "d4E5f6"), "another version");
    WriteFileAtomic(dir.File("doc.vk2"), "next");
    EXPECT_EQ(ReadRaw(dir.File("doc.save-copy-1.vk2")), "whole document");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);
}

TEST(Files, ReadingRefusesWhatIsNotAWholeRegularFile)
{
    TempDir dir;
    const std::string name = dir.File("data");
    WriteRaw(name, std::string(100, 'd'));
    EXPECT_EQ(ReadFileBytes(name), std::string(100, 'd'));
    EXPECT_EQ(ReadFileBytes(name, 100), std::string(100, 'd'));
    EXPECT_THROW(ReadFileBytes(name, 99), EFOpenError);
    EXPECT_THAT(
        [&] { ReadFileBytes(dir.File("absent")); },
        ThrowsMessage<EFOpenError>("ファイル \"" + dir.File("absent") + "\" を開けません。" + SysErrorMessage(ENOENT)));
    EXPECT_THROW(ReadFileBytes(dir.Path()), EFOpenError);
    ASSERT_EQ(mkfifo(dir.File("fifo").c_str(), 0644), 0);
    EXPECT_THROW(ReadFileBytes(dir.File("fifo")), EFOpenError); // and does not wait for a writer
}

TEST(Files, ShiftJisNamesReachTheSystemAsUtf8)
{
    TempDir dir;
    const std::string name = FromOsPath(dir.Path()) + Sjis("日本語ソ表.txt");
    EXPECT_EQ(OsPath(name), dir.Path() + "日本語ソ表.txt");
    WriteFileAtomic(name, "x");
    EXPECT_TRUE(fs::exists(dir.Path() + "日本語ソ表.txt"));
    const std::string folder = FromOsPath(dir.Path());
    EXPECT_EQ((std::vector{FileExists(name), DirectoryExists(name), DirectoryExists(folder), FileExists(folder)}),
              (std::vector{true, false, true, false}));
    EXPECT_EQ(OsPath(FromOsPath("/tmp/jürgen")), "/tmp/jürgen");
}

} // namespace

// Whole-file reading and atomic writing, and file names in Shift-JIS.
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
    bool lossless = true;
    FromOsPath("/tmp/jürgen", &lossless);
    EXPECT_FALSE(lossless);
}

} // namespace

// Telling whether another program changed a file since this one read or
// wrote it: never fooled by a write in the same clock tick, nor by a file
// merely touched or copied back.
#include "FileVersion.h"

#include "Files.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/stat.h>

namespace {

timespec At(time_t Seconds, long Nanoseconds = 0) { return {Seconds, Nanoseconds}; }

TFileStamp StampAt(timespec Modified, timespec Changed)
{
    return {.Device = 1, .Inode = 2, .Size = 3, .Modified = Modified, .Changed = Changed};
}

TEST(FileVersion, AStampIsSettledOnlyOnceBothTimesAreATickOld)
{
    const timespec taken = At(1000, 500);
    struct TCase {
        timespec Modified;
        timespec Changed;
        bool Settled;
    };
    const TCase cases[] = {
        {At(990), At(990), true},
        {At(998, 500), At(998, 500), true}, // exactly two seconds
        {At(998, 501), At(998, 501), false},
        {At(990), At(1000, 400), false}, // touched into the past: the change is new
        {At(1000, 500), At(990), false},
        {At(2000), At(2000), false}, // a clock ahead of this one
    };
    for (const TCase& test : cases)
        EXPECT_EQ(StampIsSettled(StampAt(test.Modified, test.Changed), taken), test.Settled)
            << test.Modified.tv_sec << "." << test.Modified.tv_nsec;
}

TEST(FileVersion, OnlyTheSameSettledStampVouchesForTheBytes)
{
    const TFileStamp stamp = StampAt(At(990, 7), At(990, 8));
    const TFileVersion settled({stamp, At(1000)}, "abc");
    const TFileVersion unsettled({stamp, At(991)}, "abc");
    EXPECT_TRUE(settled.StampVouches(stamp));
    EXPECT_FALSE(unsettled.StampVouches(stamp)) << "a write in the same tick leaves this stamp";
    EXPECT_FALSE(TFileVersion({std::nullopt, At(1000)}, "abc").StampVouches(stamp));
    const std::function<void(TFileStamp&)> changes[] = {
        [](TFileStamp& S) { ++S.Device; },
        [](TFileStamp& S) { ++S.Inode; },
        [](TFileStamp& S) { ++S.Size; },
        [](TFileStamp& S) { ++S.Modified.tv_nsec; },
        [](TFileStamp& S) { ++S.Changed.tv_nsec; },
        [](TFileStamp& S) { ++S.Modified.tv_sec; },
    };
    for (const auto& change : changes) {
        TFileStamp other = stamp;
        change(other);
        EXPECT_FALSE(settled.StampVouches(other));
    }
}

class ChangedOnDiskTest : public testing::Test {
protected:
    // This program writes the file and knows what it holds.
    ChangedOnDiskTest()
    {
        WriteFileAtomic(file, "the document");
        known.emplace(LookAt(file), "the document");
    }
    void Replace(const std::string& Bytes)
    {
        WriteRaw(dir.File("other.tmp"), Bytes);
        std::filesystem::rename(dir.File("other.tmp"), file);
    }

    TempDir dir;
    const std::string file = dir.File("doc.vk2");
    std::optional<TFileVersion> known;
};

TEST_F(ChangedOnDiskTest, TellsWritesByOthersFromTouchesAndCopiesOfTheSameBytes)
{
    struct TCase {
        const char* Name;
        std::function<void()> Change;
        bool Changed;
    };
    const TCase cases[] = {
        {"nothing", [] {}, false},
        {"rewritten in place, same size, same tick", [&] { WriteRaw(file, "the Document"); }, true},
        {"rewritten in place, other size", [&] { WriteRaw(file, "the document!"); }, true},
        {"touched", [&] { ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), nullptr, 0), 0); }, false},
        {"renamed over, same bytes", [&] { Replace("the document"); }, false},
        {"renamed over, other bytes of the same size", [&] { Replace("the Document"); }, true},
        {"removed: nothing to lose", [&] { std::filesystem::remove(file); }, false},
        {"a folder in its place",
         [&] {
             std::filesystem::remove(file);
             std::filesystem::create_directory(file);
         },
         true},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        std::filesystem::remove_all(file);
        WriteFileAtomic(file, "the document");
        known.emplace(LookAt(file), "the document");
        test.Change();
        EXPECT_EQ(ChangedOnDisk(*known, file), test.Changed);
        EXPECT_EQ(ChangedOnDisk(*known, file), test.Changed) << "asked again";
    }
}

// A check that found the same bytes under a new stamp goes by that stamp
// from then on, and still sees the next write.
TEST_F(ChangedOnDiskTest, SameBytesUnderANewStampAreRecordedAndALaterWriteIsStillSeen)
{
    Replace("the document");
    EXPECT_FALSE(ChangedOnDisk(*known, file));
    WriteRaw(file, "the Document");
    EXPECT_TRUE(ChangedOnDisk(*known, file));
}

} // namespace

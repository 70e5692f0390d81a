// Telling whether another program changed a file since this one read or
// wrote it: never fooled by a write in the same clock tick, nor by a file
// merely touched or copied back.
#include "FileVersion.h"

#include "Files.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>

namespace {

// A network file system may answer stat() of a name from a cache that has
// not heard of another machine's write yet, for up to a minute. The tests
// play that cache: while it is filled, the name answers what it was filled
// with.
struct TStaleNameCache {
    std::string Path;
    struct stat Filled;
};
std::optional<TStaleNameCache> StaleNameCache;

// Fills the cache with FileName's stamp of now for as long as it lives.
class TStaleNameScope {
public:
    explicit TStaleNameScope(const std::string& FileName)
    {
        struct stat filled;
        if (fstatat(AT_FDCWD, FileName.c_str(), &filled, 0) == 0)
            StaleNameCache = TStaleNameCache{FileName, filled};
    }
    ~TStaleNameScope() { StaleNameCache.reset(); }
    TStaleNameScope(const TStaleNameScope&) = delete;
    TStaleNameScope& operator=(const TStaleNameScope&) = delete;
};

} // namespace

// Every stat() of this test program passes here.
extern "C" int stat(const char* Path, struct stat* Buffer) noexcept
{
    if (StaleNameCache && StaleNameCache->Path == Path) {
        *Buffer = StaleNameCache->Filled;
        return 0;
    }
    return fstatat(AT_FDCWD, Path, Buffer, 0);
}

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

// The check opens the file and takes its stamp there: a name answering
// from a stale cache would vouch for the bytes this program wrote.
TEST_F(ChangedOnDiskTest, AWriteIsSeenThoughTheNameAnswersFromAStaleCache)
{
    TFileLook look = LookAt(file);
    look.Taken.tv_sec += 60; // checked long after: the stamp is settled
    known.emplace(look, "the document");
    const TStaleNameScope cache(file);
    WriteRaw(file, "another machine's document");
    EXPECT_TRUE(ChangedOnDisk(*known, file));
}

// The peak of this process's resident memory since the last reset, in
// bytes; the first call resets it. Nothing where the system cannot.
std::optional<long> ResidentPeakSinceReset()
{
    std::ifstream status("/proc/self/status");
    long kilobytes = -1;
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmHWM:"))
            kilobytes = std::stol(line.substr(6));
    std::ofstream reset("/proc/self/clear_refs");
    reset << "5";
    reset.flush();
    if (kilobytes < 0 || !reset)
        return std::nullopt;
    return kilobytes * 1024;
}

// A save after a save reads the file back, its stamp being too new to
// vouch for it: a document of tens of megabytes is read in pieces, never
// held whole beside the document already in memory.
TEST_F(ChangedOnDiskTest, ReadingTheFileBackHoldsNoCopyOfIt)
{
    constexpr size_t size = 64 << 20;
    const std::string bytes(size, 'v');
    WriteFileAtomic(file, bytes);
    known.emplace(LookAt(file), bytes);
    if (!ResidentPeakSinceReset())
        GTEST_SKIP() << "the system keeps no resettable peak of resident memory";
    const std::optional<long> before = ResidentPeakSinceReset();
    EXPECT_FALSE(ChangedOnDisk(*known, file));
    const std::optional<long> peak = ResidentPeakSinceReset();
    ASSERT_TRUE(before && peak);
    EXPECT_LT(*peak - *before, static_cast<long>(size / 4));
}

} // namespace

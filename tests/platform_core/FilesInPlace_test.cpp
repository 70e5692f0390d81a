// A save that must rewrite the file in place (the saver may keep neither
// its owner nor its group) and fails at any step: a whole document, old or
// new, stays on disk under a name the user sees, the file keeps its owner,
// and the message says what is on disk.
#include "FileAccess.h"
#include "Files.h"
#include "InPlaceFileSystem.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Entries(const TempDir& Dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Dir.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class FilesInPlace : public testing::Test {
protected:
    void SetUp() override
    {
        if (geteuid() != 0)
            GTEST_SKIP() << "only root can give a file to another user";
    }
    // Another user's world-writable document.
    void MakeTheirs(const std::string& Bytes) const
    {
        WriteRaw(Name_, Bytes);
        ASSERT_EQ(chown(Name_.c_str(), kAnotherUser, kAnotherGroup), 0);
        ASSERT_EQ(chmod(Name_.c_str(), 0666), 0);
    }
    bool StillTheirs() const
    {
        struct stat st {};
        return stat(Name_.c_str(), &st) == 0 && st.st_uid == kAnotherUser && st.st_gid == kAnotherGroup
               && (st.st_mode & 07777) == 0666;
    }

    TempDir Dir_;
    std::string Name_ = Dir_.File("doc.vk2");
    const std::string Old_ = std::string(3000, 'o');
    const std::string New_ = std::string(5000, 'n');
};

// Each step fails once, or fails with every step after it (a disk that
// dies): the restore of the old bytes fails too then.
TEST_F(FilesInPlace, AFaultAtAnyStepLeavesAWholeDocumentUnderAVisibleNameAndSaysWhatIsOnDisk)
{
    MakeTheirs(Old_);
    TInPlaceFileSystem clean;
    WriteFileAtomic(Name_, New_, clean);
    ASSERT_EQ(ReadRaw(Name_), New_);
    ASSERT_TRUE(StillTheirs());
    ASSERT_EQ(Entries(Dir_), std::vector<std::string>{"doc.vk2"}) << "the copy goes after a save";
    const int steps = clean.Steps();
    ASSERT_GE(steps, 10);

    for (const bool diskDies : {false, true}) {
        for (int failing = 1; failing <= steps; ++failing) {
            SCOPED_TRACE(testing::Message() << "step " << failing << (diskDies ? " and after" : ""));
            MakeTheirs(Old_);
            TInPlaceFileSystem user(
                [&](std::string_view, int Step) { return Step == failing || (diskDies && Step > failing) ? EIO : 0; });
            std::string told;
            try {
                WriteFileAtomic(Name_, New_, user);
            } catch (const EFWriteError& error) {
                told = error.Message();
            }
            EXPECT_TRUE(StillTheirs());
            const std::string after = ReadRaw(Name_);
            if (told.empty()) {
                EXPECT_EQ(after, New_) << "told as saved";
                EXPECT_EQ(Entries(Dir_), std::vector<std::string>{"doc.vk2"});
            } else if (after == Old_) {
                EXPECT_EQ(Entries(Dir_), std::vector<std::string>{"doc.vk2"}) << "an untouched file, nothing beside";
            } else {
                // Cut short and not restored: the whole new document is in
                // a copy the open dialog lists, and the message names it.
                EXPECT_EQ(Entries(Dir_), (std::vector<std::string>{"doc.save-copy-1.vk2", "doc.vk2"}));
                EXPECT_EQ(ReadRaw(Dir_.File("doc.save-copy-1.vk2")), New_);
                EXPECT_NE(told.find("\"" + Dir_.File("doc.save-copy-1.vk2") + "\""), std::string::npos) << told;
            }
            for (const std::string& name : Entries(Dir_))
                fs::remove(Dir_.File(name));
        }
    }
}

// A copy already there, left by an earlier save or the user's own file of
// that name, is never replaced or removed: the next free name is taken. A
// file without an extension gets a copy without one.
TEST_F(FilesInPlace, ACopyAlreadyThereIsNeverReplacedNorRemoved)
{
    const struct {
        std::string Name, Taken, Made;
    } cases[] = {
        {"doc.vk2", "doc.save-copy-1.vk2", "doc.save-copy-2.vk2"},
        {"notes", "notes.save-copy-1", "notes.save-copy-2"},
    };
    for (const auto& c : cases) {
        Name_ = Dir_.File(c.Name);
        MakeTheirs(Old_);
        WriteRaw(Dir_.File(c.Taken), "kept");
        // Cut short for good: the rewrite and everything after it fail.
        bool rewriting = false;
        TInPlaceFileSystem dying([&](std::string_view Call, int) {
            rewriting = rewriting || Call == "Truncate";
            return rewriting && Call != "Truncate" ? ENOSPC : 0;
        });
        EXPECT_THROW(WriteFileAtomic(Name_, New_, dying), EFWriteError);
        EXPECT_EQ(ReadRaw(Dir_.File(c.Made)), New_);
        TInPlaceFileSystem user;
        WriteFileAtomic(Name_, "later", user);
        EXPECT_EQ(ReadRaw(Name_), "later");
        EXPECT_EQ(ReadRaw(Dir_.File(c.Taken)), "kept");
        EXPECT_EQ(ReadRaw(Dir_.File(c.Made)), New_) << "a later save keeps a copy that differs from the file";
        EXPECT_EQ(SaveCopyBeside(Name_), "") << "the file is whole again: the start of no copy";
    }
}

} // namespace

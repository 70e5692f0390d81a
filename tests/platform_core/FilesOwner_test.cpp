// Who owns a file after a save replaces it: root saving another user's
// file, a member of a shared group saving another member's, and a user the
// system lets keep neither owner nor group, for whom the file is rewritten
// in place. Only root can give a file to another user to begin with; the
// system's refusals of an ordinary user are played by the file system seam.
#include "FileAccess.h"
#include "Files.h"
#include "SysErrorText.h"
#include "TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using ::testing::ThrowsMessage;

namespace {

// The system as an ordinary user meets it: another owner is refused, and
// with RefuseGroup a group the user is no member of too. The writes counted
// in FailingWrites (1 the temporary file, 2 the rewrite in place, 3 putting
// the old bytes back) fail as on a full disk.
class TUserFileSystem : public TFileSystem {
public:
    TUserFileSystem(bool RefuseGroup, std::set<int> FailingWrites = {})
        : RefuseGroup_(RefuseGroup), FailingWrites_(std::move(FailingWrites))
    {}
    int SetOwner(int Fd, uid_t Owner, gid_t Group) override
    {
        if (Owner != static_cast<uid_t>(-1) || RefuseGroup_)
            return EPERM;
        return TFileSystem::SetOwner(Fd, Owner, Group);
    }
    int Write(int Fd, std::span<const std::string_view> Pieces) override
    {
        if (FailingWrites_.contains(++Writes_)) {
            TFileSystem::Write(Fd, Pieces.first(Pieces.size() / 2)); // part reaches the disk first
            return ENOSPC;
        }
        return TFileSystem::Write(Fd, Pieces);
    }

private:
    bool RefuseGroup_;
    std::set<int> FailingWrites_;
    int Writes_ = 0;
};

class FilesOwner : public testing::Test {
protected:
    void SetUp() override
    {
        if (geteuid() != 0)
            GTEST_SKIP() << "only root can give a file to another user";
        WriteRaw(Name_, "old");
        ASSERT_EQ(chown(Name_.c_str(), kAnotherUser, kAnotherGroup), 0);
        ASSERT_EQ(chmod(Name_.c_str(), 02660), 0);
    }
    size_t FileCount() const
    {
        return static_cast<size_t>(std::distance(fs::directory_iterator(Dir_.Path()), fs::directory_iterator()));
    }

    TempDir Dir_;
    std::string Name_ = Dir_.File("doc.vk2");
    const TFileAccess Theirs_{kAnotherUser, kAnotherGroup, 02660};
};

// The set-group bit too, which a change of owner clears on the way.
TEST_F(FilesOwner, ASaveKeepsTheOwnerGroupAndModeOfTheFileItReplaces)
{
    WriteFileAtomic(Name_, "new");
    EXPECT_EQ(AccessOf(Name_), Theirs_);
    const TFileWrite set[] = {{Name_, "newer"}};
    WriteFilesAtomic(set);
    EXPECT_EQ(AccessOf(Name_), Theirs_);
    EXPECT_EQ(ReadRaw(Name_), "newer");
}

// Refused the owner, the file keeps its group, so the group keeps its
// access. Refused the group as well, the file is rewritten in place and
// keeps all it had; the copy written first is gone afterwards.
TEST_F(FilesOwner, WhereTheSystemRefusesTheOwnerTheGroupStaysOrTheFileIsRewrittenInPlace)
{
    const struct {
        bool RefuseGroup;
        TFileAccess After;
        bool SameFile;
    } cases[] = {
        {false, {geteuid(), kAnotherGroup, 02660}, false},
        {true, Theirs_, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.RefuseGroup);
        for (const bool asSet : {false, true}) {
            ino_t before = 0, after = 0;
            WriteRaw(Name_, "old");
            ASSERT_EQ(chown(Name_.c_str(), kAnotherUser, kAnotherGroup), 0);
            ASSERT_EQ(chmod(Name_.c_str(), 02660), 0);
            AccessOf(Name_, &before);
            TUserFileSystem user(c.RefuseGroup);
            const TFileWrite set[] = {{Name_, "new, longer than the old"}};
            if (asSet)
                WriteFilesAtomic(set, user);
            else
                WriteFileAtomic(Name_, set[0].Data, user);
            EXPECT_EQ(AccessOf(Name_, &after), c.After);
            EXPECT_EQ(after == before, c.SameFile);
            EXPECT_EQ(ReadRaw(Name_), "new, longer than the old");
            EXPECT_EQ(FileCount(), 1u);
        }
    }
}

// A rewrite in place that fails part-way puts the old bytes back; should
// that fail too, the file stays cut short and the complete copy beside it,
// which the message names. Either way the failure is told with its reason.
TEST_F(FilesOwner, ARewriteInPlaceThatFailsNeverLeavesTheFileTorn)
{
    const std::string failed = "ファイル \"" + Name_ + "\" を作成できません。" + SysErrorMessage(ENOSPC);
    const std::string copy = Dir_.File("doc.save-copy-1.vk2");
    const struct {
        std::set<int> FailingWrites;
        std::string After;
        std::string Told;
        size_t Files;
    } cases[] = {
        {{2}, "old", failed, 1},
        {{2, 3},
         "",
         failed + "\n書き換えの途中で失敗し、元にも戻せませんでした。保存する内容はすべて \"" + copy
             + "\" にあります。",
         2},
    };
    for (const auto& c : cases) {
        WriteRaw(Name_, "old");
        TUserFileSystem user(true, c.FailingWrites);
        EXPECT_THAT([&] { WriteFileAtomic(Name_, "new, longer than the old", user); },
                    ThrowsMessage<EFWriteError>(c.Told));
        EXPECT_EQ(ReadRaw(Name_), c.After);
        EXPECT_EQ(FileCount(), c.Files);
    }
    EXPECT_EQ(ReadRaw(copy), "new, longer than the old");
}

} // namespace

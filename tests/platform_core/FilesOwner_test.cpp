// Who owns a file after a save replaces it: root saving another user's
// file, a member of a shared group saving another member's, and a user the
// system lets keep neither owner nor group, for whom the file is rewritten
// in place. Only root can give a file to another user to begin with; the
// system's refusals of an ordinary user are played by the file system seam.
#include "ChildProcess.h"
#include "FileAccess.h"
#include "Files.h"
#include "SysErrorText.h"
#include "TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <endian.h>
#include <filesystem>
#include <grp.h>
#include <linux/posix_acl.h>
#include <linux/posix_acl_xattr.h>
#include <set>
#include <sys/stat.h>
#include <sys/xattr.h>
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

// Refused the document's group, a backup or a save copy stays in the
// saver's group, whose members may be refused the document: the copy gives
// that group nothing.
TEST_F(FilesOwner, WhereTheDocumentsGroupCannotBeGivenItsCopiesGiveTheirGroupNothing)
{
    ASSERT_EQ(chmod(Name_.c_str(), 0660), 0);
    TUserFileSystem user(true);
    const std::string backup = Dir_.File("doc.vk~");
    WriteFileAtomic(backup, "old", user, {Name_, TMadeFrom::Copy});
    EXPECT_EQ(AccessOf(backup).Mode, 0600u);
    EXPECT_NE(AccessOf(backup).Group, kAnotherGroup);
    // A rewrite in place that could not be undone leaves its copy.
    TUserFileSystem failing(true, {2, 3});
    EXPECT_THROW(WriteFileAtomic(Name_, "new, longer than the old", failing), EFWriteError);
    EXPECT_EQ(AccessOf(Dir_.File("doc.save-copy-1.vk2")).Mode, 0600u);
}

// An access list of the permissions of the file's own group (Group), one
// named user's (rw-) and a mask, in the system's stored form.
std::string AccessList(unsigned Group)
{
    const std::pair<unsigned, unsigned> entries[] = {
        {ACL_USER_OBJ, 06}, {ACL_USER, 06}, {ACL_GROUP_OBJ, Group}, {ACL_MASK, 06}, {ACL_OTHER, 0},
    };
    std::string list(sizeof(posix_acl_xattr_header), '\0');
    const posix_acl_xattr_header header{htole32(POSIX_ACL_XATTR_VERSION)};
    std::memcpy(list.data(), &header, sizeof header);
    for (const auto& [tag, perm] : entries) {
        const posix_acl_xattr_entry entry{htole16(static_cast<uint16_t>(tag)), htole16(static_cast<uint16_t>(perm)),
                                          htole32(tag == ACL_USER ? 65533u : ACL_UNDEFINED_ID)};
        list.append(reinterpret_cast<const char*>(&entry), sizeof entry);
    }
    return list;
}

std::string AccessListOfFile(const std::string& Path)
{
    std::string list(1024, '\0');
    const ssize_t size = getxattr(Path.c_str(), "system.posix_acl_access", list.data(), list.size());
    list.resize(size > 0 ? static_cast<size_t>(size) : 0);
    return list;
}

// A private document shared with one user through an access list: stat
// gives its mask (rw) where the group's permissions (none) stand. Its
// backup gives the group no more than the document does, and a save of the
// document keeps the list, so the user it names keeps access; a saver
// refused the owner rewrites it in place, so that the list stays about
// the owner, not the saver.
TEST_F(FilesOwner, ADocumentSharedThroughAnAccessListKeepsItAndItsBackupOpensNoMoreToTheGroup)
{
    ASSERT_EQ(chmod(Name_.c_str(), 0600), 0);
    const std::string list = AccessList(0);
    if (setxattr(Name_.c_str(), "system.posix_acl_access", list.data(), list.size(), 0) != 0)
        GTEST_SKIP() << "no access lists here: " << std::strerror(errno);
    ASSERT_EQ(AccessOf(Name_).Mode, 0660u);
    const std::string backup = Dir_.File("doc.vk~");
    WriteFileAtomic(backup, "old", SystemFileSystem(), {Name_, TMadeFrom::Copy});
    EXPECT_EQ(AccessOf(backup), (TFileAccess{kAnotherUser, kAnotherGroup, 0600}));
    WriteFileAtomic(Name_, "new");
    EXPECT_EQ(AccessListOfFile(Name_), list);
    EXPECT_EQ(AccessOf(Name_), (TFileAccess{kAnotherUser, kAnotherGroup, 0660}));
    ino_t before = 0, after = 0;
    AccessOf(Name_, &before);
    TUserFileSystem member(false);
    WriteFileAtomic(Name_, "a member's", member);
    EXPECT_EQ(AccessOf(Name_, &after), (TFileAccess{kAnotherUser, kAnotherGroup, 0660}));
    EXPECT_EQ(after, before);
    EXPECT_EQ(AccessListOfFile(Name_), list);
    EXPECT_EQ(ReadRaw(Name_), "a member's");
}

// In a folder with the sticky bit only a file's owner may replace it: a
// member of its group who may write it rewrites it in place instead, and
// it stays its owner's. The member runs in a child process.
TEST_F(FilesOwner, AGroupMemberSavesAnotherMembersFileInAStickyFolder)
{
    constexpr uid_t member = 65533;
    for (const mode_t folderMode : {01777, 03770}) {
        SCOPED_TRACE(folderMode);
        ASSERT_EQ(chown(Dir_.Path().c_str(), 0, kAnotherGroup), 0);
        ASSERT_EQ(chmod(Dir_.Path().c_str(), folderMode), 0);
        WriteRaw(Name_, "old");
        ASSERT_EQ(chown(Name_.c_str(), kAnotherUser, kAnotherGroup), 0);
        ASSERT_EQ(chmod(Name_.c_str(), 0660), 0);
        const std::string told = OutputOfChild([&](int Fd) {
            const gid_t groups[] = {kAnotherGroup};
            if (setgroups(1, groups) != 0 || setresgid(member, member, member) != 0
                || setresuid(member, member, member) != 0)
                return;
            try {
                WriteFileAtomic(Name_, "new from a member");
                SendFromChild(Fd, "saved");
            } catch (const EFWriteError& error) {
                SendFromChild(Fd, error.Message());
            }
        });
        EXPECT_EQ(told, "saved");
        EXPECT_EQ(ReadRaw(Name_), "new from a member");
        EXPECT_EQ(AccessOf(Name_), (TFileAccess{kAnotherUser, kAnotherGroup, 0660}));
        EXPECT_EQ(FileCount(), 1u);
    }
}

} // namespace

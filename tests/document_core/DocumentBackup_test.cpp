// Who may read a document's backup and the files output from it, and what
// a save is told about a backup it cannot replace.
#include "ChildProcess.h"
#include "DocumentFile.h"
#include "FileAccess.h"

#include "../common/TempDir.h"
#include "Files.h"
#include "OutputFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

TFlatPages OnePage(const std::string& Text) { return {{0, "page", "page\r\n" + Text, 1, -1}}; }

// Whatever the umask and whatever an older backup allowed, the backup of a
// document is no more open to others than the document, in its folder or
// in the backup folder; so are the files output from it.
TEST(DocumentBackup, ABackupOrAnOutputIsNoMoreOpenThanTheDocument)
{
    TempDir dir;
    fs::create_directory(dir.File("backup"));
    const mode_t oldMask = umask(022);
    for (const mode_t mode : {0600, 0640, 0660}) {
        SCOPED_TRACE(mode);
        const std::string doc = dir.File("doc.vk2");
        WriteDocumentFile(doc, OnePage("x"), 0, 0);
        ASSERT_EQ(chmod(doc.c_str(), mode), 0);
        for (const std::string& folder : {dir.Path(), dir.File("backup")}) {
            fs::remove(folder + "/doc.vk~");
            ASSERT_EQ(BackupDocument(doc, folder).Failure, "");
            EXPECT_EQ(AccessOf(folder + "/doc.vk~").Mode, mode) << "a new backup";
            ASSERT_EQ(chmod((folder + "/doc.vk~").c_str(), 0666), 0);
            ASSERT_EQ(BackupDocument(doc, folder).Failure, "");
            EXPECT_EQ(AccessOf(folder + "/doc.vk~").Mode, mode) << "a backup replaced";
        }
        fs::remove(dir.File("page.txt"));
        WriteOutputFiles({{dir.File("page.txt"), "text"}}, doc);
        EXPECT_EQ(AccessOf(dir.File("page.txt")).Mode, mode) << "an output";
    }
    umask(oldMask);
}

// An output written over a file that exists (a page in a web folder the
// server reads) keeps that file's group and permissions, as the document
// does; a new output takes the document's, and a backup always does.
TEST(DocumentBackup, AnOutputOverAFileThatExistsKeepsItsOwnAccess)
{
    TempDir dir;
    const std::string doc = dir.File("doc.vk2");
    WriteDocumentFile(doc, OnePage("x"), 0, 0);
    ASSERT_EQ(chmod(doc.c_str(), 0600), 0);
    // Root gives the page a group of its own, as a web folder's has.
    const gid_t pageGroup = geteuid() == 0 ? kAnotherGroup : AccessOf(doc).Group;
    const auto existing = [&](const std::string& Name) {
        WriteRaw(dir.File(Name), "old");
        ASSERT_EQ(chown(dir.File(Name).c_str(), static_cast<uid_t>(-1), pageGroup), 0);
        ASSERT_EQ(chmod(dir.File(Name).c_str(), 0644), 0);
    };
    existing("main.html");
    existing("part001.html");
    WriteOutputFiles(
        {{dir.File("main.html"), "main"}, {dir.File("part001.html"), "one"}, {dir.File("part002.html"), "two"}}, doc);
    EXPECT_EQ(AccessOf(dir.File("main.html")), (TFileAccess{geteuid(), pageGroup, 0644}));
    EXPECT_EQ(AccessOf(dir.File("part001.html")), (TFileAccess{geteuid(), pageGroup, 0644}));
    EXPECT_EQ(AccessOf(dir.File("part002.html")).Mode, 0600u) << "a new page";
    existing("doc.vk~");
    ASSERT_EQ(BackupDocument(doc, dir.Path()).Failure, "");
    EXPECT_EQ(AccessOf(dir.File("doc.vk~")), AccessOf(doc)) << "a backup";
}

// Root saving another user's private document makes a backup that user
// owns, in that user's group, as private as the document.
TEST(DocumentBackup, RootBackingUpAnotherUsersDocumentLeavesTheBackupToThem)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    TempDir dir;
    const std::string doc = dir.File("doc.vk2");
    WriteDocumentFile(doc, OnePage("x"), 0, 0);
    ASSERT_EQ(chown(doc.c_str(), kAnotherUser, kAnotherGroup), 0);
    ASSERT_EQ(chmod(doc.c_str(), 0600), 0);
    ASSERT_EQ(BackupDocument(doc, dir.Path()).Failure, "");
    EXPECT_EQ(AccessOf(dir.File("doc.vk~")), (TFileAccess{kAnotherUser, kAnotherGroup, 0600}));
}

// What BackupDocument tells a user who is not the backup's owner; run as
// that user in a child process.
TBackupOutcome BackupAs(uid_t User, const std::string& Doc, const std::string& Folder)
{
    const std::string told = OutputOfChild([&](int Fd) {
        if (setresgid(kAnotherGroup, kAnotherGroup, kAnotherGroup) != 0 || setresuid(User, User, User) != 0)
            return;
        const TBackupOutcome outcome = BackupDocument(Doc, Folder);
        SendFromChild(Fd, (outcome.OtherUsersBackup ? "1" : "0") + outcome.Failure);
    });
    if (told.empty())
        return {"the child said nothing"};
    return {told.substr(1), told[0] == '1'};
}

// A backup another member made in a shared folder, which this user may not
// write, is told as that user's file, not as one kept read-only; a backup
// that truly is read-only keeps its reason. Either way it stays as it was.
TEST(DocumentBackup, ABackupAnotherUserOwnsIsToldAsTheirs)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can act as another user";
    TempDir dir;
    ASSERT_EQ(chmod(dir.Path().c_str(), 0777), 0);
    const std::string doc = dir.File("doc.vk2");
    WriteDocumentFile(doc, OnePage("x"), 0, 0);
    ASSERT_EQ(chmod(doc.c_str(), 0666), 0);
    const std::string backup = dir.File("doc.vk~");
    const std::string failed = "バックアップに失敗しました。\n" + backup + " に書き込めません\n";
    const struct {
        uid_t Owner;
        mode_t Mode;
        TBackupOutcome Told;
    } cases[] = {
        {0, 0644, {failed + "ほかのユーザー（root）のファイルなので、書き換えずにそのまま残しました。", true}},
        {kAnotherUser, 0444, {failed + "読み出し専用のファイルなので、書き換えずにそのまま残しました。", false}},
    };
    for (const auto& c : cases) {
        WriteRaw(backup, "kept");
        ASSERT_EQ(chown(backup.c_str(), c.Owner, 0), 0);
        ASSERT_EQ(chmod(backup.c_str(), c.Mode), 0);
        const TBackupOutcome told = BackupAs(kAnotherUser, doc, dir.Path());
        EXPECT_EQ(told.Failure, c.Told.Failure);
        EXPECT_EQ(told.OtherUsersBackup, c.Told.OtherUsersBackup);
        EXPECT_EQ(ReadRaw(backup), "kept");
    }
}

} // namespace

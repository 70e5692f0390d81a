#include "ShellFileOps.h"

#include "DeleteFilesBelow.h"
#include "ScopedEnvironment.h"
#include "TempNamespace.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class FolderOps : public testing::Test {
protected:
    std::string Make(const std::string& Relative, const std::string& Bytes = "x")
    {
        fs::create_directories(fs::path(Dir.File(Relative)).parent_path());
        WriteRaw(Dir.File(Relative), Bytes);
        return Dir.File(Relative);
    }
    static bool Exists(const std::string& Path)
    {
        std::error_code error;
        return fs::symlink_status(Path, error).type() != fs::file_type::not_found;
    }
    TempDir Dir;
};

TEST_F(FolderOps, DeleteBelowLeavesFoldersReadOnlyFilesAndWhatLinksPointAt)
{
    Make("target/a.txt");
    Make("target/.h");
    Make("target/sub/b.txt");
    chmod(Make("target/sub/ro.txt").c_str(), 0444);
    const std::string keep = Make("outside/keep.txt");
    fs::create_directory_symlink(Dir.File("outside"), Dir.File("target/dirlink"));
    fs::create_symlink(keep, Dir.File("target/filelink"));

    EXPECT_EQ(DeleteFilesBelow(Dir.File("target")), 4); // a.txt, .h, b.txt and the file link
    for (const char* kept : {"target/sub/ro.txt", "target/sub", "target/dirlink", "outside/keep.txt"})
        EXPECT_TRUE(Exists(Dir.File(kept))) << kept;
    for (const char* gone : {"target/a.txt", "target/.h", "target/sub/b.txt", "target/filelink"})
        EXPECT_FALSE(Exists(Dir.File(gone))) << gone;
    EXPECT_EQ(DeleteFilesBelow(Dir.File("target")), 0);
    EXPECT_EQ(DeleteFilesBelow(""), 0);
}

TEST_F(FolderOps, RenameNeverReplacesAnEntry)
{
    fs::create_directories(Dir.File("a/inner"));
    fs::create_directories(Dir.File("b"));
    Make("file");
    std::string renamed;
    for (const std::string name : {"b", "file", "", ".", "..", "x/y"})
        EXPECT_FALSE(RenameNoReplace(Dir.File("a"), name, renamed)) << name;
    EXPECT_TRUE(Exists(Dir.File("a/inner")));
    EXPECT_TRUE(RenameNoReplace(Dir.File("a"), "c", renamed));
    EXPECT_EQ(renamed, Dir.File("c"));
    EXPECT_TRUE(Exists(Dir.File("c/inner")));
}

TEST_F(FolderOps, TrashLinkAndTransferKeepEveryExistingEntry)
{
    // The freedesktop trash of a home inside the test folder, made on first use.
    const std::string data = Dir.File("home/.local/share");
    const TScopedEnvironment dataHome("XDG_DATA_HOME", data);
    const std::string doomed = Make("home/doomed.txt");
    EXPECT_TRUE(MoveToTrash(doomed));
    EXPECT_EQ(std::pair(Exists(doomed), ReadRaw(data + "/Trash/files/doomed.txt")), std::pair(false, std::string("x")));

    const std::string source = Make("src/a.txt", "new");
    EXPECT_EQ(MakeLinkBeside(source), Dir.File("src/a.txt へのリンク"));
    EXPECT_EQ(MakeLinkBeside(source), Dir.File("src/a.txt へのリンク (2)"));

    Make("dest/a.txt", "old");
    const std::string other = Make("src/b.txt", "b");
    EXPECT_EQ(TransferInto(Dir.File("dest"), {source, other}, TTransfer::Move), 1);
    EXPECT_EQ(ReadRaw(Dir.File("dest/a.txt")) + ReadRaw(Dir.File("dest/b.txt")) + ReadRaw(source), "oldbnew");
    EXPECT_EQ(TransferInto(Dir.File("dest"), {Dir.File("src")}, TTransfer::Copy), 1);
    EXPECT_EQ(ReadRaw(Dir.File("dest/src/a.txt")), "new");
    EXPECT_EQ(TransferInto(Dir.File("dest/src"), {Dir.File("dest")}, TTransfer::Copy), 0);
}

} // namespace

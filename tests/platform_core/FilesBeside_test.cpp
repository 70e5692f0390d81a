// A document's edits written beside its file rather than over it: under the
// first name nothing has, never replacing a file, not even one made while
// the write runs; with the document's group and permissions; and which
// names lead to one file, and who besides the user may have written it.
#include "FileAccess.h"
#include "Files.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The names in Folder, sorted.
std::vector<std::string> NamesIn(const std::string& Folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The system, but each link of a finished file to its name first runs
// BeforeLink with that name, and fails with its errno when it is not 0.
class TLinkWatchingFileSystem : public TFileSystem {
public:
    explicit TLinkWatchingFileSystem(std::function<int(const std::string&)> BeforeLink)
        : BeforeLink_(std::move(BeforeLink))
    {}
    int LinkAs(int Fd, const std::string& Path) override
    {
        const int error = BeforeLink_(Path);
        return error ? error : TFileSystem::LinkAs(Fd, Path);
    }

private:
    std::function<int(const std::string&)> BeforeLink_;
};

class FilesBeside : public testing::Test {
protected:
    std::string Write(const std::string& FileName, TBesideName Kind, TFileSystem& System = SystemFileSystem())
    {
        const std::string_view pieces[] = {"mine ", "whole"};
        return WriteBeside(FileName, pieces, Kind, System);
    }

    TempDir dir;
    const std::string doc = dir.File("doc.vk2");
};

TEST_F(FilesBeside, TakesTheFirstNameOfItsKindThatNothingHasAndLeavesEveryOtherFile)
{
    struct TCase {
        const char* Name;
        std::string Document;
        TBesideName Kind;
        std::vector<std::string> Taken; // files already there
        std::string Written;
    };
    const TCase cases[] = {
        {"the next version", "doc.vk2", TBesideName::NextVersion, {}, "doc (2).vk2"},
        {"past taken names and a link to nowhere",
         "doc.vk2",
         TBesideName::NextVersion,
         {"doc (2).vk2", "doc (3).vk2 -> gone"},
         "doc (4).vk2"},
        {"a name without an extension", "notes", TBesideName::NextVersion, {}, "notes (2)"},
        {"a version goes on from its number", "doc (2).vk2", TBesideName::NextVersion, {"doc (3).vk2"}, "doc (4).vk2"},
        {"a number in brackets that is no version's", "doc (02).vk2", TBesideName::NextVersion, {}, "doc (02) (2).vk2"},
        {"a save copy", "doc.vk2", TBesideName::SaveCopy, {"doc.save-copy-1.vk2"}, "doc.save-copy-2.vk2"},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        TempDir folder;
        const std::string document = folder.File(test.Document);
        WriteRaw(document, "theirs");
        for (const std::string& taken : test.Taken) {
            const size_t arrow = taken.find(" -> ");
            if (arrow == std::string::npos)
                WriteRaw(folder.File(taken), "kept");
            else
                fs::create_symlink(folder.File(taken.substr(arrow + 4)), folder.File(taken.substr(0, arrow)));
        }
        const std::vector<std::string> before = NamesIn(folder.Path());

        const std::string_view pieces[] = {"mine ", "whole"};
        EXPECT_EQ(WriteBeside(document, pieces, test.Kind), folder.File(test.Written));
        EXPECT_EQ(ReadRaw(folder.File(test.Written)), "mine whole");
        EXPECT_EQ(ReadRaw(document), "theirs");
        for (const std::string& taken : test.Taken) {
            if (taken.find(" -> ") == std::string::npos) {
                EXPECT_EQ(ReadRaw(folder.File(taken)), "kept");
            }
        }
        std::vector<std::string> after = before;
        after.push_back(test.Written);
        std::sort(after.begin(), after.end());
        EXPECT_EQ(NamesIn(folder.Path()), after); // no temporary file left
    }
}

TEST_F(FilesBeside, ASaveCopyIsTheOneTheOpenOfTheDocumentTellsOf)
{
    WriteRaw(doc, "theirs");
    const std::string copy = Write(doc, TBesideName::SaveCopy);
    EXPECT_EQ(NewerSaveCopiesBeside(doc), std::vector<std::string>{copy});
}

// Another process takes the name between the look and the link: its file
// stays, and the write takes the next name.
TEST_F(FilesBeside, ANameTakenWhileTheFileIsWrittenIsPassedBy)
{
    WriteRaw(doc, "theirs");
    const std::string taken = dir.File("doc (2).vk2");
    TLinkWatchingFileSystem racing([&](const std::string& Path) {
        if (Path == taken && !fs::exists(taken))
            WriteRaw(taken, "another's");
        return 0;
    });
    EXPECT_EQ(Write(doc, TBesideName::NextVersion, racing), dir.File("doc (3).vk2"));
    EXPECT_EQ(ReadRaw(taken), "another's");
}

TEST_F(FilesBeside, AFailureLeavesNoFileAndNamesTheFileItMeantToMake)
{
    WriteRaw(doc, "theirs");
    TLinkWatchingFileSystem failing([](const std::string&) { return EIO; });
    try {
        Write(doc, TBesideName::NextVersion, failing);
        ADD_FAILURE() << "no error raised";
    } catch (const EFWriteError& error) {
        EXPECT_NE(std::string(error.what()).find(dir.File("doc (2).vk2")), std::string::npos) << error.what();
    }
    EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"doc.vk2"});
}

// A copy of a private document is as private: the document's permissions,
// not the umask's; and its group and owner where the system lets root give
// them.
TEST_F(FilesBeside, TakesTheDocumentsGroupAndPermissions)
{
    WriteRaw(doc, "theirs");
    ASSERT_EQ(chmod(doc.c_str(), 0640), 0);
    TFileAccess wanted = AccessOf(doc);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(doc.c_str(), kAnotherUser, kAnotherGroup), 0);
        wanted = {kAnotherUser, kAnotherGroup, 0640};
    }
    EXPECT_EQ(AccessOf(OsPath(Write(doc, TBesideName::NextVersion))), wanted);
}

// Beside the file the links lead to, as the save copies are.
TEST_F(FilesBeside, ALinkedDocumentGetsItsFileBesideTheFileItself)
{
    fs::create_directory(dir.File("shared"));
    WriteRaw(dir.File("shared/doc.vk2"), "theirs");
    fs::create_symlink(dir.File("shared/doc.vk2"), doc);
    EXPECT_EQ(Write(doc, TBesideName::SaveCopy), dir.File("shared/doc.save-copy-1.vk2"));
}

TEST(SameFile, GoesByTheFileNotByItsName)
{
    TempDir dir;
    WriteRaw(dir.File("doc.vk2"), "doc");
    WriteRaw(dir.File("other.vk2"), "doc");
    fs::create_symlink(dir.File("doc.vk2"), dir.File("link.vk2"));
    fs::create_hard_link(dir.File("doc.vk2"), dir.File("hard.vk2"));
    struct TCase {
        const char* Other;
        bool Same;
    };
    const TCase cases[] = {
        {"doc.vk2", true},  {"./doc.vk2", true},  {"link.vk2", true},
        {"hard.vk2", true}, {"other.vk2", false}, {"gone.vk2", false},
    };
    for (const TCase& test : cases)
        EXPECT_EQ(SameFile(dir.File("doc.vk2"), dir.File(test.Other)), test.Same) << test.Other;
    EXPECT_FALSE(SameFile(dir.File("gone.vk2"), dir.File("gone.vk2")));
}

TEST(WritersOf, NameAnotherOwnerAndPermissionsThatLetOthersWrite)
{
    TempDir dir;
    const std::string file = dir.File("doc.vk2");
    WriteRaw(file, "doc");
    struct TCase {
        mode_t Mode;
        bool SharedForWriting;
    };
    for (const TCase test : {TCase{0644, false}, TCase{0664, true}, TCase{0646, true}, TCase{0600, false}}) {
        ASSERT_EQ(chmod(file.c_str(), test.Mode), 0);
        const TFileWriters writers = WritersOf(file);
        EXPECT_EQ(writers.SharedForWriting, test.SharedForWriting) << std::oct << test.Mode;
        EXPECT_EQ(writers.OtherOwner, "");
    }
    if (geteuid() != 0)
        return; // only root can give a file to another user
    ASSERT_EQ(chown(file.c_str(), kAnotherUser, kAnotherGroup), 0);
    const passwd* another = getpwuid(kAnotherUser);
    EXPECT_EQ(WritersOf(file).OtherOwner, another ? another->pw_name : std::to_string(kAnotherUser));
}

} // namespace

// The whole copies that rewrites in place leave beside a file: which one
// opening the file cut short names, which ones opening it whole tells of,
// and which ones the next save removes; and what a save says when the
// folder refuses it a file.
#include "ChildProcess.h"
#include "Files.h"
#include "SysErrorText.h"
#include "TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;
using ::testing::ThrowsMessage;

namespace {

// Writes Bytes to Dir's file Name, last written Age seconds ago (a
// negative age: in the future, as a touch or a clock set wrong leaves it).
void WriteAged(const TempDir& Dir, const std::string& Name, const std::string& Bytes, int Age)
{
    WriteRaw(Dir.File(Name), Bytes);
    fs::last_write_time(Dir.File(Name), fs::file_time_type::clock::now() - std::chrono::seconds(Age));
}

std::vector<std::string> NamesIn(const TempDir& Dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Dir.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The copy named is the one whose whole bytes the torn file begins with,
// whatever the times say: a touch, a restore or a copy of the folder
// reorders them. Only among copies that all begin so (an empty file
// begins every one) do the times choose: the last one written before the
// file was cut, as the save that cut it wrote its copy, else the newest.
TEST(FilesSaveCopies, AFileCutShortNamesTheCopyItIsTheStartOf)
{
    const struct {
        std::string File, Named;
    } cases[] = {
        {"chapter A: pa", "doc.save-copy-1.vk2"},
        {"chapter B: page th", "doc.save-copy-3.vk2"},
        {"chapter ", "doc.save-copy-3.vk2"},
        {"", "doc.save-copy-2.vk2"},
        {"page f", "doc.save-copy-4.vk2"},
        {"chapter A: page two", ""}, // whole: the start of no copy
        {"another document", ""},
    };
    TempDir dir;
    WriteAged(dir, "doc.save-copy-1.vk2", "chapter A: page two", 600);
    WriteAged(dir, "doc.save-copy-2.vk2", "a save of something else", 10);
    WriteAged(dir, "doc.save-copy-3.vk2", "chapter B: page three", 300);
    WriteAged(dir, "doc.save-copy-4.vk2", "page four", -60);
    WriteAged(dir, "doc.save-copy-6.vk2", "page four and five", -30);
    WriteAged(dir, "other.save-copy-5.vk2", "chapter A: page two, and more", -120);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        WriteRaw(dir.File("doc.vk2"), c.File);
        EXPECT_EQ(SaveCopyBeside(dir.File("doc.vk2")), c.Named.empty() ? "" : dir.File(c.Named));
    }
}

// An earlier writer that hid its whole copy left it where the open dialog
// lists nothing: opening the file cut short gives it a copy's name and
// names that. A hidden file the file is not the start of stays as it is.
TEST(FilesSaveCopies, AHiddenWholeCopyIsGivenAVisibleNameWhenTheFileIsOpened)
{
    TempDir dir;
    const std::string hidden = ".doc.vk2.~" + std::to_string(EndedProcessId()) + "~";
    WriteRaw(dir.File("doc.vk2"), "whole do");
    WriteRaw(dir.File(hidden + "a1B2c3"), "whole document");
    WriteRaw(dir.File(hidden + "d4E5f6"), "another version");
    EXPECT_EQ(SaveCopyBeside(dir.File("doc.vk2")), dir.File("doc.save-copy-1.vk2"));
    EXPECT_EQ(ReadRaw(dir.File("doc.save-copy-1.vk2")), "whole document");
    EXPECT_EQ(NamesIn(dir), (std::vector<std::string>{hidden + "d4E5f6", "doc.save-copy-1.vk2", "doc.vk2"}));
}

// Beside a whole file, a copy is told when it holds other bytes and is not
// older: a save stopped before it rewrote the file. One with the same
// bytes holds nothing to lose; an older one was written before the file
// last was, by a save the user made after being told.
TEST(FilesSaveCopies, CopiesThatDifferFromAWholeFileAndAreNotOlderAreTold)
{
    TempDir dir;
    WriteAged(dir, "doc.vk2", "saved before", 60);
    WriteAged(dir, "doc.save-copy-1.vk2", "saved since", 30);
    WriteAged(dir, "doc.save-copy-2.vk2", "saved before", 10);
    WriteAged(dir, "doc.save-copy-3.vk2", "saved long ago", 600);
    WriteAged(dir, "doc.save-copy-4.vk2", "saved last", 0);
    WriteAged(dir, "other.save-copy-5.vk2", "another file's", 0);
    EXPECT_EQ(NewerSaveCopiesBeside(dir.File("doc.vk2")),
              (std::vector<std::string>{dir.File("doc.save-copy-4.vk2"), dir.File("doc.save-copy-1.vk2")}));
    // The same second on a file system that keeps no finer times.
    fs::last_write_time(dir.File("doc.save-copy-3.vk2"), fs::last_write_time(dir.File("doc.vk2")));
    EXPECT_EQ(NewerSaveCopiesBeside(dir.File("doc.vk2")).size(), 3u);
    EXPECT_TRUE(NewerSaveCopiesBeside(dir.File("absent.vk2")).empty());
}

// A copy that holds the same bytes as the file before or after a save
// goes with that save, alone or in a set; one that differs stays, and so
// do other files' copies.
TEST(FilesSaveCopies, ASaveRemovesTheCopiesThatHoldNothingToLose)
{
    for (const bool asSet : {false, true}) {
        SCOPED_TRACE(asSet ? "a set" : "one file");
        TempDir dir;
        WriteRaw(dir.File("doc.vk2"), "before");
        WriteRaw(dir.File("doc.save-copy-1.vk2"), "before");
        WriteRaw(dir.File("doc.save-copy-2.vk2"), "after!");
        WriteRaw(dir.File("doc.save-copy-3.vk2"), "kept");
        WriteRaw(dir.File("other.save-copy-1.vk2"), "before");
        if (asSet) {
            const TFileWrite set[] = {{dir.File("doc.vk2"), "after!"}};
            WriteFilesAtomic(set);
        } else {
            WriteFileAtomic(dir.File("doc.vk2"), "after!");
        }
        EXPECT_EQ(NamesIn(dir), (std::vector<std::string>{"doc.save-copy-3.vk2", "doc.vk2", "other.save-copy-1.vk2"}));
    }
}

// The system refusing the temporary file for Error, as a folder the user
// may not write does.
class TFolderRefusing : public TFileSystem {
public:
    explicit TFolderRefusing(int Error) : Error_(Error) {}
    int CreateTemp(std::string&, int*) override { return Error_; }

private:
    int Error_;
};

// A folder that refuses the new file is named with its reason, not the
// file being saved, which is there and may well be writable; other
// failures still name the file.
TEST(FilesSaveCopies, AFolderThatRefusesTheNewFileIsNamedAsTheReason)
{
    TempDir dir;
    const std::string folder = dir.Path().substr(0, dir.Path().size() - 1);
    const std::string doc = dir.File("doc.vk2");
    WriteRaw(doc, "kept");
    const std::string refused =
        "ファイル \"" + doc + "\" を保存できません。フォルダー \"" + folder + "\" にファイルを作成できません。";
    const struct {
        int Error;
        std::string Told;
    } cases[] = {
        {EACCES, refused + SysErrorMessage(EACCES)},
        {EROFS, refused + SysErrorMessage(EROFS)},
        {ENOSPC, "ファイル \"" + doc + "\" を作成できません。" + SysErrorMessage(ENOSPC)},
    };
    for (const auto& c : cases) {
        TFolderRefusing system(c.Error);
        EXPECT_THAT([&] { WriteFileAtomic(doc, "new", system); }, ThrowsMessage<EFWriteError>(c.Told));
        try {
            WriteFileAtomic(doc, "new", system);
        } catch (const EFWriteError& error) {
            EXPECT_EQ(error.Reason(), SysErrorMessage(c.Error));
        }
        EXPECT_EQ(ReadRaw(doc), "kept");
    }
}

} // namespace

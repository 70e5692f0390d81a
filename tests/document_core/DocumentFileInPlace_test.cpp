// A save that rewrites another user's document in place, killed at any
// moment: a whole document stays on disk under a name the user sees, the
// next open tells of every copy that holds what the file does not, and the
// next save keeps those and removes the others.
#include "DocumentFile.h"

#include "../common/InPlaceFileSystem.h"
#include "../common/TempDir.h"
#include "Files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kAnotherUser = 65534;
constexpr gid_t kAnotherGroup = 100;

TFlatPages BigDocument(char Fill)
{
    TFlatPages pages;
    for (int i = 0; i < 4; ++i) {
        const std::string title = "page" + std::to_string(i);
        pages.push_back({0, title, title + "\r\n" + std::string(2 * 1024 * 1024, Fill), 1, -1});
    }
    return pages;
}

// Where the saving process dies: before the call numbered Step, or halfway
// through the write that comes after the file is cut.
struct TKillPoint {
    int Step = 0;
    bool MidRewrite = false;
};

class TKillingFileSystem : public TInPlaceFileSystem {
public:
    explicit TKillingFileSystem(TKillPoint Point)
        : TInPlaceFileSystem([this, Point](std::string_view Call, int Step) {
              Cut_ = Cut_ || Call == "Truncate";
              if (Step == Point.Step)
                  raise(SIGKILL);
              return 0;
          }),
          MidRewrite_(Point.MidRewrite)
    {}
    int Write(int Fd, std::span<const std::string_view> Pieces) override
    {
        if (MidRewrite_ && Cut_) {
            TFileSystem::Write(Fd, Pieces.first(Pieces.size() / 2));
            raise(SIGKILL);
        }
        return TInPlaceFileSystem::Write(Fd, Pieces);
    }

private:
    bool MidRewrite_;
    bool Cut_ = false;
};

// The pages of the file, or nothing with the message of its refusal.
std::optional<TFlatPages> Opened(const std::string& FileName, std::string& Told)
{
    try {
        return ReadDocumentFile(FileName, 0).Pages;
    } catch (const Exception& error) {
        Told = error.what();
        return std::nullopt;
    }
}

// The save copies in Dir and what each holds.
std::map<std::string, std::string> SaveCopiesIn(const TempDir& Dir)
{
    std::map<std::string, std::string> copies;
    for (const auto& entry : std::filesystem::directory_iterator(Dir.Path()))
        if (entry.path().filename().string().find(".save-copy-") != std::string::npos)
            copies[entry.path().string()] = ReadRaw(entry.path().string());
    return copies;
}

TEST(DocumentFileInPlace, ASaveKilledAnywhereLeavesEveryVersionItSavedToldAtTheNextOpen)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    TempDir dir;
    const std::string file = dir.File("big.vk2");
    const TFlatPages old = BigDocument('o'), saved = BigDocument('s'), next = BigDocument('x');
    const auto makeTheirs = [&] {
        WriteDocumentFile(file, old, 0, 0);
        ASSERT_EQ(chown(file.c_str(), kAnotherUser, kAnotherGroup), 0);
        ASSERT_EQ(chmod(file.c_str(), 0666), 0);
    };
    makeTheirs();
    TInPlaceFileSystem counting;
    WriteDocumentFile(file, saved, 0, 0, counting);
    ASSERT_EQ(ReadDocumentFile(file, 0).Pages, saved);
    const std::string savedBytes = ReadRaw(file);

    std::vector<TKillPoint> points;
    for (int step = 1; step <= counting.Steps(); ++step)
        points.push_back({step, false});
    points.push_back({0, true});
    int cutShort = 0, oldBesideItsCopy = 0, sameAsItsCopy = 0;
    for (const TKillPoint& point : points) {
        SCOPED_TRACE(testing::Message() << "killed before step " << point.Step
                                        << (point.MidRewrite ? " mid-rewrite" : ""));
        makeTheirs();
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            TKillingFileSystem killing(point);
            WriteDocumentFile(file, saved, 0, 0, killing);
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        std::string told;
        const std::optional<TFlatPages> read = Opened(file, told);
        const std::map<std::string, std::string> copies = SaveCopiesIn(dir);
        ASSERT_LE(copies.size(), 1u);
        const std::string copy = copies.empty() ? "" : copies.begin()->first;
        if (!copy.empty()) {
            EXPECT_EQ(copies.begin()->second, savedBytes) << "a copy holds the whole document saved";
            EXPECT_EQ(copy.find('/' + std::string(".")), std::string::npos) << "a name the user sees: " << copy;
            EXPECT_EQ(copy.substr(copy.size() - 4), ".vk2") << "listed by the open dialog";
        }
        if (!read) {
            ++cutShort;
            ASSERT_EQ(SaveCopyBeside(file), copy) << "a torn file and no whole copy named: " << told;
            EXPECT_NE(told.find("\r\n" + copy), std::string::npos) << told;
        } else if (*read == old && !copy.empty()) {
            // Killed after the copy was made and before the file was cut:
            // what the save wrote is only in the copy, and the open says so.
            ++oldBesideItsCopy;
            EXPECT_EQ(NewerSaveCopiesBeside(file), std::vector<std::string>{copy});
            EXPECT_NE(NewerSaveCopiesNotice(file).find("\r\n" + copy), std::string::npos);
        } else {
            EXPECT_TRUE(*read == old || *read == saved);
            sameAsItsCopy += copy.empty() ? 0 : 1;
            EXPECT_EQ(NewerSaveCopiesNotice(file), "") << "a copy with the same bytes holds nothing to tell";
        }

        TInPlaceFileSystem user;
        WriteDocumentFile(file, next, 0, 0, user);
        EXPECT_EQ(ReadDocumentFile(file, 0).Pages, next);
        if (read && *read == saved)
            EXPECT_TRUE(SaveCopiesIn(dir).empty()) << "the next save removes a copy that held nothing to lose";
        else
            EXPECT_EQ(SaveCopiesIn(dir), copies) << "the next save keeps a copy that differs from the file";
        for (const auto& [name, bytes] : SaveCopiesIn(dir))
            std::remove(name.c_str());
    }
    EXPECT_EQ(cutShort, 2) << "killed between the cut and the write, and in the write";
    EXPECT_GE(oldBesideItsCopy, 2) << "killed between the copy and the cut";
    EXPECT_GE(sameAsItsCopy, 1) << "killed between the rewrite and the copy's removal";
}

} // namespace

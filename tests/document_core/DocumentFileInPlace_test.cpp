// A save that rewrites another user's document in place, killed at any
// moment: a whole document stays on disk under a name the user sees,
// opening the file cut short names it, and the next save keeps it.
#include "DocumentFile.h"

#include "../common/InPlaceFileSystem.h"
#include "../common/TempDir.h"
#include "Files.h"

#include <gtest/gtest.h>

#include <csignal>
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

TEST(DocumentFileInPlace, ASaveKilledAnywhereLeavesAWholeDocumentThatOpeningNamesAndTheNextSaveKeeps)
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

    std::vector<TKillPoint> points;
    for (int step = 1; step <= counting.Steps(); ++step)
        points.push_back({step, false});
    points.push_back({0, true});
    int cutShort = 0;
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
        const std::string copy = SaveCopyBeside(file);
        if (read) {
            EXPECT_TRUE(*read == old || *read == saved);
        } else {
            ++cutShort;
            ASSERT_FALSE(copy.empty()) << "a torn file and no whole copy: " << told;
            EXPECT_EQ(copy.find('/' + std::string(".")), std::string::npos) << "a name the user sees: " << copy;
            EXPECT_EQ(copy.substr(copy.size() - 4), ".vk2") << "listed by the open dialog";
            EXPECT_EQ(ReadDocumentFile(copy, 0).Pages, saved);
            EXPECT_NE(told.find("\r\n" + copy), std::string::npos) << told;
        }
        const std::string copyBytes = copy.empty() ? "" : ReadRaw(copy);
        TInPlaceFileSystem user;
        WriteDocumentFile(file, next, 0, 0, user);
        EXPECT_EQ(ReadDocumentFile(file, 0).Pages, next);
        if (!copy.empty()) {
            EXPECT_EQ(ReadRaw(copy), copyBytes) << "the next save keeps the copy";
            std::remove(copy.c_str());
        }
    }
    EXPECT_EQ(cutShort, 2) << "killed between the cut and the write, and in the write";
}

} // namespace

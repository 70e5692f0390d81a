// Two users saving one shared document in place at the same moment, on a
// disk slow enough that their rewrites overlap: the file ends as one save
// or the other, never as parts of both, and opening it meanwhile sees that
// a save holds it.
#include "DocumentFile.h"

#include "../common/InPlaceFileSystem.h"
#include "../common/TempDir.h"
#include "Files.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A disk on which the rewrite in place stops halfway: it tells Halfway,
// then waits (at most a second) for a word on Resume before it writes
// the rest.
class THalfwayFileSystem : public TInPlaceFileSystem {
public:
    THalfwayFileSystem(int Halfway, int Resume) : Halfway_(Halfway), Resume_(Resume) {}
    int Truncate(int Fd, off_t Length) override
    {
        Cut_ = true;
        return TInPlaceFileSystem::Truncate(Fd, Length);
    }
    int Write(int Fd, std::span<const std::string_view> Pieces) override
    {
        if (!Cut_)
            return TInPlaceFileSystem::Write(Fd, Pieces);
        const std::string_view whole = Pieces.front();
        const std::string_view halves[] = {whole.substr(0, whole.size() / 2), whole.substr(whole.size() / 2)};
        if (const int error = TFileSystem::Write(Fd, std::span(halves, 1)))
            return error;
        if (write(Halfway_, "h", 1) != 1)
            return EIO;
        pollfd resume{Resume_, POLLIN, 0};
        poll(&resume, 1, 1000);
        return TFileSystem::Write(Fd, std::span(halves + 1, 1));
    }

private:
    int Halfway_, Resume_;
    bool Cut_ = false;
};

// Runs Save in a child process; its exit status is 0 when Save returned.
pid_t SaveInChild(const std::function<void()>& Save)
{
    const pid_t child = fork();
    if (child == 0) {
        try {
            Save();
        } catch (...) {
            _exit(1);
        }
        _exit(0);
    }
    return child;
}

bool SavedWithoutError(pid_t Child)
{
    int status = 0;
    return waitpid(Child, &status, 0) == Child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(DocumentFileTwoSavers, OneRewriteInPlaceAtATimeLeavesOneWholeSave)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    TempDir dir;
    const std::string file = dir.File("shared.vk2");
    WriteRaw(file, "old");
    ASSERT_EQ(chown(file.c_str(), 65534, 100), 0);
    ASSERT_EQ(chmod(file.c_str(), 0666), 0);
    const std::string first(3 * 1024 * 1024, 'a'), second(1024 * 1024, 'b');
    int halfway[2], resume[2];
    ASSERT_EQ(pipe(halfway), 0);
    ASSERT_EQ(pipe(resume), 0);

    const pid_t slow = SaveInChild([&] {
        THalfwayFileSystem disk(halfway[1], resume[0]);
        WriteFileAtomic(file, first, disk);
    });
    char word = 0;
    ASSERT_EQ(read(halfway[0], &word, 1), 1);
    EXPECT_TRUE(IsFileLocked(file)) << "an open meanwhile sees the save";
    const pid_t quick = SaveInChild([&] {
        TInPlaceFileSystem disk;
        WriteFileAtomic(file, second, disk);
        if (write(resume[1], "r", 1) != 1)
            _exit(1);
    });
    EXPECT_TRUE(SavedWithoutError(quick));
    EXPECT_TRUE(SavedWithoutError(slow));
    for (const int end : {halfway[0], halfway[1], resume[0], resume[1]})
        close(end);

    const std::string after = ReadRaw(file);
    EXPECT_TRUE(after == first || after == second) << after.size() << " bytes, torn";
    EXPECT_EQ(after, second) << "the second waited for the first";
    EXPECT_FALSE(IsFileLocked(file));
    struct stat st {};
    ASSERT_EQ(stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
}

} // namespace

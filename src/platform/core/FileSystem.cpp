#include "FileSystem.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>
#include <vector>

namespace {

int Result(int ReturnValue) { return ReturnValue == 0 ? 0 : errno; }

// The /proc path links an unnamed file without privileges.
int LinkOpenFile(int Fd, const std::string& Path)
{
    const std::string procPath = "/proc/self/fd/" + std::to_string(Fd);
    return Result(linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, Path.c_str(), AT_SYMLINK_FOLLOW));
}

} // namespace

int TFileSystem::CreateTemp(std::string& Template, int* Fd)
{
    const size_t slash = Template.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : Template.substr(0, slash + 1);
    *Fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (*Fd >= 0) {
        Template.clear();
        return 0;
    }
    *Fd = mkostemp(Template.data(), O_CLOEXEC);
    return *Fd >= 0 ? 0 : errno;
}

int TFileSystem::Link(int Fd, std::string& Template)
{
    // linkat() makes no unique names itself: try random ones as mkstemp
    // does.
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const size_t suffix = Template.size() - 6;
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (size_t i = suffix; i < Template.size(); ++i)
            Template[i] = kLetters[random() % (sizeof kLetters - 1)];
        if (const int error = LinkOpenFile(Fd, Template); error != EEXIST)
            return error;
    }
    return EEXIST;
}

int TFileSystem::LinkAs(int Fd, const std::string& Path) { return LinkOpenFile(Fd, Path); }

int TFileSystem::Write(int Fd, std::span<const std::string_view> Pieces)
{
    // Pieces go out in batches of gathered writes; a short write resumes
    // inside the piece it stopped in.
    std::vector<iovec> batch;
    size_t next = 0;
    size_t offset = 0;
    while (next < Pieces.size()) {
        batch.clear();
        for (size_t i = next; i < Pieces.size() && batch.size() < IOV_MAX; ++i) {
            const size_t skip = i == next ? offset : 0;
            batch.push_back({const_cast<char*>(Pieces[i].data() + skip), Pieces[i].size() - skip});
        }
        const ssize_t written = ::writev(Fd, batch.data(), static_cast<int>(batch.size()));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        auto left = static_cast<size_t>(written);
        while (next < Pieces.size() && left >= Pieces[next].size() - offset) {
            left -= Pieces[next].size() - offset;
            offset = 0;
            ++next;
        }
        offset += left;
    }
    return 0;
}

int TFileSystem::SetMode(int Fd, mode_t Mode) { return Result(fchmod(Fd, Mode)); }

int TFileSystem::SetOwner(int Fd, uid_t Owner, gid_t Group) { return Result(fchown(Fd, Owner, Group)); }

int TFileSystem::Sync(int Fd) { return Result(fsync(Fd)); }

int TFileSystem::Close(int Fd) { return Result(::close(Fd)); }

int TFileSystem::Rename(const std::string& From, const std::string& To)
{
    return Result(rename(From.c_str(), To.c_str()));
}

void TFileSystem::Remove(const std::string& Path) { unlink(Path.c_str()); }

int TFileSystem::OpenForRewrite(const std::string& Path, int* Fd)
{
    // O_NONBLOCK: should something other than a file have taken its place,
    // opening it must not wait.
    *Fd = ::open(Path.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    return *Fd >= 0 ? 0 : errno;
}

int TFileSystem::LockForRewrite(int Fd)
{
    // An open file description's lock, not a process's: it is not lost
    // when another descriptor of the file in this process is closed.
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    while (fcntl(Fd, F_OFD_SETLKW, &lock) != 0) {
        if (errno == ENOLCK || errno == EOPNOTSUPP || errno == EINVAL)
            return 0;
        if (errno != EINTR)
            return errno;
    }
    return 0;
}

int TFileSystem::Truncate(int Fd, off_t Length) { return Result(ftruncate(Fd, Length)); }

TFileSystem& SystemFileSystem()
{
    static TFileSystem system;
    return system;
}

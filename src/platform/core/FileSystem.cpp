#include "FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int Result(int ReturnValue) { return ReturnValue == 0 ? 0 : errno; }

} // namespace

int TFileSystem::CreateTemp(std::string& Template, int* Fd)
{
    *Fd = mkostemp(Template.data(), O_CLOEXEC);
    return *Fd >= 0 ? 0 : errno;
}

int TFileSystem::Write(int Fd, std::string_view Data)
{
    while (!Data.empty()) {
        const ssize_t n = ::write(Fd, Data.data(), Data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        Data.remove_prefix(static_cast<size_t>(n));
    }
    return 0;
}

int TFileSystem::SetMode(int Fd, mode_t Mode) { return Result(fchmod(Fd, Mode)); }

int TFileSystem::Sync(int Fd) { return Result(fsync(Fd)); }

int TFileSystem::Close(int Fd) { return Result(::close(Fd)); }

int TFileSystem::Rename(const std::string& From, const std::string& To) { return Result(rename(From.c_str(), To.c_str())); }

void TFileSystem::Remove(const std::string& Path) { unlink(Path.c_str()); }

TFileSystem& SystemFileSystem()
{
    static TFileSystem system;
    return system;
}

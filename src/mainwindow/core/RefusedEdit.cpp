#include "RefusedEdit.h"

#include "Files.h"
#include "SysErrorText.h"
#include "SysUtils.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Stamp(std::time_t When)
{
    std::tm local{};
    localtime_r(&When, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return stamp;
}

[[noreturn]] void Fail(const std::string& FileName, int Errno)
{
    throw EFCreateError(CannotWriteMessage(FileName, SysErrorMessage(Errno)));
}

bool WriteAll(int Fd, std::string_view Bytes)
{
    while (!Bytes.empty()) {
        const ssize_t written = ::write(Fd, Bytes.data(), Bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        Bytes.remove_prefix(static_cast<size_t>(written));
    }
    return ::fsync(Fd) == 0;
}

} // namespace

std::string KeepRefusedEdit(std::string_view Bytes, const std::string& Folder, const std::string& Extension,
                            std::time_t When)
{
    if (::mkdir(OsPath(Folder).c_str(), 0777) != 0 && errno != EEXIST)
        Fail(Folder, errno);
    const std::string base = Folder + "edit-" + Stamp(When);
    for (int attempt = 1;; ++attempt) {
        const std::string name = base + (attempt > 1 ? "-" + std::to_string(attempt) : "") + Extension;
        const int fd = ::open(OsPath(name).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            Fail(name, errno);
        const bool written = WriteAll(fd, Bytes);
        int error = errno;
        const bool closed = ::close(fd) == 0;
        if (written && closed)
            return name;
        if (written)
            error = errno;
        ::unlink(OsPath(name).c_str());
        Fail(name, error);
    }
}

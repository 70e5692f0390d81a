// Reading whole files, and what is said of a file: whether it is there,
// whether its user keeps it as it is, and the messages of a read or a write
// that did not happen. Writing is AtomicWrite.cpp (a file replaced),
// SaveCopies.cpp (the copies a rewrite in place leaves) and FilesBeside.cpp
// (a new file beside a document).
#include "Files.h"

#include "FileWriting.h"
#include "SysErrorText.h"
#include "SysUtils.h"

#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace files;

bool FileExists(const std::string& FileName)
{
    struct stat st;
    return stat(OsPath(FileName).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& FileName)
{
    struct stat st;
    return stat(OsPath(FileName).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

namespace files {

int ReadWhole(const std::string& OsName, uint64_t MaxBytes, std::string& Data)
{
    // Only regular files are read; a FIFO or a device could block or never
    // end, and is not even opened. O_NONBLOCK: should a FIFO take the
    // file's place meanwhile, opening it must not wait for a writer.
    struct stat st;
    if (stat(OsName.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        return S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    FileDescriptor fd(::open(OsName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.Get() < 0)
        return errno;
    if (fstat(fd.Get(), &st) != 0)
        return errno;
    if (!S_ISREG(st.st_mode))
        return S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    if (static_cast<uint64_t>(st.st_size) > MaxBytes)
        return EFBIG;
    Data.clear();
    Data.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return 0;
        if (Data.size() + static_cast<size_t>(n) > MaxBytes)
            return EFBIG;
        Data.append(buffer, static_cast<size_t>(n));
    }
}

} // namespace files

std::string ReadFileBytes(const std::string& FileName, uint64_t MaxBytes)
{
    std::string data;
    if (const int error = TryReadFileBytes(FileName, data, MaxBytes))
        throw EFOpenError(CannotOpenMessage(FileName, error));
    return data;
}

int TryReadFileBytes(const std::string& FileName, std::string& Data, uint64_t MaxBytes)
{
    return ReadWhole(OsPath(FileName), MaxBytes, Data);
}

std::string CannotOpenMessage(const std::string& FileName, int Error)
{
    return Format("ファイル \"%s\" を開けません。%s", ShownPath(FileName).c_str(), SysErrorMessage(Error).c_str());
}

std::string CannotWriteMessage(const std::string& FileName, std::string_view Reason)
{
    std::string message = ShownPath(FileName) + " に書き込めません";
    if (!Reason.empty())
        message.append("\n").append(Reason);
    return message;
}

bool IsKeptReadOnly(const std::string& FileName)
{
    const std::string path = OsPath(FileName);
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)
           && ((st.st_mode & 0222) == 0 || access(path.c_str(), W_OK) != 0);
}

std::string KeptReadOnlyReason() { return KeptAsItIs("読み出し専用のファイルなので"); }

bool IsOtherUsersFile(const std::string& FileName)
{
    const std::string path = OsPath(FileName);
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0222) != 0 && st.st_uid != geteuid()
           && access(path.c_str(), W_OK) != 0;
}

std::string KeptReadOnlyReason(const std::string& FileName)
{
    struct stat st;
    if (!IsOtherUsersFile(FileName) || stat(OsPath(FileName).c_str(), &st) != 0)
        return KeptReadOnlyReason();
    const passwd* owner = getpwuid(st.st_uid);
    const std::string name = owner ? owner->pw_name : std::to_string(st.st_uid);
    return KeptAsItIs("ほかのユーザー（" + name + "）のファイルなので");
}

std::string KeptAsItIs(std::string_view Because) { return std::string(Because) + "、書き換えずにそのまま残しました。"; }

#include "Files.h"

#include "Cp932.h"
#include "FileSystem.h"
#include "SysErrorText.h"
#include "SysUtils.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <set>
#include <unistd.h>
#include <vector>

std::string OsPath(std::string_view FileName) { return SjisToUtf8(FileName); }

std::string FromOsPath(std::string_view OsName, bool* Lossless) { return Utf8ToSjis(OsName, Lossless); }

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

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int Fd) : Fd_(Fd) {}
    ~FileDescriptor()
    {
        if (Fd_ >= 0)
            ::close(Fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return Fd_; }

private:
    int Fd_;
};

[[noreturn]] void RaiseOpenError(const std::string& Path, int Error)
{
    throw EFOpenError(Format("ファイル \"%s\" を開けません。%s", Path.c_str(), SysErrorMessage(Error).c_str()));
}

[[noreturn]] void RaiseCreateError(const std::string& Path, int Error)
{
    throw EFCreateError(Format("ファイル \"%s\" を作成できません。%s", Path.c_str(), SysErrorMessage(Error).c_str()));
}

// The path a write really replaces: the final target of a symbolic link.
std::string ResolveTarget(const std::string& Path)
{
    char resolved[PATH_MAX];
    struct stat st;
    if (lstat(Path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && realpath(Path.c_str(), resolved))
        return resolved;
    return Path;
}

// umask() can only be read by changing it, which would race with other
// threads creating files; the kernel reports it in /proc instead.
mode_t CurrentUmask()
{
    FILE* status = std::fopen("/proc/self/status", "re");
    mode_t mask = 022;
    if (!status)
        return mask;
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
        unsigned value;
        if (std::sscanf(line, "Umask: %o", &value) == 1) {
            mask = static_cast<mode_t>(value);
            break;
        }
    }
    std::fclose(status);
    return mask;
}

} // namespace

std::string ReadFileBytes(const std::string& FileName, uint64_t MaxBytes)
{
    const std::string path = OsPath(FileName);
    // O_NONBLOCK: opening a FIFO must not wait for a writer. Only regular
    // files are read; a FIFO or a device could block or never end.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.Get() < 0)
        RaiseOpenError(path, errno);
    struct stat st;
    if (fstat(fd.Get(), &st) != 0)
        RaiseOpenError(path, errno);
    if (!S_ISREG(st.st_mode))
        RaiseOpenError(path, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    if (static_cast<uint64_t>(st.st_size) > MaxBytes)
        RaiseOpenError(path, EFBIG);
    std::string data;
    data.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            RaiseOpenError(path, errno);
        }
        if (n == 0)
            break;
        if (data.size() + static_cast<size_t>(n) > MaxBytes)
            RaiseOpenError(path, EFBIG);
        data.append(buffer, static_cast<size_t>(n));
    }
    return data;
}

void WriteFileAtomic(const std::string& FileName, std::string_view Data, TFileSystem& System)
{
    WriteFileAtomic(FileName, std::span(&Data, 1), System);
}

namespace {

// A file being replaced: written to Temp beside Target, renamed over it
// once written and flushed.
struct TReplacement {
    std::string Target;
    std::string Folder;
    std::string Temp;
};

TReplacement StartReplacement(const std::string& FileName)
{
    TReplacement file;
    file.Target = ResolveTarget(OsPath(FileName));
    const size_t slash = file.Target.rfind('/');
    file.Folder = slash == std::string::npos ? "." : file.Target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? file.Target : file.Target.substr(slash + 1);
    file.Temp = file.Folder + (slash == std::string::npos ? "/." : ".") + name + ".XXXXXX";
    return file;
}

// Writes the temporary file with the old file's permissions (a new file's
// from the umask), flushing it to disk when Flush; removes it on failure.
void WriteTemp(TReplacement& File, std::span<const std::string_view> Pieces, bool Flush, TFileSystem& System)
{
    int fd = -1;
    if (const int error = System.CreateTemp(File.Temp, &fd))
        RaiseCreateError(File.Target, error);
    struct stat st;
    const mode_t mode = stat(File.Target.c_str(), &st) == 0 ? st.st_mode & 07777 : 0666 & ~CurrentUmask();
    int error = System.Write(fd, Pieces);
    if (error == 0)
        error = System.SetMode(fd, mode);
    if (error == 0 && Flush)
        error = System.Sync(fd);
    const int closeError = System.Close(fd);
    if (error == 0)
        error = closeError;
    if (error != 0) {
        System.Remove(File.Temp);
        RaiseCreateError(File.Target, error);
    }
}

void SyncFolder(const std::string& Folder)
{
    FileDescriptor dir(::open(Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        fsync(dir.Get());
}

} // namespace

void WriteFileAtomic(const std::string& FileName, std::span<const std::string_view> Pieces, TFileSystem& System)
{
    TReplacement file = StartReplacement(FileName);
    WriteTemp(file, Pieces, true, System);
    if (const int error = System.Rename(file.Temp, file.Target)) {
        System.Remove(file.Temp);
        RaiseCreateError(file.Target, error);
    }
    SyncFolder(file.Folder);
}

void WriteFilesAtomic(std::span<const TFileWrite> Files, TFileSystem& System)
{
    std::vector<TReplacement> written;
    const auto removeTemps = [&](size_t From) {
        for (size_t i = From; i < written.size(); ++i)
            System.Remove(written[i].Temp);
    };
    try {
        for (const TFileWrite& file : Files) {
            written.push_back(StartReplacement(file.FileName));
            WriteTemp(written.back(), std::span(&file.Data, 1), false, System);
        }
    } catch (...) {
        written.pop_back();
        removeTemps(0);
        throw;
    }
    // One flush of each file system holding the files, instead of one per file.
    std::set<std::string> folders;
    for (const TReplacement& file : written)
        folders.insert(file.Folder);
    for (const std::string& folder : folders) {
        FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (dir.Get() < 0 || syncfs(dir.Get()) != 0) {
            const int error = errno;
            removeTemps(0);
            RaiseCreateError(folder, error);
        }
    }
    for (size_t i = 0; i < written.size(); ++i) {
        if (const int error = System.Rename(written[i].Temp, written[i].Target)) {
            removeTemps(i);
            RaiseCreateError(written[i].Target, error);
        }
    }
    for (const std::string& folder : folders)
        SyncFolder(folder);
}

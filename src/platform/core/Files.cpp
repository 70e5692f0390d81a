#include "Files.h"

#include "FileSystem.h"
#include "SysErrorText.h"
#include "SysUtils.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <optional>
#include <set>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

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

[[noreturn]] void RaiseCreateError(const std::string& Path, const std::string& Reason)
{
    throw EFCreateError(Format("ファイル \"%s\" を作成できません。%s", Path.c_str(), Reason.c_str()));
}

[[noreturn]] void RaiseCreateError(const std::string& Path, int Error)
{
    RaiseCreateError(Path, SysErrorMessage(Error));
}

// As the system resolves a path: no more links than this in a row.
constexpr int MaxLinksInARow = 40;

// Path, or the last of the symbolic links it leads through. A link whose
// target is gone leads to the name it points to: the write makes that file.
// Gives 0, or the errno of a link that cannot be read or a loop.
int FollowLinks(const std::string& Path, std::string& Target)
{
    std::string path = Path;
    for (int links = 0; links < MaxLinksInARow; ++links) {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            Target = path;
            return 0;
        }
        std::string next(static_cast<size_t>(PATH_MAX), '\0');
        const ssize_t length = readlink(path.c_str(), next.data(), next.size());
        if (length < 0)
            return errno;
        next.resize(static_cast<size_t>(length));
        const size_t slash = path.rfind('/');
        if (!next.empty() && next.front() != '/' && slash != std::string::npos)
            next.insert(0, path, 0, slash + 1);
        path = std::move(next);
    }
    return ELOOP;
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

// The temporary files of a target are named ".<name>.~<pid>~XXXXXX", so
// that a later write can tell those of a process that died between naming
// its file and renaming it over the target, and remove them.
std::string TempPrefix(const std::string& Name) { return "." + Name + ".~"; }

bool IsTempSuffix(std::string_view Suffix)
{
    auto isLetterOrDigit = [](char C) { return std::isalnum(static_cast<unsigned char>(C)) != 0; };
    return Suffix.size() == 6 && std::all_of(Suffix.begin(), Suffix.end(), isLetterOrDigit);
}

// The target name of a temporary file ".<name>.~<pid>~XXXXXX" and the
// process that made it; nothing for any other entry.
std::optional<std::pair<std::string_view, pid_t>> TempOwner(std::string_view Entry)
{
    constexpr size_t suffixSize = 7; // "~XXXXXX"
    if (Entry.size() < 1 + 2 + 1 + suffixSize || Entry.front() != '.' || Entry[Entry.size() - suffixSize] != '~'
        || !IsTempSuffix(Entry.substr(Entry.size() - suffixSize + 1)))
        return std::nullopt;
    const std::string_view head = Entry.substr(0, Entry.size() - suffixSize); // ".<name>.~<pid>"
    const size_t mark = head.rfind(".~");
    if (mark == std::string_view::npos || mark == 0)
        return std::nullopt;
    const std::string_view digits = head.substr(mark + 2);
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
    if (error != std::errc() || end != digits.data() + digits.size() || pid <= 0)
        return std::nullopt;
    return std::pair(head.substr(1, mark - 1), pid);
}

TTempWriterCheck& InstalledTempWriterCheck()
{
    static TTempWriterCheck check;
    return check;
}

bool MayStillWrite(pid_t Pid)
{
    if (const TTempWriterCheck& check = InstalledTempWriterCheck())
        return check(Pid);
    return kill(Pid, 0) == 0 || errno != ESRCH;
}

// Removes the temporary files that writers now gone left for the targets
// Names in Folder: one pass over the folder, however many targets.
void RemoveStaleTemps(const std::string& Folder, const std::set<std::string, std::less<>>& Names, TFileSystem& System)
{
    DIR* dir = opendir(Folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir)) {
        const auto owner = TempOwner(entry->d_name);
        if (owner && Names.contains(owner->first) && !MayStillWrite(owner->second))
            System.Remove(Folder + entry->d_name);
    }
    closedir(dir);
}

} // namespace

bool CanReplaceIn(const std::string& FileName)
{
    const std::string path = OsPath(FileName);
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    return access(folder.c_str(), W_OK | X_OK) == 0;
}

TTempWriterCheck SetTempWriterCheck(TTempWriterCheck Check)
{
    return std::exchange(InstalledTempWriterCheck(), std::move(Check));
}

std::string WriteTarget(const std::string& FileName)
{
    const std::string path = OsPath(FileName);
    std::string target;
    if (const int error = FollowLinks(path, target))
        RaiseCreateError(path, error);
    // Only a file of data is ever replaced: a rename over a device or a
    // FIFO would put a plain file where the system had something else.
    struct stat st;
    if (lstat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        RaiseCreateError(target, S_ISDIR(st.st_mode) ? SysErrorMessage(EISDIR)
                                                     : "通常のファイルではないので、置き換えません。");
    return target;
}

std::string CannotWriteMessage(const std::string& FileName, std::string_view Reason)
{
    std::string message = OsPath(FileName) + " に書き込めません";
    if (!Reason.empty())
        message.append("\n").append(Reason);
    return message;
}

std::string KeptAsItIs(std::string_view Because) { return std::string(Because) + "、書き換えずにそのまま残しました。"; }

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
    // The target's name in Folder.
    std::string Name;
    std::string Temp;
};

TReplacement StartReplacement(const std::string& FileName)
{
    TReplacement file;
    file.Target = WriteTarget(FileName);
    const size_t slash = file.Target.rfind('/');
    file.Folder = slash == std::string::npos ? "./" : file.Target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? file.Target : file.Target.substr(slash + 1);
    file.Name = name;
    file.Temp = file.Folder + TempPrefix(name) + std::to_string(getpid()) + "~XXXXXX";
    return file;
}

// Writes the temporary file with the old file's permissions (a new file's
// from the umask), flushing it to disk when Flush; removes it on failure.
// An unnamed temporary file gets its name only once it is complete, so a
// process killed while writing leaves nothing behind.
void WriteTemp(TReplacement& File, std::span<const std::string_view> Pieces, bool Flush, TFileSystem& System)
{
    const std::string nameTemplate = File.Temp;
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
    if (error == 0 && File.Temp.empty()) {
        File.Temp = nameTemplate;
        error = System.Link(fd, File.Temp);
        if (error != 0)
            File.Temp.clear();
    }
    const int closeError = System.Close(fd);
    if (error == 0)
        error = closeError;
    if (error != 0) {
        if (!File.Temp.empty())
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
    RemoveStaleTemps(file.Folder, {file.Name}, System);
    WriteTemp(file, Pieces, true, System);
    if (const int error = System.Rename(file.Temp, file.Target)) {
        System.Remove(file.Temp);
        RaiseCreateError(file.Target, error);
    }
    SyncFolder(file.Folder);
}

void WriteFilesAtomic(std::span<const TFileWrite> Files, TFileSystem& System)
{
    std::vector<TReplacement> files;
    files.reserve(Files.size());
    std::map<std::string, std::set<std::string, std::less<>>> namesByFolder;
    for (const TFileWrite& file : Files) {
        files.push_back(StartReplacement(file.FileName));
        namesByFolder[files.back().Folder].insert(files.back().Name);
    }
    // The leftovers of dead writers go first, with one pass over each folder.
    for (const auto& [folder, names] : namesByFolder)
        RemoveStaleTemps(folder, names, System);

    size_t written = 0;
    const auto removeTemps = [&](size_t From) {
        for (size_t i = From; i < written; ++i)
            System.Remove(files[i].Temp);
    };
    try {
        for (; written < files.size(); ++written)
            WriteTemp(files[written], std::span(&Files[written].Data, 1), false, System);
    } catch (...) {
        removeTemps(0);
        throw;
    }
    // One flush of each file system holding the files, instead of one per file.
    for (const auto& [folder, names] : namesByFolder) {
        FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (dir.Get() < 0 || syncfs(dir.Get()) != 0) {
            const int error = errno;
            removeTemps(0);
            RaiseCreateError(folder, error);
        }
    }
    for (size_t i = 0; i < files.size(); ++i) {
        if (const int error = System.Rename(files[i].Temp, files[i].Target)) {
            removeTemps(i);
            RaiseCreateError(files[i].Target, error);
        }
    }
    for (const auto& [folder, names] : namesByFolder)
        SyncFolder(folder);
}

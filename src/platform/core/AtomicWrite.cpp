// Replacing a file by a whole new one: a temporary file beside it, given the
// old file's owner, group, permissions and access list, renamed over it; or,
// where the system refuses that, the file rewritten in place under a lock,
// its whole copy kept beside it until it is whole again.
#include "Files.h"

#include "AccessList.h"
#include "FileSystem.h"
#include "FileWriting.h"
#include "SysErrorText.h"
#include "SysUtils.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace files;

namespace files {

namespace {

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

// A folder that refuses a new file for the system's reason Error: the
// message names the folder, not the file being written, which may well be
// there and writable.
[[noreturn]] void RaiseTempRefused(const TReplacement& File, int Error)
{
    if (Error != EACCES && Error != EPERM && Error != EROFS)
        RaiseCreateError(File.Target, Error);
    const std::string folder = File.Folder.size() > 1 ? File.Folder.substr(0, File.Folder.size() - 1) : File.Folder;
    const std::string reason = SysErrorMessage(Error);
    throw EFWriteError(Format("ファイル \"%s\" を保存できません。フォルダー \"%s\" にファイルを作成できません。%s",
                              ShownOsPath(File.Target).c_str(), ShownOsPath(folder).c_str(), reason.c_str()),
                       reason);
}

// The owner, group and permissions a written file is to have.
struct TOwnership {
    uid_t Owner;
    gid_t Group;
    mode_t Mode;
    // The access list the new file takes as it is (the system's stored
    // form): that of the file it replaces, or "".
    std::string AccessList;
};

// A file replaced keeps its own, its access list too. A file made from
// another holds that one's bytes, so where TMadeFrom says it takes its
// group and permissions, never more open to others than the file it
// copies, and its owner unless it replaces a file that has one. Nothing
// for a new file of the program's own: the umask decides.
std::optional<TOwnership> WantedOwnership(const TReplacement& File, bool& Replacing)
{
    struct stat old, model;
    Replacing = stat(File.Target.c_str(), &old) == 0;
    const TMadeFrom& from = File.MadeFrom;
    if (!from.File.empty() && (from.Kind == TMadeFrom::Copy || !Replacing) && stat(from.File.c_str(), &model) == 0)
        return TOwnership{Replacing ? old.st_uid : model.st_uid,
                          model.st_gid,
                          PermissionBits(model.st_mode & 0777, AccessListOf(from.File)),
                          {}};
    if (Replacing) {
        std::string list = AccessListOf(File.Target);
        return TOwnership{old.st_uid, old.st_gid, PermissionBits(old.st_mode & 07777, list), std::move(list)};
    }
    return std::nullopt;
}

// Gives the temporary file Fd the owner and group it is to have, so that a
// save by root or by another member of the group leaves the file to the
// people it belonged to. Where the system refuses the owner, the group
// alone keeps the group's access; where it refuses that too, the group the
// file has is not the one its permissions were meant for, so they give it
// none, and a file being replaced is marked to be rewritten in place. So
// is one with an access list: the list would give the saver, as the new
// owner, what it gave the owner, and the owner nothing.
int KeepOwnerAndGroup(TReplacement& File, int Fd, TOwnership& Wanted, bool Replacing, TFileSystem& System)
{
    struct stat made;
    if (fstat(Fd, &made) != 0)
        return errno;
    if ((made.st_uid == Wanted.Owner && made.st_gid == Wanted.Group)
        || System.SetOwner(Fd, Wanted.Owner, Wanted.Group) == 0)
        return 0;
    const bool groupGiven =
        made.st_gid == Wanted.Group || System.SetOwner(Fd, static_cast<uid_t>(-1), Wanted.Group) == 0;
    if (!groupGiven)
        Wanted.Mode &= ~(S_ISGID | 070u);
    if (!groupGiven || !Wanted.AccessList.empty()) {
        Wanted.AccessList.clear();
        File.InPlace = Replacing;
    }
    return 0;
}

// Names the complete file open as Fd for the user, in case the rewrite in
// place is cut short (LinkCopy). The temporary name it had goes.
int NameCopy(TReplacement& File, int Fd, TFileSystem& System)
{
    std::string copy;
    const int error = LinkCopy(File.Folder, File.Name, Fd, System, copy);
    if (error == 0) {
        if (!File.Temp.empty())
            System.Remove(File.Temp);
        File.Temp = copy;
    }
    return error;
}

} // namespace

[[noreturn]] void RaiseCreateError(const std::string& Path, const std::string& Reason)
{
    throw EFWriteError(Format("ファイル \"%s\" を作成できません。%s", ShownOsPath(Path).c_str(), Reason.c_str()),
                       Reason);
}

[[noreturn]] void RaiseCreateError(const std::string& Path, int Error)
{
    RaiseCreateError(Path, SysErrorMessage(Error));
}

// As the system resolves a path: no more links than this in a row.
constexpr int MaxLinksInARow = 40;

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

std::pair<std::string, std::string> FolderAndName(const std::string& Target)
{
    const size_t slash = Target.rfind('/');
    if (slash == std::string::npos)
        return {"./", Target};
    return {Target.substr(0, slash + 1), Target.substr(slash + 1)};
}

TReplacement StartReplacement(const std::string& FileName, const TMadeFrom& MadeFrom)
{
    TReplacement file;
    file.Target = WriteTarget(FileName);
    std::tie(file.Folder, file.Name) = FolderAndName(file.Target);
    file.Temp = file.Folder + TempPrefix(file.Name) + std::to_string(getpid()) + "~XXXXXX";
    if (!MadeFrom.File.empty())
        file.MadeFrom = {OsPath(MadeFrom.File), MadeFrom.Kind};
    return file;
}

void WriteTemp(TReplacement& File, std::span<const std::string_view> Pieces, bool Flush, TFileSystem& System)
{
    const std::string nameTemplate = File.Temp;
    int fd = -1;
    if (const int error = System.CreateTemp(File.Temp, &fd))
        RaiseTempRefused(File, error);
    bool replacing = false;
    std::optional<TOwnership> wanted = WantedOwnership(File, replacing);
    int error = System.Write(fd, Pieces);
    // The owner first: a change of owner clears the set-user and set-group
    // bits that the mode then gives back.
    if (error == 0 && wanted)
        error = KeepOwnerAndGroup(File, fd, *wanted, replacing, System);
    if (error == 0)
        error = System.SetMode(fd, wanted ? wanted->Mode : 0666 & ~CurrentUmask());
    // The users and groups the list names keep their access; should the
    // file system refuse the list, the permissions alone are less open.
    if (error == 0 && wanted && !wanted->AccessList.empty())
        GiveAccessList(fd, wanted->AccessList);
    if (error == 0 && Flush)
        error = System.Sync(fd);
    if (error == 0 && File.InPlace) {
        error = NameCopy(File, fd, System);
    } else if (error == 0 && File.Temp.empty()) {
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

namespace {

// Writes Pieces over the bytes of the file open as Fd and to disk.
// Touched: the file was cut, so a failure left it other than it was.
int Rewrite(int Fd, std::span<const std::string_view> Pieces, TFileSystem& System, bool& Touched)
{
    int error = System.Truncate(Fd, 0);
    Touched = error == 0;
    // The bytes go from the start again, however far a failed write went.
    if (error == 0 && lseek(Fd, 0, SEEK_SET) != 0)
        error = errno;
    if (error == 0)
        error = System.Write(Fd, Pieces);
    if (error == 0)
        error = System.Sync(Fd);
    return error;
}

// Puts the complete temporary file (Pieces, flushed to disk) in the
// target's place, or raises EFWriteError. A file to be rewritten in place
// is locked, so that no other writer rewrites it meanwhile, and read, so
// that a rewrite that fails part-way can be undone; a failure before the
// file is cut leaves it as it was. Until the target is whole again, the
// complete copy stays beside it under its own name: a process killed
// meanwhile leaves it, and should the old bytes not go back either, the
// message names it, the target being cut short.
void PutInPlace(TReplacement& File, std::span<const std::string_view> Pieces, TFileSystem& System)
{
    const auto fail = [&](int Error) {
        System.Remove(File.Temp);
        RaiseCreateError(File.Target, Error);
    };
    if (!File.InPlace) {
        const int error = System.Rename(File.Temp, File.Target);
        if (error == 0)
            return;
        // A folder with the sticky bit lets only the owner replace a file
        // that another user, a member of its group, may still write.
        if (error != EPERM && error != EACCES)
            fail(error);
        std::string copy = KeepAsCopy(File.Folder, File.Name, File.Temp, System);
        if (copy.empty())
            fail(error);
        File.Temp = std::move(copy);
    }
    int fd = -1;
    if (const int error = System.OpenForRewrite(File.Target, &fd))
        fail(error);
    std::string old;
    int error = System.LockForRewrite(fd);
    if (error == 0)
        error = ReadWhole(File.Target, UINT64_MAX, old);
    if (error != 0) {
        System.Close(fd);
        fail(error);
    }
    // The copy's name is on disk before the file is cut.
    SyncFolder(File.Folder);
    bool touched = false;
    error = Rewrite(fd, Pieces, System, touched);
    // The old bytes go back under the same lock: no other writer's save is
    // ever overwritten with them.
    bool restored = false;
    if (error != 0 && touched) {
        const std::string_view oldBytes = old;
        bool cutAgain = false;
        restored = Rewrite(fd, std::span(&oldBytes, 1), System, cutAgain) == 0;
    }
    const int closeError = System.Close(fd);
    if (error == 0 && closeError == 0) {
        System.Remove(File.Temp);
        return;
    }
    if (!touched || restored)
        fail(error);
    RaiseCreateError(
        File.Target,
        SysErrorMessage(error != 0 ? error : closeError)
            + Format("\n書き換えの途中で失敗し、元にも戻せませんでした。保存する内容はすべて \"%s\" にあります。",
                     ShownOsPath(File.Temp).c_str()));
}

} // namespace

} // namespace files

EFWriteError::EFWriteError(const std::string& Message, std::string Reason)
    : EFCreateError(Message), Reason_(std::move(Reason))
{}

bool CanReplaceIn(const std::string& FileName)
{
    const std::string path = OsPath(FileName);
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    return access(folder.c_str(), W_OK | X_OK) == 0;
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

void WriteFileAtomic(const std::string& FileName, std::string_view Data, TFileSystem& System, const TMadeFrom& MadeFrom)
{
    WriteFileAtomic(FileName, std::span(&Data, 1), System, MadeFrom);
}

void WriteFileAtomic(const std::string& FileName, std::span<const std::string_view> Pieces, TFileSystem& System,
                     const TMadeFrom& MadeFrom)
{
    TReplacement file = StartReplacement(FileName, MadeFrom);
    TCopiesByName copies = SweepFolder(file.Folder, {file.Name}, System);
    file.Copies = std::move(copies[file.Name]);
    std::vector<std::string> spent = CopiesLikeTarget(file);
    WriteTemp(file, Pieces, true, System);
    PutInPlace(file, Pieces, System);
    RemoveSpentCopies(file, std::move(spent), System);
    SyncFolder(file.Folder);
}

void WriteFilesAtomic(std::span<const TFileWrite> Files, TFileSystem& System)
{
    std::vector<TReplacement> files;
    files.reserve(Files.size());
    std::map<std::string, TNames> namesByFolder;
    for (const TFileWrite& file : Files) {
        files.push_back(StartReplacement(file.FileName, file.MadeFrom));
        namesByFolder[files.back().Folder].insert(files.back().Name);
    }
    // The leftovers of dead writers go first, with one pass over each folder.
    std::map<std::string, TCopiesByName> copiesByFolder;
    for (const auto& [folder, names] : namesByFolder)
        copiesByFolder[folder] = SweepFolder(folder, names, System);
    std::vector<std::vector<std::string>> spent(files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        files[i].Copies = std::move(copiesByFolder[files[i].Folder][files[i].Name]);
        spent[i] = CopiesLikeTarget(files[i]);
    }

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
        try {
            PutInPlace(files[i], std::span(&Files[i].Data, 1), System);
        } catch (...) {
            removeTemps(i + 1);
            throw;
        }
        RemoveSpentCopies(files[i], std::move(spent[i]), System);
    }
    for (const auto& [folder, names] : namesByFolder)
        SyncFolder(folder);
}

#include "Files.h"

#include "AccessList.h"
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
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <optional>
#include <pwd.h>
#include <set>
#include <signal.h>
#include <sys/stat.h>
#include <tuple>
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

[[noreturn]] void RaiseCreateError(const std::string& Path, const std::string& Reason)
{
    throw EFWriteError(Format("ファイル \"%s\" を作成できません。%s", ShownOsPath(Path).c_str(), Reason.c_str()),
                       Reason);
}

[[noreturn]] void RaiseCreateError(const std::string& Path, int Error)
{
    RaiseCreateError(Path, SysErrorMessage(Error));
}

// The whole file OsName into Data: 0, or the errno of what kept it from
// being read (EFBIG past MaxBytes, EISDIR or EINVAL for what is not a
// regular file).
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

// The whole copy a rewrite in place writes first is named for the user to
// see and open: "<stem>.save-copy-<n><extension>" beside the target, the
// extension kept so that the open dialog's filter lists it.
constexpr std::string_view CopyMark = ".save-copy-";

std::pair<std::string_view, std::string_view> StemAndExtension(std::string_view Name)
{
    const size_t dot = Name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return {Name, {}};
    return {Name.substr(0, dot), Name.substr(dot)};
}

// "<stem><Mark><Number><extension>" of Name.
std::string MarkedName(std::string_view Name, std::string_view Mark, int Number)
{
    const auto [stem, extension] = StemAndExtension(Name);
    return std::string(stem).append(Mark).append(std::to_string(Number)).append(extension);
}

std::string CopyName(std::string_view Name, int Number) { return MarkedName(Name, CopyMark, Number); }

// The target name of a save copy "<stem>.save-copy-<n><extension>" and
// its number; nothing for any other entry.
std::optional<std::pair<std::string, int>> CopyOwner(std::string_view Entry)
{
    const size_t mark = Entry.rfind(CopyMark);
    if (mark == std::string_view::npos)
        return std::nullopt;
    const std::string_view rest = Entry.substr(mark + CopyMark.size());
    int number = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
    if (error != std::errc() || number <= 0)
        return std::nullopt;
    std::string name(Entry.substr(0, mark));
    name.append(end, rest.data() + rest.size());
    if (CopyName(name, number) != Entry)
        return std::nullopt;
    return std::pair(std::move(name), number);
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

// More copies than anyone keeps: a folder full of them is refused.
constexpr int MaxCopies = 10000;

// Gives the complete file open as Fd the first copy name of Name in Folder
// not taken (an earlier copy is never replaced): 0 with Copy its path, or
// the errno.
int LinkCopy(const std::string& Folder, std::string_view Name, int Fd, TFileSystem& System, std::string& Copy)
{
    for (int number = 1; number <= MaxCopies; ++number) {
        const std::string copy = Folder + CopyName(Name, number);
        const int error = System.LinkAs(Fd, copy);
        if (error == EEXIST)
            continue;
        if (error == 0)
            Copy = copy;
        return error;
    }
    return EEXIST;
}

// Reads Size bytes from Fd into Buffer: false at the end of the file first.
bool ReadFully(int Fd, char* Buffer, size_t Size)
{
    while (Size > 0) {
        const ssize_t n = ::read(Fd, Buffer, Size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        Buffer += n;
        Size -= static_cast<size_t>(n);
    }
    return true;
}

// The files A and B both begin with the same Length bytes. Read a piece at
// a time: the files may be as large as any document.
bool SameStart(const std::string& A, const std::string& B, uint64_t Length)
{
    FileDescriptor a(::open(A.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    FileDescriptor b(::open(B.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (a.Get() < 0 || b.Get() < 0)
        return false;
    constexpr size_t pieceSize = 65536;
    std::vector<char> pieceA(pieceSize), pieceB(pieceSize);
    while (Length > 0) {
        const auto piece = static_cast<size_t>(std::min<uint64_t>(Length, pieceSize));
        if (!ReadFully(a.Get(), pieceA.data(), piece) || !ReadFully(b.Get(), pieceB.data(), piece)
            || std::memcmp(pieceA.data(), pieceB.data(), piece) != 0)
            return false;
        Length -= piece;
    }
    return true;
}

bool SameBytes(const std::string& A, const std::string& B)
{
    struct stat a, b;
    return stat(A.c_str(), &a) == 0 && stat(B.c_str(), &b) == 0 && a.st_size == b.st_size
           && SameStart(A, B, static_cast<uint64_t>(a.st_size));
}

// Whole holds more than Target and begins with all Target holds: a rewrite
// in place of Target was cut short and Whole is the whole document.
bool IsCutShortBy(const std::string& Target, const std::string& Whole)
{
    struct stat target, whole;
    return stat(Target.c_str(), &target) == 0 && stat(Whole.c_str(), &whole) == 0 && target.st_size < whole.st_size
           && SameStart(Target, Whole, static_cast<uint64_t>(target.st_size));
}

// Gives the temporary file Temp in Folder the first copy name of Name not
// taken, in place of its own: the copy's path, or "" when the folder
// refuses.
std::string KeepAsCopy(const std::string& Folder, std::string_view Name, const std::string& Temp, TFileSystem& System)
{
    FileDescriptor fd(::open(Temp.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    std::string copy;
    if (fd.Get() < 0 || LinkCopy(Folder, Name, fd.Get(), System, copy) != 0)
        return {};
    System.Remove(Temp);
    return copy;
}

using TNames = std::set<std::string, std::less<>>;
// The save copies beside each target, by the target's name.
using TCopiesByName = std::map<std::string, std::vector<std::string>, std::less<>>;

// One pass over Folder for the targets Names written in it, however many:
// removes the temporary files that writers now gone left (one that is the
// only whole document of a target cut short gets a copy's name the user
// sees instead), and gives the save copies beside each target.
TCopiesByName SweepFolder(const std::string& Folder, const TNames& Names, TFileSystem& System)
{
    TCopiesByName copies;
    DIR* dir = opendir(Folder.c_str());
    if (!dir)
        return copies;
    while (const dirent* entry = readdir(dir)) {
        if (const auto copy = CopyOwner(entry->d_name)) {
            if (Names.contains(copy->first))
                copies[copy->first].push_back(Folder + entry->d_name);
            continue;
        }
        const auto owner = TempOwner(entry->d_name);
        if (!owner || !Names.contains(owner->first) || MayStillWrite(owner->second))
            continue;
        const std::string temp = Folder + entry->d_name;
        if (!IsCutShortBy(Folder + std::string(owner->first), temp))
            System.Remove(temp);
        else
            KeepAsCopy(Folder, owner->first, temp, System);
    }
    closedir(dir);
    return copies;
}

// A file found beside a target, with what stat gave of it.
struct TFound {
    std::string Path;
    struct stat Stat;
    // A temporary file, not a copy the user sees.
    bool Hidden = false;
};

// The save copies beside the target Name in Folder; with Hidden also the
// temporary files that writers now gone left for it.
std::vector<TFound> CopiesBeside(const std::string& Folder, std::string_view Name, bool Hidden)
{
    std::vector<TFound> found;
    DIR* dir = opendir(Folder.c_str());
    if (!dir)
        return found;
    while (const dirent* entry = readdir(dir)) {
        const auto copy = CopyOwner(entry->d_name);
        const auto temp = Hidden && !copy ? TempOwner(entry->d_name) : std::nullopt;
        if (!(copy && copy->first == Name) && !(temp && temp->first == Name && !MayStillWrite(temp->second)))
            continue;
        TFound file{Folder + entry->d_name, {}, !copy};
        if (stat(file.Path.c_str(), &file.Stat) == 0 && S_ISREG(file.Stat.st_mode))
            found.push_back(std::move(file));
    }
    closedir(dir);
    return found;
}

bool NewerThan(const struct stat& A, const struct stat& B)
{
    return std::tuple(A.st_mtim.tv_sec, A.st_mtim.tv_nsec) > std::tuple(B.st_mtim.tv_sec, B.st_mtim.tv_nsec);
}

// The folder of the path Target, ending in "/", and Target's name in it.
std::pair<std::string, std::string> FolderAndName(const std::string& Target)
{
    const size_t slash = Target.rfind('/');
    if (slash == std::string::npos)
        return {"./", Target};
    return {Target.substr(0, slash + 1), Target.substr(slash + 1)};
}

} // namespace

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

std::string SaveCopyBeside(const std::string& FileName)
{
    std::string target;
    struct stat cut;
    if (FollowLinks(OsPath(FileName), target) != 0 || stat(target.c_str(), &cut) != 0)
        return {};
    const auto [folder, name] = FolderAndName(target);
    // Which copy the file is the start of, not which is newest: a touch, a
    // restore or a copy of the folder changes the times. Only among copies
    // it begins alike (an empty file begins them all) do the times choose:
    // the save that cut the file wrote its copy just before, so the last
    // copy written before the file is likelier than one written after it.
    const auto likelier = [&](const TFound& A, const TFound& B) {
        const bool beforeA = !NewerThan(A.Stat, cut), beforeB = !NewerThan(B.Stat, cut);
        return beforeA != beforeB ? beforeA : NewerThan(A.Stat, B.Stat);
    };
    std::optional<TFound> whole;
    for (TFound& copy : CopiesBeside(folder, name, true)) {
        if (copy.Stat.st_size <= cut.st_size || !SameStart(target, copy.Path, static_cast<uint64_t>(cut.st_size)))
            continue;
        if (copy.Hidden) {
            // Hidden, it could not be opened from the program.
            if (std::string visible = KeepAsCopy(folder, name, copy.Path, SystemFileSystem()); !visible.empty())
                copy.Path = std::move(visible);
        }
        if (!whole || likelier(copy, *whole))
            whole = std::move(copy);
    }
    return whole ? FromOsPath(whole->Path) : std::string();
}

std::vector<std::string> NewerSaveCopiesBeside(const std::string& FileName)
{
    std::string target;
    struct stat file;
    if (FollowLinks(OsPath(FileName), target) != 0 || stat(target.c_str(), &file) != 0)
        return {};
    const auto [folder, name] = FolderAndName(target);
    std::vector<TFound> newer = CopiesBeside(folder, name, false);
    std::erase_if(newer,
                  [&](const TFound& Copy) { return NewerThan(file, Copy.Stat) || SameBytes(target, Copy.Path); });
    std::sort(newer.begin(), newer.end(), [](const TFound& A, const TFound& B) { return NewerThan(A.Stat, B.Stat); });
    std::vector<std::string> names;
    for (const TFound& copy : newer)
        names.push_back(FromOsPath(copy.Path));
    return names;
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

void WriteFileAtomic(const std::string& FileName, std::string_view Data, TFileSystem& System, const TMadeFrom& MadeFrom)
{
    WriteFileAtomic(FileName, std::span(&Data, 1), System, MadeFrom);
}

namespace {

// A file being replaced: written to Temp beside Target, then put in its
// place once written and flushed.
struct TReplacement {
    std::string Target;
    std::string Folder;
    // The target's name in Folder.
    std::string Name;
    std::string Temp;
    // What the new file is made from, its file in the system's form.
    TMadeFrom MadeFrom;
    // The system lets Temp have neither the target's owner nor its group,
    // or refuses to rename it over the target: the target is rewritten in
    // place instead of replaced, and Temp is a whole copy under a name the
    // user sees.
    bool InPlace = false;
    // The save copies that earlier rewrites in place left beside the
    // target.
    std::vector<std::string> Copies;
};

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

// Writes the temporary file with the owner, group and permissions
// WantedOwnership gives (a new file's permissions from the umask),
// flushing it to disk when Flush; removes it on failure. An unnamed
// temporary file gets its name only once it is complete, so a process
// killed while writing leaves nothing behind.
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

void SyncFolder(const std::string& Folder)
{
    FileDescriptor dir(::open(Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        fsync(dir.Get());
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

// The save copies beside File that hold the same bytes as its target: a
// rewrite in place that was not cut short left them, or the user saved
// what they hold. They hold nothing the target does not, and are taken
// out of File's copies.
std::vector<std::string> CopiesLikeTarget(TReplacement& File)
{
    std::vector<std::string> same;
    std::erase_if(File.Copies, [&](const std::string& Copy) {
        const bool like = SameBytes(File.Target, Copy);
        if (like)
            same.push_back(Copy);
        return like;
    });
    return same;
}

// Once the target is written, the save copies that held the same bytes as
// it before or after the write go.
void RemoveSpentCopies(TReplacement& File, std::vector<std::string> SameBefore, TFileSystem& System)
{
    for (const std::string& copy : CopiesLikeTarget(File))
        SameBefore.push_back(copy);
    for (const std::string& copy : SameBefore)
        System.Remove(copy);
}

} // namespace

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

// ---- Files written beside a document, never over one ----

namespace {

// A version's stem without its number, and the number the next version
// starts from: "doc (2)" goes on as "doc (3)", not as "doc (2) (2)".
std::pair<std::string_view, int> VersionBase(std::string_view Stem)
{
    const size_t open = Stem.rfind(" (");
    int number = 0;
    if (open != std::string_view::npos && Stem.ends_with(')')) {
        const char* first = Stem.data() + open + 2;
        const char* last = Stem.data() + Stem.size() - 1;
        const auto [end, error] = std::from_chars(first, last, number);
        if (error == std::errc() && end == last && first != last && *first != '0' && number < MaxCopies)
            return {Stem.substr(0, open), number + 1};
    }
    return {Stem, 2};
}

// The name of the Number-th file of Kind beside the file named Name.
std::string BesideName(std::string_view Name, TBesideName Kind, int Number)
{
    if (Kind == TBesideName::SaveCopy)
        return CopyName(Name, Number);
    if (Kind == TBesideName::Original)
        return MarkedName(Name, ".original-", Number);
    const auto [stem, extension] = StemAndExtension(Name);
    return std::string(VersionBase(stem).first)
        .append(" (")
        .append(std::to_string(Number))
        .append(")")
        .append(extension);
}

} // namespace

std::string WriteBeside(const std::string& FileName, std::span<const std::string_view> Pieces, TBesideName Kind,
                        TFileSystem& System)
{
    // The temporary file is named after the document, so that one a killed
    // process left is dealt with by the document's next save.
    TReplacement file = StartReplacement(FileName, {FileName, TMadeFrom::Copy});
    int number = Kind == TBesideName::NextVersion ? VersionBase(StemAndExtension(file.Name).first).second : 1;
    struct stat st;
    while (number < MaxCopies && lstat((file.Folder + BesideName(file.Name, Kind, number)).c_str(), &st) == 0)
        ++number;
    // The file meant: a new one, so it takes the document's group and
    // permissions, and the messages name it.
    file.Target = file.Folder + BesideName(file.Name, Kind, number);
    WriteTemp(file, Pieces, true, System);
    FileDescriptor fd(::open(file.Temp.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    int error = fd.Get() < 0 ? errno : EEXIST;
    std::string made;
    // Linked, not renamed: a name taken since it was looked at is passed by.
    for (; fd.Get() >= 0 && error == EEXIST && number <= MaxCopies; ++number) {
        made = file.Folder + BesideName(file.Name, Kind, number);
        error = System.LinkAs(fd.Get(), made);
    }
    System.Remove(file.Temp);
    if (error != 0)
        RaiseCreateError(file.Target, error);
    SyncFolder(file.Folder);
    return FromOsPath(made);
}

bool SameFile(const std::string& A, const std::string& B)
{
    struct stat a, b;
    return stat(OsPath(A).c_str(), &a) == 0 && stat(OsPath(B).c_str(), &b) == 0 && a.st_dev == b.st_dev
           && a.st_ino == b.st_ino;
}

TFileWriters WritersOf(const std::string& FileName)
{
    struct stat st;
    if (stat(OsPath(FileName).c_str(), &st) != 0)
        return {};
    TFileWriters writers;
    writers.SharedForWriting = (st.st_mode & (S_IWGRP | S_IWOTH)) != 0;
    if (st.st_uid != geteuid()) {
        const passwd* owner = getpwuid(st.st_uid);
        writers.OtherOwner = owner ? owner->pw_name : std::to_string(st.st_uid);
    }
    return writers;
}

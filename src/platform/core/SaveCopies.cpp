// The save copies a rewrite in place leaves beside a file
// ("<name>.save-copy-<n>.vk2"): their names, the one a file cut short is the
// start of, those newer than the file, and those the next write removes; and
// the temporary files that writers now gone left, which the next write
// sweeps.
#include "Files.h"

#include "FileSystem.h"
#include "FileWriting.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <signal.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace files;

namespace files {

namespace {

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

constexpr std::string_view CopyMark = ".save-copy-";

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

} // namespace

std::string TempPrefix(const std::string& Name) { return "." + Name + ".~"; }

std::pair<std::string_view, std::string_view> StemAndExtension(std::string_view Name)
{
    const size_t dot = Name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return {Name, {}};
    return {Name.substr(0, dot), Name.substr(dot)};
}

std::string MarkedName(std::string_view Name, std::string_view Mark, int Number)
{
    const auto [stem, extension] = StemAndExtension(Name);
    return std::string(stem).append(Mark).append(std::to_string(Number)).append(extension);
}

std::string CopyName(std::string_view Name, int Number) { return MarkedName(Name, CopyMark, Number); }

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

std::string KeepAsCopy(const std::string& Folder, std::string_view Name, const std::string& Temp, TFileSystem& System)
{
    FileDescriptor fd(::open(Temp.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    std::string copy;
    if (fd.Get() < 0 || LinkCopy(Folder, Name, fd.Get(), System, copy) != 0)
        return {};
    System.Remove(Temp);
    return copy;
}

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

void RemoveSpentCopies(TReplacement& File, std::vector<std::string> SameBefore, TFileSystem& System)
{
    for (const std::string& copy : CopiesLikeTarget(File))
        SameBefore.push_back(copy);
    for (const std::string& copy : SameBefore)
        System.Remove(copy);
}

namespace {

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

} // namespace

} // namespace files

TTempWriterCheck SetTempWriterCheck(TTempWriterCheck Check)
{
    return std::exchange(InstalledTempWriterCheck(), std::move(Check));
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

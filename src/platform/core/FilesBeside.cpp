// Files written beside a document, never over one (WriteBeside): a save
// copy, the user's next version, the document as it was opened; and what
// tells whether a file is another's: two names of one file, its writers.
#include "Files.h"

#include "FileWriting.h"

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace files;

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

// What the files behind Files.h share: the file being replaced and its
// temporary file (AtomicWrite.cpp), the save copies and the temporary files
// of writers now gone beside it (SaveCopies.cpp), and a whole file read by its
// name in the system's form (Files.cpp). FilesBeside.cpp writes a new file
// beside a document with the same parts.
#pragma once

#include "FileSystem.h"
#include "Files.h"

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

namespace files {

// An open file, closed when it goes.
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

// The whole file OsName into Data: 0, or the errno of what kept it from
// being read (EFBIG past MaxBytes, EISDIR or EINVAL for what is not a
// regular file).
int ReadWhole(const std::string& OsName, uint64_t MaxBytes, std::string& Data);

// ---- Replacing a file (AtomicWrite.cpp) ----

// Raises EFWriteError: the file Path (the system's form) cannot be made, for
// Reason (a sentence) or for the system's reason Error.
[[noreturn]] void RaiseCreateError(const std::string& Path, const std::string& Reason);
[[noreturn]] void RaiseCreateError(const std::string& Path, int Error);

// Path, or the last of the symbolic links it leads through. A link whose
// target is gone leads to the name it points to: the write makes that file.
// Gives 0, or the errno of a link that cannot be read or a loop.
int FollowLinks(const std::string& Path, std::string& Target);

// The folder of the path Target, ending in "/", and Target's name in it.
std::pair<std::string, std::string> FolderAndName(const std::string& Target);

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

// The file a write of FileName replaces (WriteTarget), with its folder, its
// name and a temporary name that tells this process wrote it (TempPrefix).
TReplacement StartReplacement(const std::string& FileName, const TMadeFrom& MadeFrom);

// Writes the temporary file with the owner, group and permissions
// WantedOwnership gives (a new file's permissions from the umask),
// flushing it to disk when Flush; removes it on failure. An unnamed
// temporary file gets its name only once it is complete, so a process
// killed while writing leaves nothing behind.
void WriteTemp(TReplacement& File, std::span<const std::string_view> Pieces, bool Flush, TFileSystem& System);

// Flushes to disk the names in Folder: files made, renamed or removed.
void SyncFolder(const std::string& Folder);

// ---- Save copies and temporary files beside a target (SaveCopies.cpp) ----

// The temporary files of a target are named ".<name>.~<pid>~XXXXXX", so
// that a later write can tell those of a process that died between naming
// its file and renaming it over the target, and remove them.
std::string TempPrefix(const std::string& Name);

// Name as its stem and its extension (from the last dot on); no extension
// when Name has no dot or only a leading one.
std::pair<std::string_view, std::string_view> StemAndExtension(std::string_view Name);
// "<stem><Mark><Number><extension>" of Name.
std::string MarkedName(std::string_view Name, std::string_view Mark, int Number);
// The whole copy a rewrite in place writes first is named for the user to
// see and open: "<stem>.save-copy-<n><extension>" beside the target, the
// extension kept so that the open dialog's filter lists it.
std::string CopyName(std::string_view Name, int Number);

// More copies than anyone keeps: a folder full of them is refused.
inline constexpr int MaxCopies = 10000;

// Gives the complete file open as Fd the first copy name of Name in Folder
// not taken (an earlier copy is never replaced): 0 with Copy its path, or
// the errno.
int LinkCopy(const std::string& Folder, std::string_view Name, int Fd, TFileSystem& System, std::string& Copy);
// Gives the temporary file Temp in Folder the first copy name of Name not
// taken, in place of its own: the copy's path, or "" when the folder
// refuses.
std::string KeepAsCopy(const std::string& Folder, std::string_view Name, const std::string& Temp, TFileSystem& System);

using TNames = std::set<std::string, std::less<>>;
// The save copies beside each target, by the target's name.
using TCopiesByName = std::map<std::string, std::vector<std::string>, std::less<>>;

// One pass over Folder for the targets Names written in it, however many:
// removes the temporary files that writers now gone left (one that is the
// only whole document of a target cut short gets a copy's name the user
// sees instead), and gives the save copies beside each target.
TCopiesByName SweepFolder(const std::string& Folder, const TNames& Names, TFileSystem& System);

// The save copies beside File that hold the same bytes as its target: a
// rewrite in place that was not cut short left them, or the user saved
// what they hold. They hold nothing the target does not, and are taken
// out of File's copies.
std::vector<std::string> CopiesLikeTarget(TReplacement& File);
// Once the target is written, the save copies that held the same bytes as
// it before or after the write go.
void RemoveSpentCopies(TReplacement& File, std::vector<std::string> SameBefore, TFileSystem& System);

} // namespace files

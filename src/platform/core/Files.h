// Reading and writing whole files. File names inside the program are
// Shift-JIS like all its text; they become UTF-8 only here, where they are
// handed to the system (OsPath.h).
#pragma once

#include "FileSystem.h"
#include "OsPath.h"
#include "SysUtils.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

// A write that did not happen: the message names the file and gives the
// system's reason, which Reason() gives alone (a sentence as
// SysErrorMessage words it) for messages that name the file their own way.
class EFWriteError : public EFCreateError {
public:
    EFWriteError(const std::string& Message, std::string Reason);
    const std::string& Reason() const { return Reason_; }

private:
    std::string Reason_;
};

bool FileExists(const std::string& FileName);
bool DirectoryExists(const std::string& FileName);

// The file's folder lets this user make and rename files in it, which
// replacing the file needs.
bool CanReplaceIn(const std::string& FileName);

// The whole file. Raises EFOpenError when it cannot be opened or read, is
// not a regular file (a folder, FIFO or device), or is larger than MaxBytes.
std::string ReadFileBytes(const std::string& FileName, uint64_t MaxBytes = UINT64_MAX);
// The same into Data without raising: 0, or the errno of what kept it from
// being read (EISDIR a folder, EINVAL another file that is not a regular
// one, EFBIG larger than MaxBytes).
int TryReadFileBytes(const std::string& FileName, std::string& Data, uint64_t MaxBytes = UINT64_MAX);

// The file a write of FileName replaces, in the system's form: FileName,
// or the file its symbolic links lead to, which the write makes when it
// is gone. Raises EFWriteError when that is something other than a
// regular file (a folder, a device, a FIFO) or the links loop.
std::string WriteTarget(const std::string& FileName);

// What a file written from another is made from: who may read it follows
// from that file (the program's name of a document).
struct TMadeFrom {
    enum TKind {
        // A file output from it (text, HTML): one that exists keeps its own
        // owner, group and permissions, as the document does; a new one
        // takes the document's.
        Output,
        // A whole copy of it (its backup): always takes its group and
        // permissions, as far as the system lets it.
        Copy,
    };
    std::string File;
    TKind Kind = Output;
};

// Writes Data to a temporary file in the target's folder (WriteTarget), flushes
// it to disk and renames it over the target, keeping the old file's
// permissions, owner, group and access list. A file MadeFrom another takes that
// one's group and permissions as TMadeFrom says, and its owner when it is new,
// as far as the system lets it: it is never more open to others than what it is
// made from. Where the system keeps this user from giving the new file the
// owner, it keeps the group alone (a member of a shared group folder saving
// another member's file); where it refuses the group too, the file gives its
// group no access, the group it has being another. Where it allows neither, or
// refuses the owner of a file with an access list (which would then speak of
// the saver), or refuses the rename (a folder with the sticky bit, where only a
// file's owner may replace it), the complete temporary file is first named
// beside the target as a copy the user sees and can open
// ("<name>.save-copy-<n><extension>", a name not taken), then the target is
// rewritten in place, which keeps all it has, and the copy goes. One rewrite in
// place of a file runs at a time: a record lock on the file makes a second
// writer, in this process or another, on this machine or another, wait until
// the first is done. Should that rewrite fail, the old bytes are written back;
// should they fail too, the copy stays and the message names it. A process
// killed during the rewrite leaves the copy; a later write removes it only once
// it holds the same bytes as the target before or after that write. On any
// other failure the old file is untouched and EFWriteError is raised; a folder
// that refuses the temporary file is named as the reason. The temporary file
// has no name until it is complete where the file system allows; a named one
// that a process killed before its rename left is removed by the next write.
// The file-system calls go through System (tests make them fail).
void WriteFileAtomic(const std::string& FileName, std::string_view Data, TFileSystem& System = SystemFileSystem(),
                     const TMadeFrom& MadeFrom = {});
// The same with the data given in pieces, written one after the other.
void WriteFileAtomic(const std::string& FileName, std::span<const std::string_view> Pieces,
                     TFileSystem& System = SystemFileSystem(), const TMadeFrom& MadeFrom = {});

// The whole copy that a rewrite in place of FileName left beside it and
// that FileName, cut short, is the start of, or "" when there is none; the
// program's name. Should several begin alike, the last written before the
// file is named, or the newest. A hidden temporary file an earlier writer
// left holding that whole copy is first given a copy's name the user sees,
// as the next write would, where the folder lets it.
std::string SaveCopyBeside(const std::string& FileName);
// The copies a rewrite in place left beside FileName that differ from it
// and are not older than it, newest first: a save stopped before it
// rewrote the file left what it saved only there.
std::vector<std::string> NewerSaveCopiesBeside(const std::string& FileName);

// The file (or the file its links lead to) is a regular file and its user
// keeps it as it is: it has no write bit, which counts for root too, or
// this user may not write it. A document that is opens read-only.
bool IsKeptReadOnly(const std::string& FileName);
// The reason for not replacing such a file, for CannotWriteMessage.
std::string KeptReadOnlyReason();
// Such a file that is kept only because another user owns it: it has a
// write bit, but not for this user.
bool IsOtherUsersFile(const std::string& FileName);
// KeptReadOnlyReason, or for another user's file that it is that user's.
std::string KeptReadOnlyReason(const std::string& FileName);

// The message of a read that did not happen, for the errno value Error:
// "ファイル "<file name>" を開けません。" and the reason.
std::string CannotOpenMessage(const std::string& FileName, int Error);
// The message of a write that did not happen: "<file name> に書き込めません",
// then Reason on a line of its own when there is one.
std::string CannotWriteMessage(const std::string& FileName, std::string_view Reason = {});
// The reason for a file the program left as it is rather than replace:
// Because (a clause ending in "ので"), then that the file was kept.
std::string KeptAsItIs(std::string_view Because);

// Whether the process Pid may still be renaming a temporary file it named;
// the next write removes the leftovers of those that cannot. Without a
// check installed, any process with that id counts, which a reused id
// after a reboot or in a container fools: the instance registry installs
// one that asks whether Pid is a running instance of the program.
// Returns the check it replaces.
using TTempWriterCheck = std::function<bool(pid_t Pid)>;
TTempWriterCheck SetTempWriterCheck(TTempWriterCheck Check);

// One file of a set written together.
struct TFileWrite {
    std::string FileName;
    std::string_view Data;
    // As WriteFileAtomic's MadeFrom.
    TMadeFrom MadeFrom = {};
};
// Writes every file to a temporary file beside it, flushes them to disk
// together and only then puts each in its target's place, keeping owners,
// groups and permissions as WriteFileAtomic does. A failure before that leaves every
// old file as it was; a failure to put one in place leaves the files put
// before it. Raises EFWriteError naming the file.
void WriteFilesAtomic(std::span<const TFileWrite> Files, TFileSystem& System = SystemFileSystem());

// ---- Files written beside a document, never over one ----

// How a file written beside another is named: in its folder, with its
// extension, so that the open dialog's filter lists it.
enum class TBesideName {
    // "<stem>.save-copy-<n><extension>" from 1: edits no one could be asked
    // about, which the next open of the document tells of (SaveCopyBeside).
    SaveCopy,
    // "<stem> (<n>)<extension>" from 2: the user's own next version of the
    // document, kept beside another's; a version "<stem> (<k>)" goes on
    // from k + 1.
    NextVersion,
    // "<stem>.original-<n><extension>" from 1: a document's file as it was
    // opened, kept before a save writes over what the open may have misread.
    Original,
};
// Writes Pieces as a new file beside FileName (beside the file its links
// lead to), under the first name of Kind that nothing has: a file is never
// replaced, not even one made meanwhile. The file is complete and flushed
// to disk before it has that name, and it takes FileName's group and
// permissions as a file WriteFileAtomic writes MadeFrom it does. Returns its
// name (the program's form). Raises EFWriteError naming the file it meant
// to make.
std::string WriteBeside(const std::string& FileName, std::span<const std::string_view> Pieces, TBesideName Kind,
                        TFileSystem& System = SystemFileSystem());

// Whether the names A and B lead to one file now (its device and inode):
// another spelling, a symbolic link, a hard link. Not when either is gone.
bool SameFile(const std::string& A, const std::string& B);

// Who besides this user may have written a file.
struct TFileWriters {
    // Its owner's user name (or number) when another user owns it, else "".
    std::string OtherOwner;
    // Its permissions let its group or everyone write it.
    bool SharedForWriting = false;
};
TFileWriters WritersOf(const std::string& FileName);

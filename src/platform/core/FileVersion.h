// What a file held when this program last read or wrote it, to tell before
// the next write whether another program changed it meanwhile: writing
// over such a file would throw the other program's work away unasked.
//
// The system's stamp of the file (which file it is, its size, the times of
// its last write and change) tells most of the time without reading it. A
// stamp that differs is not enough to call the file changed: a file merely
// touched, or copied back with the same bytes, holds what it held. Then the
// bytes decide, through their digest.
//
// Stamps are taken from the file opened, not from its name: a network file
// system may answer for a name from a cache up to a minute old, but fetches
// the stamp anew when the file is opened; and the stamp of the descriptor
// the bytes are read from is the stamp of those very bytes.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <sys/types.h>

struct TFileStamp {
    dev_t Device = 0;
    ino_t Inode = 0; // a file renamed over the old one is another inode
    off_t Size = 0;
    timespec Modified{};
    timespec Changed{};
};
bool operator==(const TFileStamp& A, const TFileStamp& B);

// The stamp of FileName (its links followed) and when it was taken.
struct TFileLook {
    std::optional<TFileStamp> Stamp; // none: there is no such file
    timespec Taken{};
};
TFileLook LookAt(const std::string& FileName);

// A file's bytes and its look, taken from the descriptor they were read
// from just before they were read.
struct TFileContents {
    std::string Bytes;
    TFileLook Look;
};
// FileName read whole. Raises EFOpenError when it cannot be opened or read,
// or is not a regular file (a folder, FIFO or device), as ReadFileBytes.
TFileContents ReadFileContents(const std::string& FileName);

// The system stamps writes with a clock that moves in ticks, as coarse as
// two seconds on some file systems: a write in the same tick as the one
// that gave Stamp leaves the same times and, at the same size, the same
// stamp. Only a stamp whose times were at least that old when it was taken
// cannot be met again by a later write.
bool StampIsSettled(const TFileStamp& Stamp, timespec Taken);

class TFileVersion {
public:
    // The file held Bytes (in pieces, one after the other) when Look was
    // taken of it. Look is taken before a read and after a write, so that
    // a write by another program in between changes the stamp.
    TFileVersion(const TFileLook& Look, std::span<const std::string_view> Bytes);
    TFileVersion(const TFileLook& Look, std::string_view Bytes);

    // Whether Current shows, without reading the file, that it still holds
    // the recorded bytes.
    bool StampVouches(const TFileStamp& Current) const;
    // Whether Current's size rules the recorded bytes out.
    bool SizeDiffers(const TFileStamp& Current) const;
    // Whether the file open as Fd holds the recorded bytes from where it
    // stands to its end. It is read in pieces of bounded size, however
    // large it is; a read that fails counts as other bytes.
    bool HeldInFile(int Fd) const;
    // The same bytes were found under Look: later checks go by its stamp.
    void Restamp(const TFileLook& Look);

private:
    std::optional<TFileStamp> Stamp_;
    bool Settled_ = false;
    uint64_t Size_ = 0;
    uint64_t Digest_ = 0;
};

// Whether FileName no longer holds what Known records, so that writing it
// would lose what another program put there. A file that is gone holds
// nothing to lose; one that cannot be read counts as changed, since
// nothing shows that it is not. Same bytes under a new stamp (the file
// touched, or replaced by a copy of itself) are not a change: Known takes
// the new stamp, so the next check need not read the file.
bool ChangedOnDisk(TFileVersion& Known, const std::string& FileName);

// What a file held when this program last read or wrote it, to tell before
// the next write whether another program changed it meanwhile: writing
// over such a file would throw the other program's work away unasked.
//
// The system's stamp of the file (which file it is, its size, the times of
// its last write and change) tells most of the time without reading it. A
// stamp that differs is not enough to call the file changed: a file merely
// touched, or copied back with the same bytes, holds what it held. Then the
// bytes decide, through their digest.
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
    bool Holds(std::string_view Bytes) const;
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

#include "FileVersion.h"

#include "Files.h"

#include <sys/stat.h>

namespace {

// The coarsest clock a file system stamps writes with (FAT's).
constexpr time_t StampTick = 2;

bool operator==(const timespec& A, const timespec& B) { return A.tv_sec == B.tv_sec && A.tv_nsec == B.tv_nsec; }

// A at least StampTick before B.
bool TickBefore(const timespec& A, const timespec& B)
{
    return B.tv_sec - A.tv_sec > StampTick || (B.tv_sec - A.tv_sec == StampTick && B.tv_nsec >= A.tv_nsec);
}

// FNV-1a in 64 bits: it streams over the pieces a write is made of, and
// bytes changed by chance give the same digest once in 2^64. Only this run
// compares digests, so none is ever stored.
uint64_t Digest(std::span<const std::string_view> Pieces)
{
    uint64_t digest = 14695981039346656037u;
    for (const std::string_view piece : Pieces)
        for (const char c : piece) {
            digest ^= static_cast<unsigned char>(c);
            digest *= 1099511628211u;
        }
    return digest;
}

} // namespace

bool operator==(const TFileStamp& A, const TFileStamp& B)
{
    return A.Device == B.Device && A.Inode == B.Inode && A.Size == B.Size && A.Modified == B.Modified
           && A.Changed == B.Changed;
}

TFileLook LookAt(const std::string& FileName)
{
    TFileLook look;
    clock_gettime(CLOCK_REALTIME, &look.Taken);
    struct stat st;
    if (stat(OsPath(FileName).c_str(), &st) == 0)
        look.Stamp = TFileStamp{st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
    return look;
}

bool StampIsSettled(const TFileStamp& Stamp, timespec Taken)
{
    return TickBefore(Stamp.Modified, Taken) && TickBefore(Stamp.Changed, Taken);
}

TFileVersion::TFileVersion(const TFileLook& Look, std::span<const std::string_view> Bytes)
{
    for (const std::string_view piece : Bytes)
        Size_ += piece.size();
    Digest_ = Digest(Bytes);
    Restamp(Look);
}

TFileVersion::TFileVersion(const TFileLook& Look, std::string_view Bytes) : TFileVersion(Look, std::span(&Bytes, 1)) {}

bool TFileVersion::StampVouches(const TFileStamp& Current) const { return Settled_ && Stamp_ && *Stamp_ == Current; }

bool TFileVersion::SizeDiffers(const TFileStamp& Current) const { return static_cast<uint64_t>(Current.Size) != Size_; }

bool TFileVersion::Holds(std::string_view Bytes) const { return Bytes.size() == Size_ && Digest(std::span(&Bytes, 1)) == Digest_; }

void TFileVersion::Restamp(const TFileLook& Look)
{
    Stamp_ = Look.Stamp;
    Settled_ = Look.Stamp && StampIsSettled(*Look.Stamp, Look.Taken);
}

bool ChangedOnDisk(TFileVersion& Known, const std::string& FileName)
{
    const TFileLook look = LookAt(FileName);
    if (!look.Stamp)
        return false;
    if (Known.StampVouches(*look.Stamp))
        return false;
    if (Known.SizeDiffers(*look.Stamp))
        return true;
    std::string bytes;
    if (TryReadFileBytes(FileName, bytes) != 0 || !Known.Holds(bytes))
        return true;
    Known.Restamp(look);
    return false;
}

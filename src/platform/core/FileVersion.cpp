#include "FileVersion.h"

#include "Files.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#define XXH_STATIC_LINKING_ONLY // the digest's state lives on the stack
#include <xxhash.h>

namespace {

// The coarsest clock a file system stamps writes with (FAT's).
constexpr time_t StampTick = 2;

bool operator==(const timespec& A, const timespec& B) { return A.tv_sec == B.tv_sec && A.tv_nsec == B.tv_nsec; }

// A at least StampTick before B.
bool TickBefore(const timespec& A, const timespec& B)
{
    return B.tv_sec - A.tv_sec > StampTick || (B.tv_sec - A.tv_sec == StampTick && B.tv_nsec >= A.tv_nsec);
}

TFileStamp StampOf(const struct stat& St) { return {St.st_dev, St.st_ino, St.st_size, St.st_mtim, St.st_ctim}; }

// 0 for a regular file, else the errno of reading what it is.
int NotRegularError(const struct stat& St) { return S_ISREG(St.st_mode) ? 0 : S_ISDIR(St.st_mode) ? EISDIR : EINVAL; }

// XXH3 in 64 bits, over the pieces one after the other: it digests a
// document of 41 MB in a few milliseconds, and bytes changed by chance give
// the same digest once in 2^64. Only this run compares digests, so none is
// ever stored.
class TDigest {
public:
    TDigest()
    {
        XXH3_INITSTATE(&State_);
        XXH3_64bits_reset(&State_);
    }
    void Add(std::string_view Bytes) { XXH3_64bits_update(&State_, Bytes.data(), Bytes.size()); }
    uint64_t Value() const { return XXH3_64bits_digest(&State_); }

private:
    XXH3_state_t State_;
};

// FileName open to be read, with its look. Only a regular file is opened:
// a FIFO or a device could block or never end. O_NONBLOCK: should a FIFO
// take the file's place meanwhile, opening it must not wait for a writer.
// A file that is there but cannot be opened is looked at by its name.
class TOpenFile {
public:
    explicit TOpenFile(const std::string& FileName)
    {
        clock_gettime(CLOCK_REALTIME, &Look_.Taken);
        const std::string path = OsPath(FileName);
        struct stat st;
        if (stat(path.c_str(), &st) != 0) {
            Error_ = errno;
            return;
        }
        Look_.Stamp = StampOf(st);
        Error_ = NotRegularError(st);
        if (Error_ != 0)
            return;
        Fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (Fd_ < 0) {
            Error_ = errno;
            if (Error_ == ENOENT)
                Look_.Stamp.reset();
            return;
        }
        if (fstat(Fd_, &st) != 0) {
            Error_ = errno;
            Close();
            return;
        }
        Look_.Stamp = StampOf(st);
        Error_ = NotRegularError(st);
        if (Error_ != 0)
            Close();
    }
    ~TOpenFile() { Close(); }
    TOpenFile(const TOpenFile&) = delete;
    TOpenFile& operator=(const TOpenFile&) = delete;

    // -1 when the file is not open; Error() tells why.
    int Fd() const { return Fd_; }
    int Error() const { return Error_; }
    const TFileLook& Look() const { return Look_; }

private:
    void Close()
    {
        if (Fd_ >= 0)
            ::close(Fd_);
        Fd_ = -1;
    }

    int Fd_ = -1;
    int Error_ = 0;
    TFileLook Look_;
};

// Reads the file open as Fd to its end through one buffer of bounded size,
// handing each piece to Take until it returns false: 0, or the errno.
template <typename TTake>
int ReadPieces(int Fd, TTake&& Take)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(Fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0 || !Take(std::string_view(buffer, static_cast<size_t>(n))))
            return 0;
    }
}

} // namespace

bool operator==(const TFileStamp& A, const TFileStamp& B)
{
    return A.Device == B.Device && A.Inode == B.Inode && A.Size == B.Size && A.Modified == B.Modified
           && A.Changed == B.Changed;
}

TFileLook LookAt(const std::string& FileName) { return TOpenFile(FileName).Look(); }

TFileContents ReadFileContents(const std::string& FileName)
{
    const TOpenFile file(FileName);
    TFileContents contents{{}, file.Look()};
    int error = file.Error();
    if (error == 0) {
        contents.Bytes.reserve(static_cast<size_t>(file.Look().Stamp->Size));
        error = ReadPieces(file.Fd(), [&](std::string_view Piece) {
            contents.Bytes += Piece;
            return true;
        });
    }
    if (error != 0)
        throw EFOpenError(CannotOpenMessage(FileName, error));
    return contents;
}

bool StampIsSettled(const TFileStamp& Stamp, timespec Taken)
{
    return TickBefore(Stamp.Modified, Taken) && TickBefore(Stamp.Changed, Taken);
}

TFileVersion::TFileVersion(const TFileLook& Look, std::span<const std::string_view> Bytes)
{
    TDigest digest;
    for (const std::string_view piece : Bytes) {
        digest.Add(piece);
        Size_ += piece.size();
    }
    Digest_ = digest.Value();
    Restamp(Look);
}

TFileVersion::TFileVersion(const TFileLook& Look, std::string_view Bytes) : TFileVersion(Look, std::span(&Bytes, 1)) {}

bool TFileVersion::StampVouches(const TFileStamp& Current) const { return Settled_ && Stamp_ && *Stamp_ == Current; }

bool TFileVersion::SizeDiffers(const TFileStamp& Current) const { return static_cast<uint64_t>(Current.Size) != Size_; }

bool TFileVersion::HeldInFile(int Fd) const
{
    TDigest digest;
    uint64_t size = 0;
    const int error = ReadPieces(Fd, [&](std::string_view Piece) {
        size += Piece.size();
        digest.Add(Piece);
        // Grown past the recorded bytes: no need to read on.
        return size <= Size_;
    });
    return error == 0 && size == Size_ && digest.Value() == Digest_;
}

void TFileVersion::Restamp(const TFileLook& Look)
{
    Stamp_ = Look.Stamp;
    Settled_ = Look.Stamp && StampIsSettled(*Look.Stamp, Look.Taken);
}

bool ChangedOnDisk(TFileVersion& Known, const std::string& FileName)
{
    const TOpenFile file(FileName);
    const TFileLook& look = file.Look();
    if (!look.Stamp)
        return false;
    if (Known.StampVouches(*look.Stamp))
        return false;
    if (Known.SizeDiffers(*look.Stamp))
        return true;
    if (file.Fd() < 0 || !Known.HeldInFile(file.Fd()))
        return true;
    Known.Restamp(look);
    return false;
}

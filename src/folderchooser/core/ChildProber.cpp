#include "ChildProber.h"

#include "ShellFolder.h"

#include <algorithm>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int64_t Nanoseconds(const timespec& Time) { return static_cast<int64_t>(Time.tv_sec) * 1000000000 + Time.tv_nsec; }

// Coarse file-system clocks (and FAT's two seconds) can give a change made
// just after a reading the same time as the reading saw.
constexpr int64_t kRacyNs = 2'100'000'000;

} // namespace

TChildProber::TChildProber(const TShellFolder& Folder)
    : Fd_(Folder.Path().empty() ? -1 : open(Folder.Path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)),
      Remote_(Folder.IsRemote())
{}

TChildProber::~TChildProber()
{
    if (Fd_ >= 0)
        close(Fd_);
}

uint32_t TChildProber::Probe(std::string_view Name, TProbeStamp& Stamp)
{
    Name_.assign(Name);
    uint32_t attributes = 0;
    struct stat st;
    if (Fd_ < 0 || fstatat(Fd_, Name_.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        Stamp = {};
        return 0;
    }
    if (S_ISLNK(st.st_mode)) {
        attributes |= SFGAO_LINK;
        if (fstatat(Fd_, Name_.c_str(), &st, 0) != 0) {
            Stamp = {};
            return attributes;
        }
    }
    if (!S_ISDIR(st.st_mode)) {
        Stamp = {};
        return attributes;
    }
    if (Remote_)
        return attributes | SFGAO_HASSUBFOLDER;
    const int64_t modified = Nanoseconds(st.st_mtim), changed = Nanoseconds(st.st_ctim);
    if (!Stamp.Trusted || Stamp.Device != st.st_dev || Stamp.Inode != st.st_ino || Stamp.ModifiedNs != modified
        || Stamp.ChangedNs != changed) {
        // Read after the status: a change in between makes the next status
        // differ from this stamp, so it is read again then.
        timespec now;
        clock_gettime(CLOCK_REALTIME, &now);
        const int fd = openat(Fd_, Name_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        Stamp = {st.st_dev,
                 st.st_ino,
                 modified,
                 changed,
                 Nanoseconds(now) - std::max(modified, changed) > kRacyNs,
                 fd >= 0 && HoldsDirectory(fd)};
    }
    return attributes | (Stamp.HasSubFolder ? SFGAO_HASSUBFOLDER : 0);
}

#include "DeleteFilesBelow.h"

#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A link to a folder shows as a folder, and folders stay.
bool LinksToFolder(int Fd, const char* Name)
{
    struct stat target;
    return fstatat(Fd, Name, &target, 0) == 0 && S_ISDIR(target.st_mode);
}

// Empties the open directory Fd (which it closes) and the directories
// below it on the same device.
int DeleteBelow(int Fd, dev_t Device)
{
    DIR* folder = fdopendir(Fd);
    if (!folder) {
        close(Fd);
        return 0;
    }
    int count = 0;
    while (const dirent* entry = readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat st;
        if (fstatat(Fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            if (st.st_dev != Device)
                continue;
            // O_NOFOLLOW: an entry swapped for a link since the stat is not entered.
            const int child = openat(Fd, entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child >= 0)
                count += DeleteBelow(child, Device);
        } else if (S_ISLNK(st.st_mode) ? !LinksToFolder(Fd, entry->d_name) : (st.st_mode & 0222) != 0) {
            if (unlinkat(Fd, entry->d_name, 0) == 0)
                ++count;
        }
    }
    closedir(folder);
    return count;
}

} // namespace

int DeleteFilesBelow(const std::string& Folder)
{
    if (Folder.empty())
        return 0;
    const int fd = open(Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    struct stat st;
    if (fstat(fd, &st) != 0) {
        close(fd);
        return 0;
    }
    return DeleteBelow(fd, st.st_dev);
}

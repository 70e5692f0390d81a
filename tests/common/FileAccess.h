// Whom a file belongs to and what its permissions allow, read around the
// program's own routines; and the user and group that tests running as
// root give a file to play another user's.
#pragma once

#include <string>
#include <sys/stat.h>
#include <sys/types.h>

// nobody, and the group users: never the tests' own.
constexpr uid_t kAnotherUser = 65534;
constexpr gid_t kAnotherGroup = 100;

struct TFileAccess {
    uid_t Owner = 0;
    gid_t Group = 0;
    mode_t Mode = 0; // the permission bits, set-id and sticky bits included
    bool operator==(const TFileAccess&) const = default;
};

inline TFileAccess AccessOf(const std::string& Path, ino_t* Inode = nullptr)
{
    struct stat st {};
    stat(Path.c_str(), &st);
    if (Inode)
        *Inode = st.st_ino;
    return {st.st_uid, st.st_gid, st.st_mode & 07777};
}

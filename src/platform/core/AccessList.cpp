#include "AccessList.h"

#include <cerrno>
#include <cstring>
#include <endian.h>
#include <linux/posix_acl.h>
#include <linux/posix_acl_xattr.h>
#include <sys/xattr.h>

namespace {

constexpr const char* AccessListAttribute = "system.posix_acl_access";

} // namespace

std::string AccessListOf(const std::string& OsPath)
{
    std::string list(256, '\0');
    ssize_t size = getxattr(OsPath.c_str(), AccessListAttribute, list.data(), list.size());
    if (size < 0 && errno == ERANGE) {
        size = getxattr(OsPath.c_str(), AccessListAttribute, nullptr, 0);
        list.resize(size > 0 ? static_cast<size_t>(size) : 0);
        size = getxattr(OsPath.c_str(), AccessListAttribute, list.data(), list.size());
    }
    list.resize(size > 0 ? static_cast<size_t>(size) : 0);
    return list;
}

mode_t PermissionBits(mode_t Mode, std::string_view List)
{
    if (List.size() < sizeof(posix_acl_xattr_header))
        return Mode;
    for (size_t at = sizeof(posix_acl_xattr_header); at + sizeof(posix_acl_xattr_entry) <= List.size();
         at += sizeof(posix_acl_xattr_entry)) {
        posix_acl_xattr_entry entry;
        std::memcpy(&entry, List.data() + at, sizeof entry);
        if (le16toh(entry.e_tag) == ACL_GROUP_OBJ)
            return static_cast<mode_t>((Mode & ~070u) | ((le16toh(entry.e_perm) & 07u) << 3));
    }
    return Mode;
}

bool GiveAccessList(int Fd, std::string_view List)
{
    return fsetxattr(Fd, AccessListAttribute, List.data(), List.size(), 0) == 0;
}

// A file's access list (POSIX ACL), which the system keeps beside its
// permission bits: read and given in the form the system stores it, so
// that a file written in another's place keeps it, and so that what stat
// shows of the group is not taken for the group's access.
#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

// The access list of the file OsPath, or "" for a file that has none
// beyond its permission bits.
std::string AccessListOf(const std::string& OsPath);

// The permission bits of a file whose mode is Mode and whose access list
// is List: with a list, stat gives in the group's place the mask over all
// its entries (the users it names, say), so the group's own are read from
// the list.
mode_t PermissionBits(mode_t Mode, std::string_view List);

// Gives the file open as Fd the access list List (the mode's group bits
// become its mask); false where the system refuses it.
bool GiveAccessList(int Fd, std::string_view List);

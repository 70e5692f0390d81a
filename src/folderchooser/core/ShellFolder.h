// One folder of the namespace: its children, their attributes, names and
// order. A folder is bound to its absolute item-ID list and knows its path
// ("" for Computer and Trash, which have none).
#pragma once

#include "ShellIDFunc.h"

#include <QString>
#include <cstdint>
#include <dirent.h>
#include <memory>
#include <string>
#include <vector>

class TShellNamespace;

// Attribute bits of an item.
constexpr uint32_t SFGAO_CANCOPY = 0x1;
constexpr uint32_t SFGAO_CANMOVE = 0x2;
constexpr uint32_t SFGAO_CANLINK = 0x4;
constexpr uint32_t SFGAO_CANRENAME = 0x10;
constexpr uint32_t SFGAO_CANDELETE = 0x20;
constexpr uint32_t SFGAO_DROPTARGET = 0x100;
constexpr uint32_t SFGAO_CAPABILITYMASK = 0x177;
constexpr uint32_t SFGAO_LINK = 0x10000;
constexpr uint32_t SFGAO_SHARE = 0x20000;
constexpr uint32_t SFGAO_READONLY = 0x40000;
constexpr uint32_t SFGAO_HIDDEN = 0x80000;
constexpr uint32_t SFGAO_FILESYSANCESTOR = 0x10000000;
constexpr uint32_t SFGAO_FOLDER = 0x20000000;
constexpr uint32_t SFGAO_FILESYSTEM = 0x40000000;
constexpr uint32_t SFGAO_HASSUBFOLDER = 0x80000000;

// What EnumObjects lists.
constexpr uint32_t SHCONTF_FOLDERS = 0x20;
constexpr uint32_t SHCONTF_NONFOLDERS = 0x40;
constexpr uint32_t SHCONTF_INCLUDEHIDDEN = 0x80;

class TShellFolder {
public:
    TShellFolder(const TShellNamespace& Namespace, TItemIDList Absolute, std::string Path);

    const TShellNamespace& Namespace() const { return Namespace_; }
    const TItemIDList& AbsoluteIDList() const { return Absolute_; }
    const std::string& Path() const { return Path_; }
    // Whether the folder lies on a network volume.
    bool IsRemote() const { return Remote_; }

    // The children as one-item lists, in the order the system gives them
    // ("." and ".." never; a name starting with '.' is hidden). False, with
    // no children, when the folder cannot be read.
    bool EnumObjects(uint32_t Flags, std::vector<TItemIDList>& Children) const;
    // The bits of Mask that the child (a list relative to this folder) has.
    // A child on a network volume is taken to have sub-folders without
    // asking, so that a server that does not answer cannot hold the caller.
    uint32_t GetAttributesOf(const TItemIDList& Child, uint32_t Mask) const;
    // The child's name as shown; empty for a list naming nothing here.
    QString GetDisplayNameOf(const TItemIDList& Child) const;
    // The order of two children: a strict total order (only equal lists
    // compare 0). Home, Computer and Trash first, then volumes, then
    // entries by name; a list that is a prefix of another sorts first.
    int CompareIDs(const TItemIDList& A, const TItemIDList& B) const;
    std::shared_ptr<const TShellFolder> BindToObject(const TItemIDList& Child) const;
    // The child's path; "" when it has none.
    std::string ChildPath(const TItemIDList& Child) const;

private:
    const TShellNamespace& Namespace_;
    TItemIDList Absolute_;
    std::string Path_;
    bool Remote_;
};

// 0 when A and B are equal in Folder's order, 1 when A sorts after B, 2
// when before, 3 for a nil argument.
int CompareIDLists(const TShellFolder& Folder, const TItemIDList& A, const TItemIDList& B);

// The name Folder shows for its child; empty when either is missing.
QString GetItemDisplayName(const TShellFolder* Folder, const TItemIDList& Child);

// Path ending in '/': unchanged when it does already ("" gives "/").
std::string AddBackslash(std::string Path);
// Path + "/" + Name, without doubling the root's '/'.
std::string JoinPath(const std::string& Path, std::string_view Name);
// Whether an entry of the open directory Folder is a directory or a link to one.
bool IsDirectoryEntry(DIR* Folder, const dirent& Entry);
// Whether the open directory Fd holds a directory (or a link to one);
// Fd is closed.
bool HoldsDirectory(int Fd);
// The same for the directory at Path.
bool HasSubFolder(const std::string& Path);

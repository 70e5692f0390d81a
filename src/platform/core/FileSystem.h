// The system calls an atomic file write is made of (and the rewrite in place
// that stands in for it where a file's owner cannot be kept), behind one
// interface so that tests can make any one of them fail and check what is
// left on disk.
// Each call returns 0 on success, else the errno value.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <sys/types.h>

class TFileSystem {
public:
    virtual ~TFileSystem() = default;

    // Makes and opens a new file for Template (a path ending in "XXXXXX");
    // *Fd receives its descriptor. Where the folder's file system can, the
    // file has no name (it vanishes with its last descriptor, so nothing is
    // left behind if the process dies) and Template becomes empty; else the
    // "XXXXXX" is replaced by the name made.
    virtual int CreateTemp(std::string& Template, int* Fd);
    // Gives the unnamed file open as Fd a name made from Template as
    // CreateTemp makes one.
    virtual int Link(int Fd, std::string& Template);
    // Gives the file open as Fd the name Path as well; EEXIST when Path is
    // taken, which is never replaced.
    virtual int LinkAs(int Fd, const std::string& Path);
    // Writes all the pieces, one after the other.
    virtual int Write(int Fd, std::span<const std::string_view> Pieces);
    virtual int SetMode(int Fd, mode_t Mode);
    // Gives the file open as Fd an owner and a group; (uid_t)-1 or
    // (gid_t)-1 leaves that one as it is.
    virtual int SetOwner(int Fd, uid_t Owner, gid_t Group);
    virtual int Sync(int Fd);
    virtual int Close(int Fd);
    virtual int Rename(const std::string& From, const std::string& To);
    virtual void Remove(const std::string& Path);
    // Opens the existing file Path for writing over its bytes, without
    // following a symbolic link; *Fd receives the descriptor.
    virtual int OpenForRewrite(const std::string& Path, int* Fd);
    // Waits until no other writer holds the file open as Fd (for writing)
    // and holds it alone until Fd is closed: an exclusive record lock on
    // the whole file, which NFS passes on to the server. A file system
    // that keeps no record locks holds nothing and answers 0.
    virtual int LockForRewrite(int Fd);
    virtual int Truncate(int Fd, off_t Length);
};

// The real system calls.
TFileSystem& SystemFileSystem();

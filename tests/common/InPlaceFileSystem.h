// The file system as a user meets it who may keep neither the owner nor the
// group of the file being saved (another user's world-writable document in
// a shared folder), so that the save rewrites the file in place; a hook
// runs before every other call, where tests make that step fail or kill
// the process. Only root can give a file to another user to begin with.
#pragma once

#include "FileSystem.h"

#include <cerrno>
#include <functional>
#include <string_view>

class TInPlaceFileSystem : public TFileSystem {
public:
    // Called before each call with its name and its number among all calls
    // (from 1): 0 lets it run, else it fails with that errno (a failing
    // write puts half its pieces on disk first, as a disk that fills does).
    using THook = std::function<int(std::string_view Call, int Step)>;
    explicit TInPlaceFileSystem(THook Hook = {}) : Hook_(std::move(Hook)) {}

    int SetOwner(int, uid_t, gid_t) override { return EPERM; }
    int CreateTemp(std::string& Template, int* Fd) override
    {
        const int error = Before("CreateTemp");
        return error ? error : TFileSystem::CreateTemp(Template, Fd);
    }
    int Link(int Fd, std::string& Template) override
    {
        const int error = Before("Link");
        return error ? error : TFileSystem::Link(Fd, Template);
    }
    int LinkAs(int Fd, const std::string& Path) override
    {
        const int error = Before("LinkAs");
        return error ? error : TFileSystem::LinkAs(Fd, Path);
    }
    int Write(int Fd, std::span<const std::string_view> Pieces) override
    {
        const int error = Before("Write");
        if (error == 0)
            return TFileSystem::Write(Fd, Pieces);
        TFileSystem::Write(Fd, Pieces.first(Pieces.size() / 2));
        return error;
    }
    int SetMode(int Fd, mode_t Mode) override
    {
        const int error = Before("SetMode");
        return error ? error : TFileSystem::SetMode(Fd, Mode);
    }
    int Sync(int Fd) override
    {
        const int error = Before("Sync");
        return error ? error : TFileSystem::Sync(Fd);
    }
    int Close(int Fd) override
    {
        const int error = Before("Close");
        const int closed = TFileSystem::Close(Fd); // a descriptor is gone even when its close fails
        return error ? error : closed;
    }
    int Rename(const std::string& From, const std::string& To) override
    {
        const int error = Before("Rename");
        return error ? error : TFileSystem::Rename(From, To);
    }
    int OpenForRewrite(const std::string& Path, int* Fd) override
    {
        const int error = Before("OpenForRewrite");
        return error ? error : TFileSystem::OpenForRewrite(Path, Fd);
    }
    int Truncate(int Fd, off_t Length) override
    {
        const int error = Before("Truncate");
        return error ? error : TFileSystem::Truncate(Fd, Length);
    }

    // How many calls the hook has seen.
    int Steps() const { return Steps_; }

private:
    int Before(std::string_view Call) { return Hook_ ? Hook_(Call, ++Steps_) : (++Steps_, 0); }

    THook Hook_;
    int Steps_ = 0;
};

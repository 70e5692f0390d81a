#include "ShellFileOps.h"

#include "ShellFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {

std::string NameOf(const std::string& Path)
{
    std::string trimmed = Path;
    while (trimmed.size() > 1 && trimmed.ends_with('/'))
        trimmed.pop_back();
    return trimmed.substr(trimmed.rfind('/') + 1);
}

std::string FolderOf(const std::string& Path)
{
    std::string trimmed = Path;
    while (trimmed.size() > 1 && trimmed.ends_with('/'))
        trimmed.pop_back();
    const size_t slash = trimmed.rfind('/');
    return slash == 0 ? "/" : trimmed.substr(0, slash);
}

bool Exists(const std::string& Path)
{
    std::error_code error;
    return std::filesystem::symlink_status(Path, error).type() != std::filesystem::file_type::not_found;
}

// Whether Folder is Source or lies below it.
bool Inside(const std::string& Folder, const std::string& Source)
{
    std::error_code error;
    const auto folder = std::filesystem::weakly_canonical(Folder, error);
    const auto source = std::filesystem::weakly_canonical(Source, error);
    auto [end, unused] = std::mismatch(source.begin(), source.end(), folder.begin(), folder.end());
    return end == source.end();
}

// A copy that never writes over anything: the target does not exist, and
// a folder's copy is a new folder.
bool CopyNew(const std::string& Source, const std::string& Target)
{
    std::error_code error;
    std::filesystem::copy(
        Source, Target, std::filesystem::copy_options::recursive | std::filesystem::copy_options::copy_symlinks, error);
    return !error;
}

bool Transfer(const std::string& Source, const std::string& Target, TTransfer How)
{
    switch (How) {
    case TTransfer::Link: return symlink(Source.c_str(), Target.c_str()) == 0;
    case TTransfer::Copy: return CopyNew(Source, Target);
    case TTransfer::Move:
        if (renameat2(AT_FDCWD, Source.c_str(), AT_FDCWD, Target.c_str(), RENAME_NOREPLACE) == 0)
            return true;
        if (errno != EXDEV || !CopyNew(Source, Target))
            return false;
        std::error_code error;
        std::filesystem::remove_all(Source, error);
        return true;
    }
    return false;
}

} // namespace

bool RenameNoReplace(const std::string& Path, const std::string& NewName, std::string& NewPath)
{
    if (NewName.empty() || NewName == "." || NewName == ".." || NewName.find('/') != std::string::npos)
        return false;
    const std::string target = JoinPath(FolderOf(Path), NewName);
    if (renameat2(AT_FDCWD, Path.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0)
        return false;
    NewPath = target;
    return true;
}

bool MoveToTrash(const std::string& Path)
{
    // Qt does not make a missing home trash, and then falls back to a trash
    // relative to the current folder: entries would land in the program's
    // folder. The home trash is made first, private as the desktop makes it.
    const QString trash =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash");
    for (const char* part : {"/files", "/info"})
        QDir().mkpath(trash + QLatin1String(part));
    QFile::setPermissions(trash, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return QFile::moveToTrash(QFile::decodeName(QByteArray::fromStdString(Path)));
}

std::string MakeLinkBeside(const std::string& Path)
{
    const std::string base = JoinPath(FolderOf(Path), NameOf(Path) + " へのリンク");
    std::string target = base;
    for (int n = 2; Exists(target); ++n)
        target = base + " (" + std::to_string(n) + ")";
    return symlink(Path.c_str(), target.c_str()) == 0 ? target : std::string();
}

int TransferInto(const std::string& Folder, const std::vector<std::string>& Sources, TTransfer How)
{
    int count = 0;
    for (const std::string& source : Sources) {
        const std::string target = JoinPath(Folder, NameOf(source));
        if (Exists(target) || Inside(Folder, source))
            continue;
        if (Transfer(source, target, How))
            ++count;
    }
    return count;
}

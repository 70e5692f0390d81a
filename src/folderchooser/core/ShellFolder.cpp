#include "ShellFolder.h"

#include "NameOrder.h"
#include "ShellNamespace.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int KindRank(char Kind)
{
    switch (static_cast<TItemKind>(Kind)) {
    case TItemKind::Home: return 0;
    case TItemKind::Computer: return 1;
    case TItemKind::Trash: return 2;
    case TItemKind::Volume: return 3;
    case TItemKind::Entry: return 4;
    }
    return 5;
}

int CompareItems(std::string_view A, std::string_view B)
{
    const int rankA = KindRank(A[0]), rankB = KindRank(B[0]);
    if (rankA != rankB)
        return rankA < rankB ? -1 : 1;
    return CompareNames(A.substr(1), B.substr(1));
}

QString VolumeName(const TVolume* Volume, std::string_view MountPoint)
{
    QString name;
    if (Volume && !Volume->Label.empty())
        name = QFile::decodeName(QByteArray::fromStdString(Volume->Label));
    else if (Volume && Volume->Kind == TVolumeKind::Network)
        name = QStringLiteral("ネットワーク ドライブ");
    else if (Volume && Volume->Kind == TVolumeKind::Removable)
        name = QStringLiteral("リムーバブル ディスク");
    else
        name = QStringLiteral("ローカル ディスク");
    return name + QStringLiteral(" (") + QFile::decodeName(QByteArray(MountPoint.data(), MountPoint.size()))
           + QStringLiteral(")");
}

constexpr uint32_t kFileSystemFolder = SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_CANCOPY | SFGAO_CANLINK;

uint32_t EntryAttributes(const std::string& Path, std::string_view Name, const std::string& ParentPath, bool Remote,
                         uint32_t Mask)
{
    uint32_t attributes = SFGAO_FILESYSTEM | SFGAO_CANLINK;
    if (Name.starts_with('.'))
        attributes |= SFGAO_HIDDEN;
    struct stat st;
    if ((Mask & SFGAO_LINK) && lstat(Path.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
        attributes |= SFGAO_LINK;
    constexpr uint32_t kFromMode = SFGAO_FOLDER | SFGAO_READONLY | SFGAO_CANCOPY | SFGAO_DROPTARGET;
    if ((Mask & kFromMode) && stat(Path.c_str(), &st) == 0) {
        // Read-only from the mode bits, not access(): root may write anything.
        const bool writable = (st.st_mode & 0222) != 0;
        if (S_ISDIR(st.st_mode))
            attributes |= SFGAO_FOLDER | (writable ? SFGAO_DROPTARGET : 0);
        if (!writable)
            attributes |= SFGAO_READONLY;
        if (st.st_mode & 0444)
            attributes |= SFGAO_CANCOPY;
    }
    constexpr uint32_t kFromParent = SFGAO_CANRENAME | SFGAO_CANMOVE | SFGAO_CANDELETE;
    if ((Mask & kFromParent) && stat(ParentPath.c_str(), &st) == 0 && (st.st_mode & 0222))
        attributes |= kFromParent;
    if ((Mask & SFGAO_HASSUBFOLDER) && (Remote || HasSubFolder(Path)))
        attributes |= SFGAO_HASSUBFOLDER;
    return attributes & Mask;
}

} // namespace

QString GetItemDisplayName(const TShellFolder* Folder, const TItemIDList& Child)
{
    return Folder && !Child.IsNil() ? Folder->GetDisplayNameOf(Child) : QString();
}

std::string AddBackslash(std::string Path)
{
    if (!Path.ends_with('/'))
        Path.push_back('/');
    return Path;
}

std::string JoinPath(const std::string& Path, std::string_view Name)
{
    std::string joined = AddBackslash(Path);
    joined.append(Name);
    return joined;
}

bool IsDirectoryEntry(DIR* Folder, const dirent& Entry)
{
    if (Entry.d_type == DT_DIR)
        return true;
    if (Entry.d_type != DT_LNK && Entry.d_type != DT_UNKNOWN)
        return false;
    struct stat st;
    return fstatat(dirfd(Folder), Entry.d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
}

bool HoldsDirectory(int Fd)
{
    DIR* folder = fdopendir(Fd);
    if (!folder) {
        close(Fd);
        return false;
    }
    bool found = false;
    while (const dirent* entry = readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != ".." && IsDirectoryEntry(folder, *entry)) {
            found = true;
            break;
        }
    }
    closedir(folder);
    return found;
}

bool HasSubFolder(const std::string& Path)
{
    const int fd = open(Path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd >= 0 && HoldsDirectory(fd);
}

TShellFolder::TShellFolder(const TShellNamespace& Namespace, TItemIDList Absolute, std::string Path)
    : Namespace_(Namespace), Absolute_(std::move(Absolute)), Path_(std::move(Path))
{
    const TVolume* volume = Path_.empty() ? nullptr : Namespace_.VolumeHolding(Path_);
    Remote_ = volume && volume->Kind == TVolumeKind::Network;
}

bool TShellFolder::EnumObjects(uint32_t Flags, std::vector<TItemIDList>& Children) const
{
    Children.clear();
    const int depth = IDListDepth(Absolute_);
    if (depth == 0 && (Flags & SHCONTF_FOLDERS)) {
        if (Namespace_.HomeListed())
            Children.push_back(ItemOf(TItemKind::Home));
        Children.push_back(ItemOf(TItemKind::Computer));
        if (Namespace_.TrashListed())
            Children.push_back(ItemOf(TItemKind::Trash));
    }
    if (Path_.empty()) {
        if (Absolute_ == ItemOf(TItemKind::Computer) && (Flags & SHCONTF_FOLDERS))
            for (const TVolume& volume : Namespace_.Volumes())
                Children.push_back(ItemOf(TItemKind::Volume, volume.MountPoint));
        return true;
    }
    DIR* folder = opendir(Path_.c_str());
    if (!folder)
        return false;
    std::string data = "F";
    while (const dirent* entry = readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == ".." || (name.starts_with('.') && !(Flags & SHCONTF_INCLUDEHIDDEN)))
            continue;
        const bool isFolder = IsDirectoryEntry(folder, *entry);
        if (isFolder ? !(Flags & SHCONTF_FOLDERS) : !(Flags & SHCONTF_NONFOLDERS))
            continue;
        data.resize(1);
        data.append(name);
        Children.push_back(TItemIDList::OneItem(data));
    }
    closedir(folder);
    return true;
}

uint32_t TShellFolder::GetAttributesOf(const TItemIDList& Child, uint32_t Mask) const
{
    const int depth = IDListDepth(Child);
    if (depth < 1)
        return 0;
    if (depth > 1) {
        const auto parent = BindToObject(ParentOfIDList(Child));
        return parent ? parent->GetAttributesOf(LastItemOfIDList(Child), Mask) : 0;
    }
    const std::string_view item = Child.Items()[0];
    const std::string path = ChildPath(Child);
    switch (static_cast<TItemKind>(item[0])) {
    case TItemKind::Computer: return (SFGAO_FOLDER | SFGAO_FILESYSANCESTOR | SFGAO_HASSUBFOLDER) & Mask;
    case TItemKind::Trash: return SFGAO_FOLDER & Mask;
    case TItemKind::Home:
    case TItemKind::Volume: {
        if (path.empty())
            return 0;
        const TVolume* volume = Namespace_.VolumeAt(item.substr(1));
        const bool remote = volume && volume->Kind == TVolumeKind::Network;
        uint32_t attributes = kFileSystemFolder | SFGAO_FILESYSANCESTOR | SFGAO_DROPTARGET;
        if ((Mask & SFGAO_HASSUBFOLDER) && (remote || HasSubFolder(path)))
            attributes |= SFGAO_HASSUBFOLDER;
        return attributes & Mask;
    }
    case TItemKind::Entry: return path.empty() ? 0 : EntryAttributes(path, item.substr(1), Path_, Remote_, Mask);
    }
    return 0;
}

QString TShellFolder::GetDisplayNameOf(const TItemIDList& Child) const
{
    const int depth = IDListDepth(Child);
    if (depth == 0 && Absolute_.IsEmpty())
        return QStringLiteral("デスクトップ");
    if (depth < 1)
        return {};
    const std::string_view item = Child.Items().back();
    switch (static_cast<TItemKind>(item[0])) {
    case TItemKind::Home: return QStringLiteral("ホーム");
    case TItemKind::Computer: return QStringLiteral("コンピューター");
    case TItemKind::Trash: return QStringLiteral("ゴミ箱");
    case TItemKind::Volume: return VolumeName(Namespace_.VolumeAt(item.substr(1)), item.substr(1));
    case TItemKind::Entry:
        return QFile::decodeName(QByteArray(item.data() + 1, static_cast<qsizetype>(item.size() - 1)));
    }
    return {};
}

int TShellFolder::CompareIDs(const TItemIDList& A, const TItemIDList& B) const
{
    if (IsOneItem(A) && IsOneItem(B)) // children of one folder: the common case, and sorting's
        return CompareItems(FirstItemData(A), FirstItemData(B));
    const std::vector<std::string_view> a = A.Items(), b = B.Items();
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (const int order = CompareItems(a[i], b[i]))
            return order;
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

std::shared_ptr<const TShellFolder> TShellFolder::BindToObject(const TItemIDList& Child) const
{
    return Namespace_.BindToObject(ConcatIDLists(Absolute_, Child));
}

std::string TShellFolder::ChildPath(const TItemIDList& Child) const
{
    if (IDListDepth(Child) != 1) {
        std::string path;
        Namespace_.IDListToPath(ConcatIDLists(Absolute_, Child), path);
        return path;
    }
    const std::string_view item = Child.Items()[0];
    const std::string_view name = item.substr(1);
    switch (static_cast<TItemKind>(item[0])) {
    case TItemKind::Home: return Absolute_.IsEmpty() ? Namespace_.Config().Home : std::string();
    case TItemKind::Volume: return Absolute_ == ItemOf(TItemKind::Computer) ? std::string(name) : std::string();
    case TItemKind::Entry:
        if (Path_.empty() || name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos)
            return {};
        return JoinPath(Path_, name);
    default: return {};
    }
}

int CompareIDLists(const TShellFolder& Folder, const TItemIDList& A, const TItemIDList& B)
{
    if (A.IsNil() || B.IsNil())
        return 3;
    const int order = Folder.CompareIDs(A, B);
    return order == 0 ? 0 : order > 0 ? 1 : 2;
}

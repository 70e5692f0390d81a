#include "ShellNamespace.h"

#include "ShellCtrlList.h"
#include "ShellFolder.h"

#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsDirectory(const std::string& Path)
{
    struct stat st;
    return !Path.empty() && stat(Path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? user->pw_dir : "/";
}

// The absolute, lexically normal form of Path, without a trailing '/'
// (except the root); empty when Path is not absolute.
std::string NormalPath(std::string_view Path)
{
    if (!Path.starts_with('/'))
        return {};
    std::string normal = std::filesystem::path(Path).lexically_normal().string();
    while (normal.size() > 1 && normal.ends_with('/'))
        normal.pop_back();
    return normal;
}

bool HoldsPath(std::string_view MountPoint, std::string_view Path)
{
    if (MountPoint == "/")
        return true;
    return Path.starts_with(MountPoint) && (Path.size() == MountPoint.size() || Path[MountPoint.size()] == '/');
}

// Appends an item per component of Relative ("a/b/c").
void AppendComponents(TItemIDList& List, std::string_view Relative)
{
    size_t at = 0;
    while (at < Relative.size()) {
        const size_t end = std::min(Relative.find('/', at), Relative.size());
        if (end > at)
            List = ConcatIDLists(List, ItemOf(TItemKind::Entry, Relative.substr(at, end - at)));
        at = end + 1;
    }
}

} // namespace

TItemIDList ItemOf(TItemKind Kind, std::string_view Payload)
{
    std::string data;
    data.reserve(1 + Payload.size());
    data.push_back(static_cast<char>(Kind));
    data.append(Payload);
    return TItemIDList::OneItem(data);
}

TNamespaceConfig TNamespaceConfig::FromEnvironment()
{
    TNamespaceConfig config;
    config.Home = HomeFolder();
    config.Desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation).toStdString();
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    config.Trash = (dataHome && *dataHome == '/' ? std::string(dataHome) : config.Home + "/.local/share") + "/Trash";
    config.MountTable = "/proc/self/mountinfo";
    config.ByLabel = "/dev/disk/by-label";
    config.MediaRoots = {"/media", "/run/media", "/mnt"};
    return config;
}

TShellNamespace::TShellNamespace(TNamespaceConfig Config) : Config_(std::move(Config))
{
    DesktopFolder_ = IsDirectory(Config_.Desktop) ? Config_.Desktop : Config_.Home;
    Volumes_ = ReadVolumes(Config_.MountTable, Config_.ByLabel, Config_.MediaRoots);
}

TShellNamespace::~TShellNamespace() = default;

bool TShellNamespace::TrashListed() const { return IsDirectory(Config_.Trash); }

const TVolume* TShellNamespace::VolumeAt(std::string_view MountPoint) const
{
    for (const TVolume& volume : Volumes_)
        if (volume.MountPoint == MountPoint)
            return &volume;
    return nullptr;
}

const TVolume* TShellNamespace::VolumeHolding(std::string_view Path) const
{
    const TVolume* holder = nullptr;
    for (const TVolume& volume : Volumes_)
        if (HoldsPath(volume.MountPoint, Path) && (!holder || volume.MountPoint.size() > holder->MountPoint.size()))
            holder = &volume;
    return holder;
}

bool TShellNamespace::GetSpecialFolderIDList(int Index, TItemIDList& List) const
{
    List = {};
    switch (Index) {
    case sfDesktop: List = TItemIDList::Desktop(); break;
    case sfBitBucket:
        if (TrashListed())
            List = ItemOf(TItemKind::Trash);
        break;
    case sfDesktopDirectory: return PathToIDList(DesktopFolder_, List);
    case sfDrives: List = ItemOf(TItemKind::Computer); break;
    default: break;
    }
    return !List.IsNil();
}

bool TShellNamespace::PathToIDList(std::string_view Path, TItemIDList& List) const
{
    List = {};
    const std::string normal = NormalPath(Path);
    struct stat st;
    if (normal.empty() || stat(normal.c_str(), &st) != 0)
        return false;
    // The branch the tree shows first: below the desktop's folder, the
    // desktop's own sub-folders; below Home, Home; else the volume.
    const auto below = [&](const std::string& Folder) {
        return Folder != "/" && HoldsPath(Folder, normal) && normal.size() > Folder.size();
    };
    if (below(DesktopFolder_)) {
        List = TItemIDList::Desktop();
        AppendComponents(List, std::string_view(normal).substr(DesktopFolder_.size()));
        return true;
    }
    if (HomeListed() && (normal == Config_.Home || below(Config_.Home))) {
        List = ItemOf(TItemKind::Home);
        AppendComponents(List, std::string_view(normal).substr(Config_.Home.size()));
        return true;
    }
    const TVolume* volume = VolumeHolding(normal);
    if (!volume)
        return false;
    List = VolumeIDList(volume->MountPoint);
    AppendComponents(List, std::string_view(normal).substr(volume->MountPoint == "/" ? 0 : volume->MountPoint.size()));
    return true;
}

bool TShellNamespace::IDListToPath(const TItemIDList& List, std::string& Path) const
{
    Path.clear();
    if (List.IsNil())
        return false;
    const std::vector<std::string_view> items = List.Items();
    size_t first = 0;
    std::string path;
    if (items.empty())
        path = DesktopFolder_;
    else if (items[0] == "H")
        path = Config_.Home, first = 1;
    else if (items[0] == "C" && items.size() > 1 && items[1].starts_with('V'))
        path = std::string(items[1].substr(1)), first = 2;
    else if (items[0].starts_with('F'))
        path = DesktopFolder_;
    else
        return false;
    for (size_t i = first; i < items.size(); ++i) {
        const std::string_view name = items[i].substr(1);
        if (!items[i].starts_with('F') || name.empty() || name == "." || name == ".."
            || name.find('/') != std::string_view::npos)
            return false;
        path = JoinPath(path, name);
    }
    Path = std::move(path);
    return true;
}

TItemIDList TShellNamespace::VolumeIDList(std::string_view MountPoint)
{
    return ConcatIDLists(ItemOf(TItemKind::Computer), ItemOf(TItemKind::Volume, MountPoint));
}

std::shared_ptr<const TShellFolder> TShellNamespace::Desktop() const
{
    return std::make_shared<TShellFolder>(*this, TItemIDList::Desktop(), DesktopFolder_);
}

std::shared_ptr<const TShellFolder> TShellNamespace::BindToObject(const TItemIDList& Absolute) const
{
    if (Absolute.IsNil())
        return nullptr;
    if (Absolute == ItemOf(TItemKind::Computer) || Absolute == ItemOf(TItemKind::Trash))
        return std::make_shared<TShellFolder>(*this, Absolute, std::string());
    std::string path;
    if (!IDListToPath(Absolute, path))
        return nullptr;
    return std::make_shared<TShellFolder>(*this, Absolute, std::move(path));
}

TShellCtrlList& TShellNamespace::Controls()
{
    if (!Controls_)
        Controls_ = std::make_unique<TShellCtrlList>(*this);
    return *Controls_;
}

TShellNamespace& DefaultShellNamespace()
{
    static TShellNamespace instance(TNamespaceConfig::FromEnvironment());
    return instance;
}

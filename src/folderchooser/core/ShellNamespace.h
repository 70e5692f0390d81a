// The folder namespace the folder chooser shows: the desktop (depth 0),
// below it Home, Computer with the mounted volumes, Trash and the desktop
// folder's own sub-folders, and the file system below those.
//
// Item data is a kind byte and a payload: 'H' Home, 'C' Computer and 'T'
// Trash carry nothing; 'V' a volume carries its mount point; 'F' a
// file-system entry carries its raw name bytes (never a '/'). Paths are
// the system's raw bytes. A path parses through the first branch of the
// desktop that holds it (the desktop's folder, Home, then Computer and the
// volume with the longest mount point holding it), then one item per
// component.
#pragma once

#include "MountTable.h"
#include "ShellIDFunc.h"

#include <memory>
#include <string>
#include <vector>

class TShellCtrlList;
class TShellFolder;

enum class TItemKind : char { Home = 'H', Computer = 'C', Trash = 'T', Volume = 'V', Entry = 'F' };

// A one-item list of the kind with its payload.
TItemIDList ItemOf(TItemKind Kind, std::string_view Payload = {});

// Where the namespace finds its folders; tests point every one of them
// into a temporary folder. Paths without a trailing '/'.
struct TNamespaceConfig {
    std::string Home;
    std::string Desktop; // shown as the desktop's folder when it exists, else Home
    std::string Trash;   // the desktop lists Trash only while this exists
    std::string MountTable;
    std::string ByLabel;
    std::vector<std::string> MediaRoots; // where removable devices are mounted

    // $HOME, the XDG desktop and trash folders, /proc/self/mountinfo,
    // /dev/disk/by-label and /media, /run/media, /mnt.
    static TNamespaceConfig FromEnvironment();
};

// Special folders by index (the five the folder chooser asks for).
enum TSpecialFolder { sfDesktop = 0, sfBitBucket = 10, sfDesktopDirectory = 12, sfDrives = 13, sfNetwork = 14 };

class TShellNamespace {
public:
    explicit TShellNamespace(TNamespaceConfig Config);
    ~TShellNamespace();
    TShellNamespace(const TShellNamespace&) = delete;
    TShellNamespace& operator=(const TShellNamespace&) = delete;

    const TNamespaceConfig& Config() const { return Config_; }
    // The desktop's file-system folder: the desktop folder, else Home.
    const std::string& DesktopFolder() const { return DesktopFolder_; }
    // Home is listed on the desktop unless the desktop shows Home itself.
    bool HomeListed() const { return DesktopFolder_ != Config_.Home; }
    bool TrashListed() const;

    const std::vector<TVolume>& Volumes() const { return Volumes_; }
    void SetVolumes(std::vector<TVolume> Volumes) { Volumes_ = std::move(Volumes); }
    const TVolume* VolumeAt(std::string_view MountPoint) const;
    // The listed volume with the longest mount point holding Path, or null.
    const TVolume* VolumeHolding(std::string_view Path) const;

    // Index 0 the desktop, 10 Trash (while it exists), 12 the desktop's
    // folder, 13 Computer; every other index, the network folder among
    // them, has no list here.
    bool GetSpecialFolderIDList(int Index, TItemIDList& List) const;
    // An absolute path of something that exists, normalised ("//", ".",
    // ".." and a trailing '/' allowed); False for anything else. A path
    // below the desktop's folder parses through the desktop, one at or
    // below Home through Home, any other through Computer and the volume
    // with the longest mount point holding it.
    bool PathToIDList(std::string_view Path, TItemIDList& List) const;
    // The file-system path of an absolute list (the desktop's folder for the
    // desktop); False with an empty path for nil and for pathless items.
    bool IDListToPath(const TItemIDList& List, std::string& Path) const;
    // The list naming a volume's root: Computer, then the volume.
    static TItemIDList VolumeIDList(std::string_view MountPoint);

    // The desktop folder, and any folder by its absolute list (null when
    // the list names no folder of the namespace).
    std::shared_ptr<const TShellFolder> Desktop() const;
    std::shared_ptr<const TShellFolder> BindToObject(const TItemIDList& Absolute) const;

    // The shell controls that follow this namespace's volume changes.
    TShellCtrlList& Controls();

private:
    TNamespaceConfig Config_;
    std::string DesktopFolder_;
    std::vector<TVolume> Volumes_;
    std::unique_ptr<TShellCtrlList> Controls_;
};

// The namespace of the running program, made from the environment on
// first use.
TShellNamespace& DefaultShellNamespace();

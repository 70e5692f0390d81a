// The volumes the Computer folder lists, read from the kernel's mount table
// (/proc/self/mountinfo) with their labels from the by-label folder
// (/dev/disk/by-label), and the differences between two readings.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

enum class TVolumeKind { Fixed, Removable, Network };

struct TMountEntry {
    std::string MountPoint;
    std::string Source;
    std::string FsType;
};

struct TVolume {
    std::string MountPoint;
    std::string Source;
    TVolumeKind Kind = TVolumeKind::Fixed;
    std::string Label; // as the by-label folder names it; may be empty
    bool operator==(const TVolume&) const = default;
};

// The mounts of a mountinfo text, in order; malformed lines are passed over.
std::vector<TMountEntry> ParseMountInfo(std::string_view Text);
bool IsNetworkFileSystem(std::string_view FsType);
// Device path -> label, from the links of a by-label folder.
std::map<std::string, std::string> ReadLabels(const std::string& ByLabelFolder);
// The root, the block devices mounted below one of MediaRoots and the
// network file systems, once each (a later mount on the same point hides
// the earlier one), the root first.
std::vector<TVolume> ListVolumes(const std::vector<TMountEntry>& Mounts, const std::vector<std::string>& MediaRoots,
                                 const std::map<std::string, std::string>& Labels);
std::vector<TVolume> ReadVolumes(const std::string& MountTable, const std::string& ByLabelFolder,
                                 const std::vector<std::string>& MediaRoots);

struct TVolumeChanges {
    std::vector<TVolume> Arrived;
    std::vector<TVolume> Removed;
};
TVolumeChanges DiffVolumes(const std::vector<TVolume>& Before, const std::vector<TVolume>& After);

// A label as volume-change texts show it: lower-cased, then a leading
// ASCII letter upper-cased ("MY DISK" -> "My disk"). Only ASCII letters
// change case.
std::string GetVolumeLabel(std::string_view Label);

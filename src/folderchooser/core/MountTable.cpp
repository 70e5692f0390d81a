#include "MountTable.h"

#include <algorithm>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

// mountinfo writes a blank, tab, newline and backslash as \040 and so on.
std::string DecodeOctalEscapes(std::string_view Field)
{
    std::string text;
    const auto octal = [&](size_t K) { return Field[K] >= '0' && Field[K] <= '7'; };
    for (size_t i = 0; i < Field.size(); ++i) {
        if (Field[i] == '\\' && i + 3 < Field.size() && octal(i + 1) && octal(i + 2) && octal(i + 3)) {
            text.push_back(
                static_cast<char>((Field[i + 1] - '0') * 64 + (Field[i + 2] - '0') * 8 + (Field[i + 3] - '0')));
            i += 3;
            continue;
        }
        text.push_back(Field[i]);
    }
    return text;
}

// udev writes unsafe bytes of a label as \xHH.
std::string DecodeHexEscapes(std::string_view Name)
{
    std::string text;
    const auto hex = [](char C) {
        return C >= '0' && C <= '9'   ? C - '0'
               : C >= 'a' && C <= 'f' ? C - 'a' + 10
               : C >= 'A' && C <= 'F' ? C - 'A' + 10
                                      : -1;
    };
    for (size_t i = 0; i < Name.size(); ++i) {
        if (Name[i] == '\\' && i + 3 < Name.size() && Name[i + 1] == 'x' && hex(Name[i + 2]) >= 0
            && hex(Name[i + 3]) >= 0) {
            text.push_back(static_cast<char>(hex(Name[i + 2]) * 16 + hex(Name[i + 3])));
            i += 3;
            continue;
        }
        text.push_back(Name[i]);
    }
    return text;
}

std::vector<std::string_view> Fields(std::string_view Line)
{
    std::vector<std::string_view> fields;
    size_t at = 0;
    while (at < Line.size()) {
        const size_t end = std::min(Line.find(' ', at), Line.size());
        if (end > at)
            fields.push_back(Line.substr(at, end - at));
        at = end + 1;
    }
    return fields;
}

bool IsBelow(const std::string& Path, const std::string& Root)
{
    const std::string prefix = Root.ends_with('/') ? Root : Root + "/";
    return Path.size() > prefix.size() && Path.starts_with(prefix);
}

std::string ReadText(const std::string& FileName)
{
    std::ifstream in(FileName, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

std::vector<TMountEntry> ParseMountInfo(std::string_view Text)
{
    std::vector<TMountEntry> mounts;
    size_t at = 0;
    while (at < Text.size()) {
        const size_t end = std::min(Text.find('\n', at), Text.size());
        const std::vector<std::string_view> fields = Fields(Text.substr(at, end - at));
        at = end + 1;
        // id parent major:minor root mount-point options [optional...] - type source super-options
        const auto separator = std::find(fields.begin(), fields.end(), "-");
        if (fields.size() < 5 || separator == fields.end() || fields.end() - separator < 3
            || separator - fields.begin() < 6)
            continue;
        mounts.push_back(
            {DecodeOctalEscapes(fields[4]), DecodeOctalEscapes(separator[2]), DecodeOctalEscapes(separator[1])});
    }
    return mounts;
}

bool IsNetworkFileSystem(std::string_view FsType)
{
    static constexpr std::string_view kNetwork[] = {
        "nfs",  "nfs4",      "cifs",       "smb3",        "smbfs",          "ncpfs", "9p",         "afs",
        "ceph", "glusterfs", "fuse.sshfs", "fuse.rclone", "fuse.glusterfs", "davfs", "fuse.davfs2"};
    return std::find(std::begin(kNetwork), std::end(kNetwork), FsType) != std::end(kNetwork);
}

std::map<std::string, std::string> ReadLabels(const std::string& ByLabelFolder)
{
    std::map<std::string, std::string> labels;
    DIR* folder = opendir(ByLabelFolder.c_str());
    if (!folder)
        return labels;
    while (const dirent* entry = readdir(folder)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        char target[4096];
        const std::string link = ByLabelFolder + "/" + name;
        const ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
        if (length <= 0)
            continue;
        std::filesystem::path device(std::string(target, static_cast<size_t>(length)));
        if (device.is_relative())
            device = std::filesystem::path(ByLabelFolder) / device;
        labels[device.lexically_normal().string()] = DecodeHexEscapes(name);
    }
    closedir(folder);
    return labels;
}

std::vector<TVolume> ListVolumes(const std::vector<TMountEntry>& Mounts, const std::vector<std::string>& MediaRoots,
                                 const std::map<std::string, std::string>& Labels)
{
    std::vector<TVolume> volumes;
    for (const TMountEntry& mount : Mounts) {
        TVolume volume{mount.MountPoint, mount.Source, TVolumeKind::Fixed, {}};
        const bool below = std::any_of(MediaRoots.begin(), MediaRoots.end(),
                                       [&](const std::string& Root) { return IsBelow(mount.MountPoint, Root); });
        if (IsNetworkFileSystem(mount.FsType))
            volume.Kind = TVolumeKind::Network;
        else if (mount.Source.starts_with("/dev/") && below)
            volume.Kind = TVolumeKind::Removable;
        else if (mount.MountPoint != "/")
            continue;
        if (const auto label = Labels.find(mount.Source); label != Labels.end())
            volume.Label = label->second;
        std::erase_if(volumes, [&](const TVolume& Earlier) { return Earlier.MountPoint == volume.MountPoint; });
        volumes.push_back(std::move(volume));
    }
    std::stable_partition(volumes.begin(), volumes.end(),
                          [](const TVolume& Volume) { return Volume.MountPoint == "/"; });
    return volumes;
}

std::vector<TVolume> ReadVolumes(const std::string& MountTable, const std::string& ByLabelFolder,
                                 const std::vector<std::string>& MediaRoots)
{
    return ListVolumes(ParseMountInfo(ReadText(MountTable)), MediaRoots, ReadLabels(ByLabelFolder));
}

TVolumeChanges DiffVolumes(const std::vector<TVolume>& Before, const std::vector<TVolume>& After)
{
    // A volume is the same volume while the same device stays on the same
    // mount point; a new label alone is no arrival.
    const auto same = [](const TVolume& A, const TVolume& B) {
        return A.MountPoint == B.MountPoint && A.Source == B.Source && A.Kind == B.Kind;
    };
    const auto missingFrom = [&](const std::vector<TVolume>& From, const std::vector<TVolume>& In) {
        std::vector<TVolume> missing;
        for (const TVolume& volume : From)
            if (std::none_of(In.begin(), In.end(), [&](const TVolume& Other) { return same(volume, Other); }))
                missing.push_back(volume);
        return missing;
    };
    return {missingFrom(After, Before), missingFrom(Before, After)};
}

std::string GetVolumeLabel(std::string_view Label)
{
    std::string text(Label);
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + ('a' - 'A'));
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - ('a' - 'A'));
    return text;
}

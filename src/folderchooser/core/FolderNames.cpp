#include "FolderNames.h"

#include "OsPath.h"
#include "Sjis.h"

bool IsValidFolderName(std::string_view SjisName)
{
    if (SjisName.empty() || SjisName.size() > 255)
        return false;
    constexpr std::string_view kRefused = "\"*/:<>?\\|";
    for (size_t i = 0; i < SjisName.size(); ++i) {
        const auto byte = static_cast<unsigned char>(SjisName[i]);
        if (sjis::IsLead(byte))
            ++i;
        else if (kRefused.find(static_cast<char>(byte)) != std::string_view::npos)
            return false;
    }
    return true;
}

std::string ParentFolderOf(std::string_view Path)
{
    if (Path == "/")
        return std::string(Path);
    std::string_view rest = Path;
    if (rest.ends_with('/'))
        rest.remove_suffix(1);
    const size_t slash = rest.rfind('/');
    return std::string(slash == std::string_view::npos ? rest : rest.substr(0, slash + 1));
}

std::string RawPathOf(std::string_view SjisPath) { return OsPath(SjisPath); }

std::string SjisPathOf(std::string_view RawPath) { return FromOsPath(RawPath); }

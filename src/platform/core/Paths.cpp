#include "Paths.h"

#include "Files.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace {

std::string WithSlash(std::string Folder)
{
    if (Folder.empty() || Folder.back() != '/')
        Folder += '/';
    return Folder;
}

std::string Environment(const char* Name)
{
    const char* value = std::getenv(Name);
    return value ? value : "";
}

TProgramFolderInputs GatherInputs()
{
    TProgramFolderInputs inputs;
    std::error_code error;
    if (const std::string velkHome = Environment("VELK_HOME"); !velkHome.empty())
        inputs.VelkHome = std::filesystem::absolute(velkHome, error).string();
    const std::filesystem::path exe = ExecutablePath();
    if (exe.has_parent_path()) {
        inputs.ExeFolder = exe.parent_path().string();
        inputs.ExeFolderWritable = access(inputs.ExeFolder.c_str(), W_OK) == 0;
    }
    inputs.XdgConfigHome = Environment("XDG_CONFIG_HOME");
    inputs.Home = HomeFolder();
    return inputs;
}

// The last "/" of the name, or npos. "/" (0x2F) and "." (0x2E) are below
// 0x40 and never trail bytes, so byte searches are safe on Shift-JIS names.
size_t LastSlash(std::string_view FileName) { return FileName.rfind('/'); }

// Where the extension's dot is, or npos: the last dot of the name part,
// unless it starts the name (".profile" has none).
size_t ExtensionDot(std::string_view FileName)
{
    const size_t slash = LastSlash(FileName);
    const size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const size_t dot = FileName.rfind('.');
    return dot == std::string_view::npos || dot <= nameStart ? std::string_view::npos : dot;
}

} // namespace

std::string ChooseProgramFolder(const TProgramFolderInputs& Inputs)
{
    if (!Inputs.VelkHome.empty())
        return WithSlash(Inputs.VelkHome);
    if (!Inputs.ExeFolder.empty() && Inputs.ExeFolderWritable)
        return WithSlash(Inputs.ExeFolder);
    if (!Inputs.XdgConfigHome.empty() && Inputs.XdgConfigHome.front() == '/')
        return WithSlash(Inputs.XdgConfigHome) + "velk2000/";
    return WithSlash(Inputs.Home) + ".config/velk2000/";
}

std::string ExecutablePath()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.string();
}

std::string HomeFolder()
{
    std::string home = Environment("HOME");
    if (home.empty())
        if (const passwd* user = getpwuid(getuid()); user && user->pw_dir)
            home = user->pw_dir;
    return home;
}

std::string ProgramFolder()
{
    static const std::string folder = FromOsPath(ChooseProgramFolder(GatherInputs()));
    return folder;
}

std::string ProgramBasePath() { return ProgramFolder() + "velk2000"; }

std::string ExtractFilePath(std::string_view FileName)
{
    const size_t slash = LastSlash(FileName);
    return slash == std::string_view::npos ? "" : std::string(FileName.substr(0, slash + 1));
}

std::string ExtractFileName(std::string_view FileName)
{
    const size_t slash = LastSlash(FileName);
    return std::string(slash == std::string_view::npos ? FileName : FileName.substr(slash + 1));
}

std::string ExtractFileExt(std::string_view FileName)
{
    const size_t dot = ExtensionDot(FileName);
    return dot == std::string_view::npos ? "" : std::string(FileName.substr(dot));
}

std::string ChangeFileExt(std::string_view FileName, std::string_view Extension)
{
    const size_t dot = ExtensionDot(FileName);
    return std::string(FileName.substr(0, dot)) + std::string(Extension);
}

std::string IncludeTrailingPathDelimiter(std::string_view Folder) { return WithSlash(std::string(Folder)); }

std::string ExcludeTrailingPathDelimiter(std::string_view Folder)
{
    if (!Folder.empty() && Folder.back() == '/')
        Folder.remove_suffix(1);
    return std::string(Folder);
}

#include "FileAssociation.h"

#include "Files.h"
#include "Paths.h"
#include "Programs.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

namespace {

constexpr const char* MimeType = "application/x-vk2";
constexpr const char* DesktopId = "vk2_auto_file.desktop";
constexpr const char* DefaultsSection = "[Default Applications]";

// An XDG base folder: the variable when it holds an absolute path, else
// Fallback under the home folder.
std::string BaseFolder(const char* Variable, const char* Fallback)
{
    const char* value = std::getenv(Variable);
    if (value && value[0] == '/')
        return value;
    return HomeFolder() + "/" + Fallback;
}

std::string DataHome() { return BaseFolder("XDG_DATA_HOME", ".local/share"); }
std::string MimeAppsList() { return BaseFolder("XDG_CONFIG_HOME", ".config") + "/mimeapps.list"; }
std::string DesktopFile() { return DataHome() + "/applications/" + DesktopId; }

std::string ReadIfPresent(const std::string& OsName)
{
    const std::string name = FromOsPath(OsName);
    return FileExists(name) ? ReadFileBytes(name, 1 << 20) : std::string();
}

std::vector<std::string> Lines(const std::string& Text)
{
    std::vector<std::string> lines;
    std::istringstream in(Text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The value of Key in Section of a desktop-entry style file, or nothing.
std::optional<std::string> Value(const std::string& Text, std::string_view Section, std::string_view Key)
{
    bool inSection = false;
    for (const std::string& line : Lines(Text)) {
        if (line.starts_with('['))
            inSection = line == Section;
        else if (inSection && line.starts_with(Key) && line.size() > Key.size() && line[Key.size()] == '=')
            return line.substr(Key.size() + 1);
    }
    return std::nullopt;
}

// The program path quoted as a desktop entry's Exec wants it: within
// double quotes, '"', '`', '$' and '\' escaped, then every '\' doubled
// and '%' written as "%%" for the key file's own rules.
std::string ExecQuoted(const std::string& Path)
{
    std::string quoted = "\"";
    for (const char c : Path) {
        if (c == '"' || c == '`' || c == '$')
            quoted += "\\\\";
        if (c == '\\')
            quoted += "\\\\\\";
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    return quoted + "\"";
}

// The first word of an Exec value, the quoting undone.
std::optional<std::string> ExecProgram(const std::string& Exec)
{
    std::string unescaped;
    for (size_t i = 0; i < Exec.size(); ++i) {
        if (Exec[i] == '\\' && i + 1 < Exec.size() && Exec[i + 1] == '\\')
            ++i;
        else if (Exec[i] == '%' && i + 1 < Exec.size() && Exec[i + 1] == '%')
            ++i;
        unescaped += Exec[i];
    }
    std::string program;
    if (unescaped.starts_with('"')) {
        size_t i = 1;
        for (; i < unescaped.size() && unescaped[i] != '"'; ++i) {
            if (unescaped[i] == '\\' && i + 1 < unescaped.size())
                ++i;
            program += unescaped[i];
        }
        if (i == unescaped.size())
            return std::nullopt;
    } else {
        program = unescaped.substr(0, unescaped.find(' '));
    }
    if (program.empty())
        return std::nullopt;
    return program;
}

// The user's list with the document type's default set to our entry.
std::string WithOurDefault(const std::string& List)
{
    const std::string entry = std::string(MimeType) + "=" + DesktopId;
    std::string result;
    bool inSection = false;
    bool written = false;
    for (const std::string& line : Lines(List)) {
        if (line.starts_with('[')) {
            if (inSection && !written) {
                result += entry + "\n";
                written = true;
            }
            inSection = line == DefaultsSection;
        } else if (inSection && line.starts_with(std::string(MimeType) + "=")) {
            continue;
        }
        result += line + "\n";
        if (inSection && line == DefaultsSection) {
            result += entry + "\n";
            written = true;
        }
    }
    if (!written)
        result += std::string(DefaultsSection) + "\n" + entry + "\n";
    return result;
}

// The folder goes by its bytes: a home folder named in Shift-JIS bytes is
// still the folder the tool must update.
void RunIfInstalled(const char* Tool, const std::string& Folder) { RunProgram({Tool, {Folder}}); }

} // namespace

std::optional<std::string> AssociatedProgram()
{
    const std::optional<std::string> handler = Value(ReadIfPresent(MimeAppsList()), DefaultsSection, MimeType);
    if (!handler || handler->substr(0, handler->find(';')) != DesktopId)
        return std::nullopt;
    const std::optional<std::string> exec = Value(ReadIfPresent(DesktopFile()), "[Desktop Entry]", "Exec");
    return exec ? ExecProgram(*exec) : std::nullopt;
}

void AssociateDocumentType(const std::string& ProgramPath)
{
    const std::string mimePackage = DataHome() + "/mime/packages/velk2000.xml";
    const std::string mimeXml =
        std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                    "  <mime-type type=\"")
        + MimeType
        + "\">\n"
          "    <comment>Velk2000File</comment>\n"
          "    <glob pattern=\"*.vk2\"/>\n"
          "  </mime-type>\n"
          "</mime-info>\n";
    const std::string desktop = std::string("[Desktop Entry]\nType=Application\nName=Velk2000\nNoDisplay=true\n")
                                + "Exec=" + ExecQuoted(ProgramPath) + " %f\nMimeType=" + MimeType + ";\n";
    const std::string list = WithOurDefault(ReadIfPresent(MimeAppsList()));
    for (const std::string& file : {mimePackage, DesktopFile(), MimeAppsList()}) {
        std::error_code ignored; // a folder that cannot be made fails the write, which says why
        std::filesystem::create_directories(file.substr(0, file.rfind('/')), ignored);
    }
    const TFileWrite files[] = {
        {FromOsPath(mimePackage), mimeXml},
        {FromOsPath(DesktopFile()), desktop},
        {FromOsPath(MimeAppsList()), list},
    };
    WriteFilesAtomic(files);
    RunIfInstalled("update-mime-database", DataHome() + "/mime");
    RunIfInstalled("update-desktop-database", DataHome() + "/applications");
}

#include "OptionsRules.h"

#include "Cp932.h"

#include <QStandardPaths>
#include <QString>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <unistd.h>

std::string StripLeadingDots(std::string_view Text)
{
    const size_t first = Text.find_first_not_of('.');
    return first == std::string_view::npos ? std::string() : std::string(Text.substr(first));
}

bool ValidUserExt(std::string_view Ext)
{
    return !Ext.empty() && std::all_of(Ext.begin(), Ext.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '~';
    });
}

namespace {

// The program part of the command, Shift-JIS.
std::string ProgramOf(const std::string& Text)
{
    std::string upper = Text;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const size_t exe = upper.find(".EXE");
    if (exe != std::string::npos && exe > 0)
        return Text.substr(0, exe + 4);
    if (exe == 0)
        return {};
    if (!Text.empty() && Text.front() == '"') {
        const size_t close = Text.find('"', 1);
        return close == std::string::npos ? Text.substr(1) : Text.substr(1, close - 1);
    }
    return Text.substr(0, Text.find(' '));
}

bool IsProgram(const std::string& Program)
{
    if (Program.empty())
        return false;
    const std::string path = SjisToUtf8(Program);
    if (path.find('/') == std::string::npos)
        return !QStandardPaths::findExecutable(QString::fromStdString(path)).isEmpty();
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && access(path.c_str(), X_OK) == 0;
}

} // namespace

TExternalEditorOption CheckExternalEditor(const std::string& Text) { return {IsProgram(ProgramOf(Text)), Text}; }

std::string TrimCaption(std::string_view Text)
{
    const size_t first = Text.find_first_not_of(" \t.");
    return first == std::string_view::npos ? std::string() : std::string(Text.substr(first));
}

int32_t AutoSaveMinutes(int32_t Milliseconds) { return std::clamp(Milliseconds / 60000, 1, 60); }

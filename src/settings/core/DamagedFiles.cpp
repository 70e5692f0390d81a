#include "DamagedFiles.h"

#include "Cp932.h"
#include "Files.h"
#include "SubIni.h"
#include "SysErrorText.h"
#include "SysUtils.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace {

// Larger files are no settings file of ours; their readers refuse them
// without help.
constexpr uint64_t LargestCheckedFile = 4 << 20;

bool IsStrayControl(char C)
{
    const auto byte = static_cast<unsigned char>(C);
    return byte < 0x20 && C != '\t' && C != '\r' && C != '\n';
}

// A line of text before the first "[section]" belongs to no section: no
// writer puts one there.
bool HasTextBeforeFirstSection(std::string_view Bytes)
{
    // A byte-order mark some editors put first is no text of its own.
    size_t start = Bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (start < Bytes.size()) {
        const size_t end = std::min(Bytes.find('\n', start), Bytes.size());
        std::string_view line = Bytes.substr(start, end - start);
        const size_t first = line.find_first_not_of(" \t\r");
        if (first != std::string_view::npos) {
            line.remove_prefix(first);
            if (line.front() == '[')
                return false;
            if (line.front() != ';' && line.front() != '#')
                return true;
        }
        start = end + 1;
    }
    return false;
}

} // namespace

bool LooksDamaged(std::string_view Bytes, TSettingsFileShape Shape)
{
    if (std::ranges::any_of(Bytes, IsStrayControl))
        return true;
    return Shape == TSettingsFileShape::Ini && HasTextBeforeFirstSection(Bytes);
}

std::string SetAsideDamagedFiles(std::span<const TSettingsFileCheck> Files)
{
    std::string names;
    for (const TSettingsFileCheck& file : Files) {
        if (!FileExists(file.FileName))
            continue;
        std::string bytes;
        try {
            bytes = ReadFileBytes(file.FileName, LargestCheckedFile);
        } catch (const Exception&) {
            continue; // unreadable or too large: its reader says what it can
        }
        if (!LooksDamaged(bytes, file.Shape))
            continue;
        names += '\n';
        names += SjisToUtf8(file.FileName);
        if (std::rename(OsPath(file.FileName).c_str(), OsPath(file.FileName + ".bad").c_str()) != 0)
            names.append("（").append(SysErrorMessage(errno)).append("）");
    }
    if (names.empty())
        return {};
    return "次のファイルが壊れていたため、既定の設定を使います。"
           "壊れたファイルは名前に \".bad\" を付けて残しました。"
           + names;
}

std::vector<TSettingsFileCheck> StartUpSettingsFiles()
{
    return {{SettingsFilePath(), TSettingsFileShape::Ini},
            {KeyFilePath(), TSettingsFileShape::Ini},
            {HistoryFilePath(), TSettingsFileShape::Ini},
            {SymbolFilePath(), TSettingsFileShape::Lines}};
}

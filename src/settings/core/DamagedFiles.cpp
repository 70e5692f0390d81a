#include "DamagedFiles.h"

#include "Files.h"
#include "IniFiles.h"
#include "SubIni.h"
#include "SysErrorText.h"
#include "SysUtils.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

namespace {

// Larger files are no settings file of ours; their readers refuse them,
// and a settings file that large is told (TooLargeToRead).
constexpr uint64_t LargestCheckedFile = kIniFileMaxBytes;

bool TooLargeToRead(const TSettingsFileCheck& File)
{
    struct stat st;
    return File.Shape == TSettingsFileShape::Ini && stat(OsPath(File.FileName).c_str(), &st) == 0 && S_ISREG(st.st_mode)
           && static_cast<uint64_t>(st.st_size) > kIniFileMaxBytes;
}

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
    std::string names, tooLarge;
    for (const TSettingsFileCheck& file : Files) {
        if (!FileExists(file.FileName))
            continue;
        if (TooLargeToRead(file)) {
            tooLarge.append("\n").append(OsPath(file.FileName));
            continue;
        }
        std::string bytes;
        try {
            bytes = ReadFileBytes(file.FileName, LargestCheckedFile);
        } catch (const Exception&) {
            continue; // unreadable or too large: its reader says what it can
        }
        if (!LooksDamaged(bytes, file.Shape))
            continue;
        names += '\n';
        names += OsPath(file.FileName);
        if (std::rename(OsPath(file.FileName).c_str(), OsPath(file.FileName + ".bad").c_str()) != 0)
            names.append("（").append(SysErrorMessage(errno)).append("）");
    }
    std::string notice;
    if (!names.empty())
        notice = "次のファイルが壊れていたため、既定の設定を使います。"
                 "壊れたファイルは名前に \".bad\" を付けて残しました。"
                 + names;
    if (!tooLarge.empty())
        notice += (notice.empty() ? "" : "\n\n")
                  + std::string(
                      "次のファイルは 4 MiB を超えていて設定ファイルとしては大きすぎるため、読み込まずに既定の設定を"
                      "使います。ファイルは書き換えずにそのまま残します。")
                  + tooLarge;
    return notice;
}

std::vector<TSettingsFileCheck> StartUpSettingsFiles()
{
    return {{SettingsFilePath(), TSettingsFileShape::Ini},
            {KeyFilePath(), TSettingsFileShape::Ini},
            {HistoryFilePath(), TSettingsFileShape::Ini},
            {SymbolFilePath(), TSettingsFileShape::Lines}};
}

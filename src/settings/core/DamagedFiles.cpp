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

// Why a settings file that is there cannot be read, for the start-up
// notice: what ReadSettingsFile found, and a link whose target is gone.
std::string UnreadReason(const std::string& FileName, int Error)
{
    struct stat st;
    switch (Error) {
    case EINVAL: return "通常のファイルではありません。";
    case ENOENT:
        return lstat(OsPath(FileName).c_str(), &st) == 0 && S_ISLNK(st.st_mode) ? "リンク先のファイルがありません。"
                                                                                : "";
    default: return SysErrorMessage(Error);
    }
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

TSetAsideFiles SetAsideDamagedFiles(std::span<const TSettingsFileCheck> Files)
{
    TSetAsideFiles found;
    std::string names, tooLarge, unread;
    for (const TSettingsFileCheck& file : Files) {
        std::string bytes;
        const int error = ReadSettingsFile(file.FileName, bytes);
        // No writer replaces a file that is there but cannot be read.
        if (error != 0 && error != ENOENT)
            found.KeptMessages.push_back(CannotWriteMessage(file.FileName, KeptUnreadReason(error)));
        if (error == EFBIG) {
            tooLarge.append("\n").append(ShownPath(file.FileName));
            continue;
        }
        if (error != 0) {
            if (const std::string reason = UnreadReason(file.FileName, error); !reason.empty())
                unread.append("\n").append(ShownPath(file.FileName)).append("（").append(reason).append("）");
            continue;
        }
        if (!LooksDamaged(bytes, file.Shape))
            continue;
        names += '\n';
        names += ShownPath(file.FileName);
        if (std::rename(OsPath(file.FileName).c_str(), OsPath(file.FileName + ".bad").c_str()) != 0)
            names.append("（").append(SysErrorMessage(errno)).append("）");
    }
    std::string& notice = found.Notice;
    const auto add = [&notice](const std::string& Paragraph) { notice += (notice.empty() ? "" : "\n\n") + Paragraph; };
    if (!names.empty())
        add("次のファイルが壊れていたため、既定の設定を使います。"
            "壊れたファイルは名前に \".bad\" を付けて残しました。"
            + names);
    if (!tooLarge.empty())
        add("次のファイルは 4 MiB を超えていて設定ファイルとしては大きすぎるため、読み込まずに既定の設定を"
            "使います。ファイルは書き換えずにそのまま残します。"
            + tooLarge);
    if (!unread.empty())
        add("次のファイルを読み込めないため、既定の設定を使います。" + unread);
    return found;
}

std::vector<TSettingsFileCheck> StartUpSettingsFiles()
{
    return {{SettingsFilePath(), TSettingsFileShape::Ini},
            {KeyFilePath(), TSettingsFileShape::Ini},
            {HistoryFilePath(), TSettingsFileShape::Ini},
            {SymbolFilePath(), TSettingsFileShape::Lines}};
}

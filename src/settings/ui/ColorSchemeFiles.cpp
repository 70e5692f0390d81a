#include "ColorSchemeFiles.h"

#include "ColorScheme.h"
#include "Dialogs.h"
#include "Files.h"
#include "IniFiles.h"
#include "Paths.h"
#include "SubIni.h"
#include "SysUtils.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr const char* SchemeFilter = "カラー設定(*.cfg)|*.cfg";
constexpr const char* ProposedSchemeName = "color.cfg";

bool EmptyFile(const std::string& FileName)
{
    std::error_code error;
    return std::filesystem::file_size(OsPath(FileName), error) == 0 && !error;
}

// ASCII letters folded: the settings file's name in any letter case.
std::string FoldedName(std::string_view FileName)
{
    std::string name = ExtractFileName(FileName);
    std::ranges::transform(name, name.begin(), [](char C) { return C >= 'A' && C <= 'Z' ? char(C - 'A' + 'a') : C; });
    return name;
}

} // namespace

bool SaveColorCfg(ISettingsHost& Host, TSaveDialog& Dialog)
{
    Dialog.SetFilter(SchemeFilter);
    const std::string initialDir = Dialog.InitialDir();
    const std::string fileName = Dialog.FileName();
    Dialog.SetInitialDir(ProgramFolder());
    // The shared dialog may still propose the document's file.
    Dialog.SetFileName(ProposedSchemeName);
    Dialog.SetOptions({TOpenOption::ofOverwritePrompt});
    if (!Dialog.Execute())
        return false;
    bool written = true;
    try {
        WriteColorScheme(Host, ChangeFileExt(Dialog.FileName(), ".cfg"));
    } catch (const EIniFileException& E) {
        MessageDlg(E.Message(), TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
        written = false;
    }
    Dialog.SetInitialDir(initialDir);
    Dialog.SetFileName(fileName);
    return written;
}

bool LoadColorCfg(ISettingsHost& Host, TOpenDialog& Dialog)
{
    Dialog.SetFilter(SchemeFilter);
    const std::string initialDir = Dialog.InitialDir();
    Dialog.SetInitialDir(ProgramFolder());
    Dialog.SetFileName("");
    if (!Dialog.Execute())
        return false;
    const std::string chosen = Dialog.FileName();
    if (FoldedName(chosen) == FoldedName(SettingsFilePath())) {
        MessageDlg("Velk2000.ini は読み込めません！", TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
        return false;
    }
    // An empty file is an empty scheme; a file with something else in it
    // (a document chosen by mistake) is left alone and told.
    if (!TIniFile(chosen).SectionExists("Colors") && !EmptyFile(chosen)) {
        MessageDlg(ExtractFileName(chosen) + " はカラー設定ファイルではありません！", TMsgDlgType::mtWarning,
                   {TMsgDlgBtn::mbOK});
        return false;
    }
    ReadColorScheme(Host, chosen);
    Dialog.SetInitialDir(initialDir);
    Dialog.SetFileName("");
    return true;
}

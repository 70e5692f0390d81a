#include "ColorSchemeFiles.h"

#include "ColorScheme.h"
#include "Dialogs.h"
#include "IniFiles.h"
#include "Paths.h"
#include "SubIni.h"
#include "SysUtils.h"

#include <algorithm>

namespace {

constexpr const char* SchemeFilter = "カラー設定(*.cfg)|*.cfg";

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
    Dialog.SetInitialDir(ProgramFolder());
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
    return written;
}

bool LoadColorCfg(ISettingsHost& Host, TOpenDialog& Dialog)
{
    Dialog.SetFilter(SchemeFilter);
    const std::string initialDir = Dialog.InitialDir();
    Dialog.SetInitialDir(ProgramFolder());
    if (!Dialog.Execute())
        return false;
    if (FoldedName(Dialog.FileName()) == FoldedName(SettingsFilePath())) {
        MessageDlg("Velk2000.ini は読み込めません！", TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
        return false;
    }
    ReadColorScheme(Host, Dialog.FileName());
    Dialog.SetInitialDir(initialDir);
    Dialog.SetFileName("");
    return true;
}

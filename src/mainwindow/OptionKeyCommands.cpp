// The Options menu's key dialog and colour-scheme commands.
#include "OptionCommands.h"

#include "ColorSchemeFiles.h"
#include "Dialogs.h"
#include "EditModeSwitch.h"
#include "EditorEx.h"
#include "EditorLook.h"
#include "IniFiles.h"
#include "KeyCustomForm.h"
#include "MainMenus.h"
#include "OptionCommandsHost.h"
#include "PaneViews.h"
#include "SubIcons.h"
#include "SubIni.h"
#include "SubKeyIni.h"

// The new shortcuts work at once; a key file that cannot be written keeps
// what it held and is told once a run.
void TOptionCommands::OpKeyCustomClick()
{
    if (!ExecuteKeyForm(Parts_.Menus, &Parts_.Window))
        return;
    try {
        SaveKeyIni(Parts_.Menus);
    } catch (const EIniFileException& E) {
        TellOnce(E.Message(), TMsgDlgType::mtError);
    }
}

// The scheme reaches the editors through the settings host; the style
// flags, the edit mode's colouring and the blank marks' colours follow
// here. The pages remembered for going back may be shown in other colours
// now, so they are forgotten. Nothing while the sub-icon finder is open.
void TOptionCommands::OpLoadColorClick()
{
    if (Parts_.SubIcons.SubIconFinder() || !LoadColorCfg(Host_.Settings(), Parts_.OpenDialog1))
        return;
    Parts_.Look.ApplyEditorColors();
    Parts_.EditModes.ApplyEditMode(Parts_.EditModes.Mode());
    TEditorEx& active = *Host_.ActiveEditor();
    TEditorExMarks& marks = *active.ExMarks();
    marks.DBSpaceMark()->SetColor(SettingsVars.ZenTabCol);
    marks.TabMark()->SetColor(SettingsVars.ZenTabCol);
    marks.SpaceMark()->SetColor(SettingsVars.HanCol);
    active.Leftbar()->SetColor(SettingsVars.AnkCol);
    Host_.ClearPageHistory();
    Parts_.PaneViews.ForgetBrowsePage();
}

void TOptionCommands::OpSaveColorClick()
{
    if (!Parts_.SubIcons.SubIconFinder())
        SaveColorCfg(Host_.Settings(), Parts_.SaveDialog1);
}

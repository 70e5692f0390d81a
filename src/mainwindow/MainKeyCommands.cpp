// The Options menu's key dialog and colour-scheme commands.
#include "Main.h"

#include "ColorSchemeFiles.h"
#include "Dialogs.h"
#include "EditModeSwitch.h"
#include "EditorEx.h"
#include "IniFiles.h"
#include "KeyCustomForm.h"
#include "PaneViews.h"
#include "SubIcons.h"
#include "SubIni.h"

void TVelkForm::BindKeyCommands()
{
    const TCommandBinding items[] = {
        {Cmd::OpKeyCustom, [this] { OpKeyCustomClick(); }},
        {Cmd::OpLoadColor, [this] { OpLoadColorClick(); }},
        {Cmd::OpSaveColor, [this] { OpSaveColorClick(); }},
    };
    BindItems(items);
}

// The new shortcuts work at once; a key file that cannot be written is told
// and keeps what it held.
void TVelkForm::OpKeyCustomClick()
{
    if (!ExecuteKeyForm(Menus_, this))
        return;
    try {
        SaveKeyIni(Menus_);
    } catch (const EIniFileException& E) {
        MessageDlg(E.Message(), TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
    }
}

// The scheme reaches the editors through the settings host; the style
// flags, the edit mode's colouring and the blank marks' colours follow
// here. The pages remembered for going back may be shown in other colours
// now, so they are forgotten. Nothing while the sub-icon finder is open.
void TVelkForm::OpLoadColorClick()
{
    if (SubIcons_->SubIconFinder() || !LoadColorCfg(*this, *OpenDialog1_))
        return;
    ApplyEditorColors();
    EditModeSwitch_->ApplyEditMode(EditMode());
    TEditorExMarks& marks = *ActiveEditor_->ExMarks();
    marks.DBSpaceMark()->SetColor(SettingsVars.ZenTabCol);
    marks.TabMark()->SetColor(SettingsVars.ZenTabCol);
    marks.SpaceMark()->SetColor(SettingsVars.HanCol);
    ActiveEditor_->Leftbar()->SetColor(SettingsVars.AnkCol);
    ClearPageHistory();
    PaneViews_->ForgetBrowsePage();
}

void TVelkForm::OpSaveColorClick()
{
    if (!SubIcons_->SubIconFinder())
        SaveColorCfg(*this, *SaveDialog1_);
}

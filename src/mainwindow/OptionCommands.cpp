// The options dialog: opening it, and applying what it confirmed to the
// window's views before the settings file is written.
#include "OptionCommands.h"

#include "AutoSave.h"
#include "ClippingMode.h"
#include "Dialogs.h"
#include "DockButton.h"
#include "EditModeSwitch.h"
#include "EditorEx.h"
#include "EditorLook.h"
#include "ExceptionHandler.h"
#include "ExternalEditor.h"
#include "FontToolbar.h"
#include "FormTimer.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "OptionCommandsHost.h"
#include "OptionsForm.h"
#include "PaneViews.h"
#include "SubIcons.h"
#include "SubIni.h"
#include "TreeView.h"

TOptionCommands::TOptionCommands(IOptionCommandsHost& Host, TOptionCommandsParts Parts) : Host_(Host), Parts_(Parts)
{
    BindCommands();
}

void TOptionCommands::BindCommands()
{
    const TCommandBinding items[] = {
        {Cmd::OpMain, [this] { OpMainClick(); }},
        {Cmd::OpKeyCustom, [this] { OpKeyCustomClick(); }},
        {Cmd::OpLoadColor, [this] { OpLoadColorClick(); }},
        {Cmd::OpSaveColor, [this] { OpSaveColorClick(); }},
    };
    Parts_.Menus.Bind(items);
}

void TOptionCommands::OpMainClick()
{
    const bool treeUndoRedo = SettingsVars.TreeUndoRedo;
    TSubIcons& subIcons = Parts_.SubIcons;
    TOptionTargets targets{.DataMemo = &Parts_.DataMemo,
                           .ActiveEditor = Host_.ActiveEditor(),
                           .DataTree = &Parts_.DataTree,
                           .HTMLFountain1 = &Parts_.HTMLFountain1,
                           .ImagePopupMenu = Parts_.Menus.Popup(Cmd::ImagePopupMenu),
                           .TreeImageList = &Parts_.TreeImages,
                           .TreeSubImageList = &subIcons.TreeSubImageList(),
                           .dmyPopupMenu = Parts_.Menus.Popup(Cmd::dmyPopupMenu),
                           .EditMode = Parts_.EditModes.Mode(),
                           .TreeImageSellect = [&subIcons](TMenuItem* Item) { subIcons.TreeImageSellect(Item); }};
    // A child of the window opens centred over it.
    TOpForm form(targets, &Parts_.Window);
    form.FormShow();
    if (ShowModal(form) == mrCancel)
        return;
    ApplyOptions(treeUndoRedo);
    CatchExceptions([this] { SaveIni(Host_.Settings()); });
}

// The dialog wrote its options into DataMemo; the panes of the split and
// browse views copy DataMemo's when they are made, so they are made again.
// The page stays in the editor as it is (the editor wraps it again by
// itself), which keeps its undo history.
void TOptionCommands::ApplyOptions(bool TreeUndoRedoBefore)
{
    const TSettingsVars& v = SettingsVars;
    TEditorEx& memo = Parts_.DataMemo;
    TEditorLook& look = Parts_.Look;
    // The word-wrap choice was made for the active pane; the pane made
    // again takes DataMemo's.
    memo.SetWordWrap(Host_.ActiveEditor()->WordWrap());
    const TPaneView views = Parts_.PaneViews.CloseViews();
    memo.Leftbar()->SetZeroBase(!v.Col_Row.Mode);
    Host_.UpdateCaretPanel();
    memo.Leftbar()->SetShowNumberMode(v.LineNumber.Mode != 0 ? TEditorShowNumberMode::nmLine
                                                             : TEditorShowNumberMode::nmRow);
    // The dialog wrote the plain text's colour over the strings' as well.
    Parts_.EditModes.ApplyStrColour();
    Parts_.EditModes.ApplyCommenter();
    if (v.AutoSave)
        Parts_.Timer1.SetInterval(AutoSaveInterval(v.AutoSaveTime));
    if (!memo.WordWrap())
        SettingsVars.Options.Scroll = true;
    look.ApplyWrapMark();
    Host_.ApplyScrollBars(memo);
    Parts_.PaneViews.ReopenViews(views);
    if (v.TreeUndoRedo != TreeUndoRedoBefore)
        Host_.ClearPageHistory();
    Parts_.SubIcons.TakeNamesFromImagePopup();
    if (v.NoContinue)
        Host_.SetInsertNumber(1);
    Parts_.GoEditorButton.SetEnabled(Parts_.ExternalEditor.ExternalEditAllowed());
    Host_.ApplyWindowWrap();
    look.ApplyMarkSettings();
    look.ApplyBracketColors();
    Parts_.DataTree.SetImages(v.ForderIconDel ? nullptr : &Parts_.TreeImages);
    look.SetupFountain();
    look.ApplyEditorColors();
    Parts_.FontToolbar.EnableWrapControls(Host_.ActiveEditor()->WordWrap());
    Host_.UpdateToolButtons();
}

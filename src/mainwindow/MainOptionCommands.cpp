// The Options menu's options dialog: opening it, and applying what it
// confirmed to the window's views before the settings file is written.
#include "Main.h"

#include "AutoSave.h"
#include "Dialogs.h"
#include "DockButton.h"
#include "EditModeSwitch.h"
#include "EditorEx.h"
#include "ExceptionHandler.h"
#include "ExternalEditor.h"
#include "FontToolbar.h"
#include "HTMLFountain.h"
#include "Menus.h"
#include "OptionsForm.h"
#include "PaneViews.h"
#include "SubIcons.h"
#include "SubIni.h"
#include "TreeView.h"

#include <QLabel>

void TVelkForm::BindOptionCommands()
{
    const TCommandBinding items[] = {{Cmd::OpMain, [this] { OpMainClick(); }}};
    BindItems(items);
}

void TVelkForm::OpMainClick()
{
    const bool treeUndoRedo = SettingsVars.TreeUndoRedo;
    TOptionTargets targets{.DataMemo = DataMemo_,
                           .ActiveEditor = ActiveEditor_,
                           .DataTree = DataTree_,
                           .HTMLFountain1 = HTMLFountain1_.get(),
                           .ImagePopupMenu = ImagePopupMenu(),
                           .TreeImageList = TreeImageList_.get(),
                           .TreeSubImageList = &SubIcons_->TreeSubImageList(),
                           .dmyPopupMenu = dmyPopupMenu(),
                           .EditMode = EditMode(),
                           .TreeImageSellect = [this](TMenuItem* Item) { SubIcons_->TreeImageSellect(Item); }};
    // A child of the window opens centred over it.
    TOpForm form(targets, this);
    form.FormShow();
    if (ShowModal(form) == mrCancel)
        return;
    ApplyOptions(treeUndoRedo);
    CatchExceptions([this] { SaveIni(*this); });
}

// The dialog wrote its options into DataMemo; the panes of the split and
// browse views copy DataMemo's when they are made, so they are made again.
// The page stays in the editor as it is (the editor wraps it again by
// itself), which keeps its undo history.
void TVelkForm::ApplyOptions(bool TreeUndoRedoBefore)
{
    const TSettingsVars& v = SettingsVars;
    TEditorEx& memo = *DataMemo_;
    // The word-wrap choice was made for the active pane; the pane made
    // again takes DataMemo's.
    memo.SetWordWrap(ActiveEditor_->WordWrap());
    const TPaneView views = PaneViews_->CloseViews();
    memo.Leftbar()->SetZeroBase(!v.Col_Row.Mode);
    UpdateCaretPanel();
    memo.Leftbar()->SetShowNumberMode(v.LineNumber.Mode != 0 ? TEditorShowNumberMode::nmLine
                                                             : TEditorShowNumberMode::nmRow);
    EditModeSwitch_->ApplyCommenter();
    if (v.AutoSave)
        Timer1_->SetInterval(AutoSaveInterval(v.AutoSaveTime));
    if (!memo.WordWrap())
        SettingsVars.Options.Scroll = true;
    ApplyWrapMark();
    ApplyScrollBars(memo);
    PaneViews_->ReopenViews(views);
    if (v.TreeUndoRedo != TreeUndoRedoBefore)
        ClearPageHistory();
    SubIcons_->TakeNamesFromImagePopup();
    if (v.NoContinue)
        InsertNumber_ = 1;
    if (ExternalEditor_->ExternalEditText().empty() && !OwnExternalEditRunning())
        Button(Cmd::sbGoEditor)->SetEnabled(!ClippingOn() && v.ExtEditor);
    ApplyWindowWrap();
    ApplyMarkSettings();
    ApplyBracketColors();
    DataTree_->SetImages(v.ForderIconDel ? nullptr : TreeImageList_.get());
    SetupFountain();
    ApplyEditorColors();
    FontToolbar_->EnableWrapControls(ActiveEditor_->WordWrap());
    UpdateToolButtons();
}

// The end-of-file and line-end marks keep what the settings file and the
// options gave them ("EOFMK", "RETMK"), so that a colour chosen survives a
// restart; the wrap mark, which has no setting of its own, shows with the
// end-of-file mark and in its colour.
void TVelkForm::ApplyWrapMark()
{
    TEditorMarks& marks = *DataMemo_->Marks();
    marks.WrapMark()->SetVisible(marks.EofMark()->Visible());
    marks.WrapMark()->SetColor(marks.EofMark()->Color());
}

void TVelkForm::ApplyMarkSettings()
{
    for (TEditorEx* editor : {DataMemo_, SecondEditor()})
        if (editor) {
            editor->ExMarks()->SpaceMark()->SetVisible(SettingsVars.HanSpace);
            editor->ExMarks()->SpaceMark()->SetColor(SettingsVars.HanCol);
        }
}

void TVelkForm::ApplyBracketColors()
{
    for (TEditorEx* editor : {DataMemo_, SecondEditor()})
        if (editor) {
            TEditorExMarks& marks = *editor->ExMarks();
            for (TEditorMark* mark : {marks.DBSpaceMark(), marks.TabMark()}) {
                mark->SetVisible(SettingsVars.SpaceTab);
                mark->SetColor(SettingsVars.ZenTabCol);
            }
            marks.SpaceMark()->SetColor(SettingsVars.HanCol);
        }
}

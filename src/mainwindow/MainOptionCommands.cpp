// The Options menu's options dialog: opening it, and applying what it
// confirmed to the window's views before the settings file is written.
#include "Main.h"

#include "AutoSave.h"
#include "CommentMarker.h"
#include "Cp932.h"
#include "Dialogs.h"
#include "DockButton.h"
#include "EditorEx.h"
#include "ExceptionHandler.h"
#include "HTMLFountain.h"
#include "Menus.h"
#include "OptionsForm.h"
#include "SpinEx.h"
#include "SubIni.h"
#include "TreeView.h"

#include <QLabel>

void TVelkForm::BindOptionCommands()
{
    const TCommandBinding items[] = {{"OpMain", [this] { OpMainClick(); }}};
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
                           .TreeSubImageList = TreeSubImageList_.get(),
                           .dmyPopupMenu = dmyPopupMenu(),
                           .EdModeCaption = EdModeLabel_->text(),
                           .TreeImageSellect = [this](TMenuItem* Item) { TreeImageSellect(Item); }};
    // A child of the window opens centred over it.
    TOpForm form(targets, this);
    form.FormShow();
    if (ShowModal(form) == mrCancel)
        return;
    ApplyOptions(treeUndoRedo);
    CatchExceptions([this] { SaveIni(*this); });
}

void TVelkForm::ApplyOptions(bool TreeUndoRedoBefore)
{
    const TSettingsVars& v = SettingsVars;
    TEditorEx& memo = *DataMemo_;
    memo.Leftbar()->SetZeroBase(!v.Col_Row.Mode);
    UpdateCaretPanel();
    memo.Leftbar()->SetShowNumberMode(v.LineNumber.Mode != 0 ? TEditorShowNumberMode::nmLine
                                                             : TEditorShowNumberMode::nmRow);
    Commenter_ = CommentMarker(EditMode_, v.CommentType, v.QMark);
    memo.View()->SetCommenter(Commenter_);
    if (v.AutoSave)
        Timer1_->SetInterval(AutoSaveInterval(v.AutoSaveTime));
    TEditorExMarks& blanks = *memo.ExMarks();
    blanks.DBSpaceMark()->SetColor(v.ZenTabCol);
    blanks.TabMark()->SetColor(v.ZenTabCol);
    blanks.SpaceMark()->SetColor(v.HanCol);
    blanks.DBSpaceMark()->SetVisible(v.SpaceTab);
    blanks.TabMark()->SetVisible(v.SpaceTab);
    blanks.SpaceMark()->SetVisible(v.HanSpace);
    if (!ActiveEditor_->WordWrap())
        SettingsVars.Options.Scroll = true;
    ApplyScrollBars(*ActiveEditor_);
    if (v.TreeUndoRedo != TreeUndoRedoBefore)
        ClearPageHistory();
    TMenuItem& images = ImagePopupMenu()->Items();
    SubIconMenu_->Clear();
    for (int i = 0; i < images.Count(); ++i)
        SubIconMenu_->Add(Utf8ToSjis(images.Items(i)->Caption().toStdString()));
    if (v.NoContinue)
        InsertNumber_ = 1;
    const bool wraps = ActiveEditor_->WordWrap();
    WrapSpnEd_->setEnabled(wraps && !v.RightRtn);
    Button("sbRTN")->SetEnabled(wraps);
    if (ExternalEditText_.empty() && !OwnExternalEdit_)
        Button("sbGoEditor")->SetEnabled(!Menus_.Item("OpClip")->Checked() && v.ExtEditor);
    UpdateToolButtons();
    DataTree_->SetImages(v.ForderIconDel ? nullptr : TreeImageList_.get());
    SetupFountain();
    ApplyEditorColors();
}

// The window's side of the sub-icons (TSubIcons): what the page binding
// asks of them, and what they ask of the window.
#include "Main.h"

#include "DocumentFiles.h"
#include "ExternalEditor.h"
#include "FindAndReplace.h"
#include "FindList.h"
#include "SubIcons.h"
#include "SubIni.h"

void TVelkForm::SetSubIconButton(int ImageIndex) { SubIcons_->SetSubIconButton(ImageIndex); }

void TVelkForm::RefreshSubIconFinder() { SubIcons_->RefreshSubIconFinder(); }

bool TVelkForm::FocusSubIconFinder() { return SubIcons_->FocusSubIconFinder(); }

void TVelkForm::PageSubIconChanged(TTreeNode* Page) { FindAndReplace_->FindList().PageSubIconChanged(Page); }

// Clipping mode forbids an external edit, and so does one running.
bool TVelkForm::ExternalEditAllowed() const
{
    return SettingsVars.ExtEditor && !ClippingOn() && !OwnExternalEditRunning()
           && ExternalEditor_->ExternalEditText() != ExternalEditRunningText();
}

std::string TVelkForm::CaptionText() const { return DocumentFiles_->CaptionText(); }

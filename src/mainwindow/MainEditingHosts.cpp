// The window as clipping mode and the external editor see it.
#include "Main.h"

#include "ClippingMode.h"
#include "DockButton.h"
#include "DocumentFiles.h"
#include "ExternalEditor.h"

bool TVelkForm::ClippingOn() const { return Clipping_->On(); }

bool TVelkForm::OwnExternalEditRunning() const { return ExternalEditor_->OwnExternalEditRunning(); }

void TVelkForm::ShowCaption() { DocumentFiles_->RefreshCaption(); }

bool TVelkForm::HasFileName() const { return DocumentFiles_->HasFileName(); }

const std::string& TVelkForm::DocFileName() const { return DocumentFiles_->DocFileName(); }

const std::string& TVelkForm::DocumentCaption() const { return DocumentFiles_->DocumentCaption(); }

void TVelkForm::SetButtonEnabled(TCommandId Id, bool Enabled) { Button(Id)->SetEnabled(Enabled); }

std::string TVelkForm::ConvertClipText(const std::string& Text) { return Clipping_->ConvertClipText(Text); }

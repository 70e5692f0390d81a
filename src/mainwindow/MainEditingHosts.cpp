// The window as clipping mode and the external editor see it.
#include "Main.h"

#include "ClippingMode.h"
#include "DockButton.h"
#include "ExternalEditor.h"

bool TVelkForm::ClippingOn() const { return Clipping_->On(); }

bool TVelkForm::OwnExternalEditRunning() const { return ExternalEditor_->OwnExternalEditRunning(); }

void TVelkForm::ShowCaption() { SetCaption(DocumentCaption_); }

void TVelkForm::SetButtonEnabled(TCommandId Id, bool Enabled) { Button(Id)->SetEnabled(Enabled); }

std::string TVelkForm::ConvertClipText(const std::string& Text) { return Clipping_->ConvertClipText(Text); }

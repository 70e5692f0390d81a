// The window's parts as its other parts and the tests reach them. Every
// room and adapter is complete here, so the parts are destroyed here.
#include "Main.h"

#include "ClippingHost.h"
#include "ClippingMode.h"
#include "CloseAfterDialogs.h"
#include "ConversionCommands.h"
#include "ConversionCommandsHost.h"
#include "Dialogs.h"
#include "DocumentFiles.h"
#include "DocumentHost.h"
#include "EditCommands.h"
#include "EditCommandsHost.h"
#include "EditModeHost.h"
#include "EditModeSwitch.h"
#include "EditorLook.h"
#include "EditorLookHost.h"
#include "ExternalEditor.h"
#include "ExternalEditorHost.h"
#include "FindAndReplace.h"
#include "FindAndReplaceHost.h"
#include "FontToolbar.h"
#include "FontToolbarHost.h"
#include "HTMLFountain.h"
#include "HelpCommands.h"
#include "HelpCommandsHost.h"
#include "Menus.h"
#include "OptionCommands.h"
#include "OptionCommandsHost.h"
#include "OptionToggles.h"
#include "OptionTogglesHost.h"
#include "OutlineBinding.h"
#include "OutlineCommands.h"
#include "OutlineCommandsHost.h"
#include "OutlineHost.h"
#include "PageLinks.h"
#include "PageLinksHost.h"
#include "PaneViews.h"
#include "PaneViewsHost.h"
#include "SettingsHost.h"
#include "SubIconHost.h"
#include "SubIcons.h"
#include "ToolImageList.h"
#include "TreeChangeWatch.h"
#include "TreeImageList.h"
#include "TreeViewCommands.h"
#include "TreeViewHost.h"
#include "WindowParts.h"

TWindowParts::TWindowParts() = default;
TWindowParts::~TWindowParts() = default;

TDocumentFiles& TVelkForm::DocumentFiles() const { return *Parts_->DocumentFiles; }
TOutlineBinding& TVelkForm::Binding() const { return *Parts_->Binding; }
ISettingsHost& TVelkForm::SettingsHost() const { return *Parts_->SettingsHost; }
TFindAndReplace& TVelkForm::FindAndReplace() const { return *Parts_->FindAndReplace; }
TEditCommands& TVelkForm::EditCommands() const { return *Parts_->EditCommands; }
TEditModeSwitch& TVelkForm::EditModeSwitch() const { return *Parts_->EditModeSwitch; }
TFontToolbar& TVelkForm::FontToolbar() const { return *Parts_->FontToolbar; }
TEditorLook& TVelkForm::EditorLook() const { return *Parts_->EditorLook; }
TOptionToggles& TVelkForm::OptionToggles() const { return *Parts_->OptionToggles; }
TPaneViews& TVelkForm::PaneViews() const { return *Parts_->PaneViews; }
TPageLinks& TVelkForm::PageLinks() const { return *Parts_->PageLinks; }
TSubIcons& TVelkForm::SubIcons() const { return *Parts_->SubIcons; }
TClippingMode& TVelkForm::Clipping() const { return *Parts_->Clipping; }
TExternalEditor& TVelkForm::ExternalEditor() const { return *Parts_->ExternalEditor; }
THelpCommands& TVelkForm::HelpCommands() const { return *Parts_->HelpCommands; }
THTMLFountain* TVelkForm::HTMLFountain1() const { return Parts_->HTMLFountain1.get(); }
TOpenDialog* TVelkForm::OpenDialog1() const { return Parts_->OpenDialog1.get(); }

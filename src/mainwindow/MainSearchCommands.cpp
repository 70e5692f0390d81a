// The window as the find and replace commands see it, and what the page
// binding and the sub-icons ask of the result list.
#include "Main.h"

#include "ExternalEditor.h"
#include "FindAndReplace.h"
#include "FindAndReplaceHost.h"
#include "FindList.h"
#include "SearchListState.h"
#include "SubIcons.h"
#include "TreeViewCommands.h"
#include "WindowParts.h"

class TWindowParts::TFindHost final : public IFindAndReplaceHost {
public:
    explicit TFindHost(TVelkForm& Form) : Form_(Form) {}
    TDockButton* ToolButton(TCommandId Id) const override { return Form_.Button(Id); }
    void SetEnabled(const TEnablings& List) override { Form_.SetEnabled(List); }
    void UpdateButtonHints() override { Form_.UpdateButtonHints(); }
    bool OwnExternalEditRunning() const override { return Form_.Parts_->ExternalEditor->OwnExternalEditRunning(); }
    void TreePageFoldClick() override { Form_.Parts_->TreeViewCommands->TreePageFoldClick(); }

private:
    TVelkForm& Form_;
};

void TVelkForm::CreateFindAndReplace()
{
    Parts_->FindHost = std::make_unique<TWindowParts::TFindHost>(*this);
    Parts_->FindAndReplace = std::make_unique<TFindAndReplace>(
        *Parts_->FindHost, TFindAndReplaceParts{*Parts_->OutlineHost, *Parts_->Binding, *this, *DataTree_, Menus_,
                                                Parts_->SubIcons->TreeSubImageList()});
}

void TVelkForm::FindListChanged() { Parts_->FindAndReplace->FindListChanged(); }

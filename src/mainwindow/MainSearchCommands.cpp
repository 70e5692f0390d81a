// The window as the find and replace commands see it, and what the page
// binding and the sub-icons ask of the result list.
#include "Main.h"

#include "FindAndReplace.h"
#include "FindAndReplaceHost.h"
#include "FindList.h"
#include "SearchListState.h"
#include "SubIcons.h"
#include "TreeViewCommands.h"

class TVelkForm::TFindHost final : public IFindAndReplaceHost {
public:
    explicit TFindHost(TVelkForm& Form) : Form_(Form) {}
    TDockButton* ToolButton(TCommandId Id) const override { return Form_.Button(Id); }
    TDockButton* ToolButton(std::string_view Name) const override { return Form_.ToolButton(Name); }
    void SetEnabled(const TEnablings& List) override { Form_.SetEnabled(List); }
    void UpdateButtonHints() override { Form_.UpdateButtonHints(); }
    bool OwnExternalEditRunning() const override { return Form_.OwnExternalEditRunning(); }
    void TreePageFoldClick() override { Form_.TreeViewCommands_->TreePageFoldClick(); }

private:
    TVelkForm& Form_;
};

void TVelkForm::CreateFindAndReplace()
{
    FindHost_ = std::make_unique<TFindHost>(*this);
    FindAndReplace_ = std::make_unique<TFindAndReplace>(
        *FindHost_, TFindAndReplaceParts{*this, *Binding_, *this, *DataTree_, Menus_, SubIcons_->TreeSubImageList()});
}

void TVelkForm::FindListChanged() { FindAndReplace_->FindListChanged(); }

bool TVelkForm::FindListMode() const { return SearchListState().FindListMode; }

void TVelkForm::ShowFindListPage(TTreeNode* Node) { FindAndReplace_->FindList().ShowFindListPage(Node); }

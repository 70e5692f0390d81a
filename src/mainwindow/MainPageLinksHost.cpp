// The window as the links and row marks see it.
#include "Main.h"

#include "DocumentFiles.h"
#include "FontToolbar.h"
#include "MainMenus.h"
#include "PageLinks.h"
#include "PageLinksHost.h"
#include "StatusPanel.h"
#include "SubIcons.h"
#include "ToolDock.h"

class TVelkForm::TPageLinksHost final : public IPageLinksHost {
public:
    explicit TPageLinksHost(TVelkForm& Form) : Form_(Form) {}
    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }
    bool BrowseViewOn() const override { return Form_.BrowseViewOn(); }
    bool HasFileName() const override { return Form_.DocumentFiles_->HasFileName(); }
    const std::string& DocFileName() const override { return Form_.DocumentFiles_->DocFileName(); }
    const std::string& DocumentCaption() const override { return Form_.DocumentFiles_->DocumentCaption(); }
    void InsertFileLinks(const std::vector<std::string>& Files) override
    {
        Form_.DocumentFiles_->InsertFileLinks(Files);
    }
    int WrapByteCache() const override { return Form_.FontToolbar_->WrapByteCache(); }
    void ShowLineSelection() override
    {
        Form_.StatusPanels_[5]->setText({});
        Form_.Menus_.Item(Cmd::OpBoxSel)->SetChecked(false);
    }

private:
    TVelkForm& Form_;
};

void TVelkForm::CreatePageLinks()
{
    PageLinksHost_ = std::make_unique<TPageLinksHost>(*this);
    PageLinks_ = std::make_unique<TPageLinks>(
        *PageLinksHost_, TPageLinksParts{*this, Menus_, *DataMemo_, *DataTree_, *OpenDialog1_, *TreeImageList_,
                                         SubIcons_->TreeSubImageList(), *ToolDock2_});
}

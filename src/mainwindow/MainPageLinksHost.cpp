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
#include "WindowParts.h"

class TWindowParts::TPageLinksHost final : public IPageLinksHost {
public:
    explicit TPageLinksHost(TVelkForm& Form) : Form_(Form) {}
    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }
    bool BrowseViewOn() const override { return Form_.BrowseViewOn(); }
    bool HasFileName() const override { return Form_.Parts_->DocumentFiles->HasFileName(); }
    const std::string& DocFileName() const override { return Form_.Parts_->DocumentFiles->DocFileName(); }
    const std::string& DocumentCaption() const override { return Form_.Parts_->DocumentFiles->DocumentCaption(); }
    void InsertFileLinks(const std::vector<std::string>& Files) override
    {
        Form_.Parts_->DocumentFiles->InsertFileLinks(Files);
    }
    int WrapByteCache() const override { return Form_.Parts_->FontToolbar->WrapByteCache(); }
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
    Parts_->PageLinksHost = std::make_unique<TWindowParts::TPageLinksHost>(*this);
    Parts_->PageLinks = std::make_unique<TPageLinks>(
        *Parts_->PageLinksHost,
        TPageLinksParts{*this, Menus_, *DataMemo_, *DataTree_, *Parts_->OpenDialog1, *Parts_->TreeImageList,
                        Parts_->SubIcons->TreeSubImageList(), *ToolDock2_});
}

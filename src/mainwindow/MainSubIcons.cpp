// The window as the sub-icons and their finder (TSubIcons) see it.
#include "Main.h"

#include "DocumentFiles.h"
#include "ExternalEditor.h"
#include "FindAndReplace.h"
#include "FindList.h"
#include "SubIconHost.h"
#include "SubIcons.h"
#include "WindowParts.h"

class TWindowParts::TSubIconHost final : public ISubIconHost {
public:
    explicit TSubIconHost(TVelkForm& Form) : Form_(Form) {}

    TDockButton* ToolButton(TCommandId Button) const override { return Form_.Button(Button); }
    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }
    TEditorEx* DataMemo() const override { return Form_.DataMemo_; }
    TEditorEx* SecondEditor() const override { return Form_.SecondEditor(); }
    bool BrowseViewOn() const override { return Form_.BrowseViewOn(); }
    std::string CaptionText() const override { return Form_.Parts_->DocumentFiles->CaptionText(); }
    void MarkModified() override { Form_.MarkModified(); }
    void PageSubIconChanged(TTreeNode* Page) override
    {
        Form_.Parts_->FindAndReplace->FindList().PageSubIconChanged(Page);
    }
    void UpdateToolButtons() override { Form_.UpdateToolButtons(); }
    bool ExternalEditAllowed() const override;
    void FindListChanged() override { Form_.FindListChanged(); }

private:
    TVelkForm& Form_;
};

void TVelkForm::CreateSubIcons()
{
    Parts_->SubIconHost = std::make_unique<TWindowParts::TSubIconHost>(*this);
    Parts_->SubIcons = std::make_unique<TSubIcons>(*Parts_->SubIconHost, *this, *DataTree_, Menus_);
}

bool TWindowParts::TSubIconHost::ExternalEditAllowed() const
{
    return Form_.Parts_->ExternalEditor->ExternalEditAllowed();
}

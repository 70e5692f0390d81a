// The window as the page binding (and the tree and search commands that
// share it) sees it.
#include "Main.h"

#include "EditorEx.h"
#include "FindAndReplace.h"
#include "FindList.h"
#include "OutlineBinding.h"
#include "OutlineHost.h"
#include "PageLinks.h"
#include "PaneViews.h"
#include "SearchListState.h"
#include "SubIcons.h"
#include "WindowParts.h"

class TWindowParts::TOutlineHost final : public IOutlineHost {
public:
    explicit TOutlineHost(TVelkForm& Form) : Form_(Form) {}

    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }
    void SetActiveEditor(TEditorEx* Editor) override { Form_.ActiveEditor_ = Editor; }
    TEditorEx* DataMemo() const override { return Form_.DataMemo_; }
    TEditorEx* SecondEditor() const override { return Form_.SecondEditor(); }
    bool BrowseViewOn() const override { return Form_.BrowseViewOn(); }
    bool BoxSelectionOn() const override { return Form_.BoxSelectionOn(); }
    bool FindListMode() const override { return SearchListState().FindListMode; }
    void ShowFindListPage(TTreeNode* Node) override { Form_.Parts_->FindAndReplace->FindList().ShowFindListPage(Node); }
    void UpdateStatusBar() override { Form_.UpdateStatusBar(); }
    void UpdateToolButtons() override { Form_.UpdateToolButtons(); }
    void UpdateMarkMenus() override;
    void SetEditUndoButtons(bool CanUndo, bool CanRedo) override { Form_.SetEditUndoButtons(CanUndo, CanRedo); }
    void SetPageHistoryButtons(bool CanGoBack, bool CanGoForward) override
    {
        Form_.SetPageHistoryButtons(CanGoBack, CanGoForward);
    }
    void SetSubIconButton(int ImageIndex) override { Form_.Parts_->SubIcons->SetSubIconButton(ImageIndex); }
    void MarkModified() override { Form_.MarkModified(); }
    void RefreshSubIconFinder() override { Form_.Parts_->SubIcons->RefreshSubIconFinder(); }
    bool FocusSubIconFinder() override { return Form_.Parts_->SubIcons->FocusSubIconFinder(); }
    void PageNodeDeleted(TTreeNode* Node) override;

private:
    TVelkForm& Form_;
};

void TVelkForm::CreateBinding()
{
    Parts_->OutlineHost = std::make_unique<TWindowParts::TOutlineHost>(*this);
    Parts_->Binding = std::make_unique<TOutlineBinding>(*DataTree_, *Parts_->OutlineHost);
}

void TWindowParts::TOutlineHost::UpdateMarkMenus() { Form_.Parts_->PageLinks->ClearMarkItems(); }

// Nothing may lead to a deleted page: the browse view's entry and its next
// page, the finder's entry and the result list's entry go with it.
void TWindowParts::TOutlineHost::PageNodeDeleted(TTreeNode* Node)
{
    // The views, the sub-icons and the list go before the tree while the
    // window is destroyed.
    if (Form_.Parts_->PaneViews)
        Form_.Parts_->PaneViews->PageNodeDeleted(Node);
    if (Form_.Parts_->SubIcons)
        Form_.Parts_->SubIcons->PageDeleted(Node);
    if (Form_.Parts_->FindAndReplace)
        Form_.Parts_->FindAndReplace->FindList().PageNodeDeleted(Node);
}

// The window as the tree's view commands see it.
#include "Main.h"

#include "DockButton.h"
#include "PaneViews.h"
#include "TreeViewCommands.h"
#include "TreeViewHost.h"

class TVelkForm::TTreeViewHost final : public ITreeViewHost {
public:
    explicit TTreeViewHost(TVelkForm& Form) : Form_(Form) {}
    bool BrowseViewOn() const override { return Form_.PaneViews_->BrowseViewOn(); }
    void CloseViews() override { Form_.PaneViews_->CloseViews(); }
    int SplitLine() const override { return Form_.SplitLine(); }
    void SetTreePanelExtent(int Extent) override { Form_.SetTreePanelExtent(Extent); }
    void ClearPageHistory() override { Form_.ClearPageHistory(); }

private:
    TVelkForm& Form_;
};

void TVelkForm::CreateTreeViewCommands()
{
    TreeViewHost_ = std::make_unique<TTreeViewHost>(*this);
    TreeViewCommands_ = std::make_unique<TTreeViewCommands>(
        *TreeViewHost_, TTreeViewParts{*this, *Separater1_, *PanelL_, *DataTree_, *Binding_, Menus_,
                                       *Button(Cmd::sbToEditor), *Button(Cmd::sbSplitTargetNode)});
}

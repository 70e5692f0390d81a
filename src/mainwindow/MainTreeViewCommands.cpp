// The window as the tree's view commands see it.
#include "Main.h"

#include "DockButton.h"
#include "PaneViews.h"
#include "ToolButtonIds.h"
#include "TreeViewCommands.h"
#include "TreeViewHost.h"
#include "WindowParts.h"

class TWindowParts::TTreeViewHost final : public ITreeViewHost {
public:
    explicit TTreeViewHost(TVelkForm& Form) : Form_(Form) {}
    bool BrowseViewOn() const override { return Form_.Parts_->PaneViews->BrowseViewOn(); }
    void CloseViews() override { Form_.Parts_->PaneViews->CloseViews(); }
    int SplitLine() const override { return Form_.SplitLine(); }
    void SetTreePanelExtent(int Extent) override { Form_.SetTreePanelExtent(Extent); }
    void ClearPageHistory() override { Form_.ClearPageHistory(); }

private:
    TVelkForm& Form_;
};

void TVelkForm::CreateTreeViewCommands()
{
    Parts_->TreeViewHost = std::make_unique<TWindowParts::TTreeViewHost>(*this);
    Parts_->TreeViewCommands = std::make_unique<TTreeViewCommands>(
        *Parts_->TreeViewHost, TTreeViewParts{*this, *Separater1_, *PanelL_, *DataTree_, *Parts_->Binding, Menus_,
                                              *Button(Cmd::sbToEditor), *Button(Cmd::sbSplitTargetNode)});
}

// The window as the rooms that work on the panes see it: the split and
// browse views, clipping mode, the external editor and the font toolbar.
#include "Main.h"

#include "ClippingHost.h"
#include "ClippingMode.h"
#include "DockButton.h"
#include "DocumentFiles.h"
#include "ExternalEditor.h"
#include "ExternalEditorHost.h"
#include "FontToolbar.h"
#include "FontToolbarHost.h"
#include "Menus.h"
#include "OutlineBinding.h"
#include "PaneViews.h"
#include "PaneViewsHost.h"
#include "SubIcons.h"
#include "ToolButtonIds.h"
#include "WindowParts.h"

class TWindowParts::TPaneViewsHost final : public IPaneViewsHost {
public:
    explicit TPaneViewsHost(TVelkForm& Form) : Form_(Form) {}

    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }
    void SetActiveEditor(TEditorEx* Editor) override { Form_.ActiveEditor_ = Editor; }
    bool TreeAboveEditor() const override { return Form_.Menus_.Item(Cmd::TreeDisp)->Checked(); }
    void UpdateToolButtons() override { Form_.UpdateToolButtons(); }

private:
    TVelkForm& Form_;
};

class TWindowParts::TClippingHost final : public IClippingHost {
public:
    explicit TClippingHost(TVelkForm& Form) : Form_(Form) {}

    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }
    bool OwnExternalEditRunning() const override { return Form_.Parts_->ExternalEditor->OwnExternalEditRunning(); }
    bool ExternalEditAllowed() const override { return Form_.Parts_->ExternalEditor->ExternalEditAllowed(); }
    void ShowCaption() override { Form_.Parts_->DocumentFiles->RefreshCaption(); }

private:
    TVelkForm& Form_;
};

class TWindowParts::TExternalEditorHost final : public IExternalEditorHost {
public:
    explicit TExternalEditorHost(TVelkForm& Form) : Form_(Form) {}

    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }
    TEditorEx* SecondEditor() const override { return Form_.SecondEditor(); }
    int EditMode() const override { return Form_.EditMode(); }
    bool HasFileName() const override { return Form_.Parts_->DocumentFiles->HasFileName(); }
    const std::string& DocFileName() const override { return Form_.Parts_->DocumentFiles->DocFileName(); }
    const std::string& DocumentCaption() const override { return Form_.Parts_->DocumentFiles->DocumentCaption(); }
    bool ClippingOn() const override { return Form_.ClippingOn(); }
    void MarkModified() override { Form_.MarkModified(); }
    void UpdateToolButtons() override { Form_.UpdateToolButtons(); }
    void SetButtonEnabled(TCommandId Button, bool Enabled) override { Form_.Button(Button)->SetEnabled(Enabled); }

private:
    TVelkForm& Form_;
};

class TWindowParts::TFontToolbarHost final : public IFontToolbarHost {
public:
    explicit TFontToolbarHost(TVelkForm& Form) : Form_(Form) {}

    TEditorEx* DataMemo() const override { return Form_.DataMemo_; }
    TEditorEx* SecondEditor() const override { return Form_.SecondEditor(); }
    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }
    TDockButton* ToolButton(TCommandId Button) const override { return Form_.Button(Button); }
    void SetEditUndoButtons(bool CanUndo, bool CanRedo) override { Form_.SetEditUndoButtons(CanUndo, CanRedo); }
    void ApplyWindowWrap() override { Form_.ApplyWindowWrap(); }

private:
    TVelkForm& Form_;
};

void TVelkForm::CreatePaneViews()
{
    Parts_->PaneViewsHost = std::make_unique<TWindowParts::TPaneViewsHost>(*this);
    Parts_->PaneViews = std::make_unique<TPaneViews>(
        *Parts_->PaneViewsHost,
        TPaneViewsParts{*this, *Separater1_, *PanelL_, *DataTree_, *DataMemo_, *Parts_->Binding, Menus_,
                        *Parts_->TreeImageList, Parts_->SubIcons->TreeSubImageList(), *Parts_->ButtonImages,
                        *Button(Cmd::sbSplitTargetNode), *Button(Cmd::sbToEditor), *Button(Cmd::sbPageDevide)});
}

void TVelkForm::CreateClipping()
{
    Parts_->ClippingHost = std::make_unique<TWindowParts::TClippingHost>(*this);
    Parts_->Clipping = std::make_unique<TClippingMode>(
        *Parts_->ClippingHost,
        TClippingParts{Menus_, *DataMemo_, *DataTree_, *Parts_->Binding, *Button(Cmd::sbGoEditor)});
}

void TVelkForm::CreateExternalEditor()
{
    Parts_->ExternalEditorHost = std::make_unique<TWindowParts::TExternalEditorHost>(*this);
    Parts_->ExternalEditor = std::make_unique<TExternalEditor>(
        *Parts_->ExternalEditorHost, TExternalEditorParts{*this, Menus_, *DataMemo_, *DataTree_, *Parts_->Binding,
                                                          Instances_, *Button(Cmd::sbGoEditor)});
}

// The font bar and the edit mode label on it are made; the room takes them.
void TVelkForm::CreateFontToolbar()
{
    Parts_->FontToolbarHost = std::make_unique<TWindowParts::TFontToolbarHost>(*this);
    Parts_->FontToolbar = std::make_unique<TFontToolbar>(*Parts_->FontToolbarHost, Menus_, *Toolbar("ToolbarFont"),
                                                         *EdModeLabel_, *ToolDock1_, *ToolDock2_);
}

bool TVelkForm::ClippingOn() const { return Parts_->Clipping->On(); }

std::string TVelkForm::ConvertClipText(const std::string& Text) { return Parts_->Clipping->ConvertClipText(Text); }

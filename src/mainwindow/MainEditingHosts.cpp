// The window as the rooms that work on the panes see it: the split and
// browse views, clipping mode, the external editor and the font toolbar.
#include "Main.h"

#include "ClippingHost.h"
#include "ClippingMode.h"
#include "DockButton.h"
#include "DocumentFiles.h"
#include "ExternalEditor.h"
#include "ExternalEditorHost.h"
#include "FontToolbarHost.h"
#include "Menus.h"
#include "PaneViewsHost.h"

class TVelkForm::TPaneViewsHost final : public IPaneViewsHost {
public:
    explicit TPaneViewsHost(TVelkForm& Form) : Form_(Form) {}

    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }
    void SetActiveEditor(TEditorEx* Editor) override { Form_.ActiveEditor_ = Editor; }
    bool TreeAboveEditor() const override { return Form_.Menus_.Item(Cmd::TreeDisp)->Checked(); }
    void UpdateToolButtons() override { Form_.UpdateToolButtons(); }

private:
    TVelkForm& Form_;
};

class TVelkForm::TClippingHost final : public IClippingHost {
public:
    explicit TClippingHost(TVelkForm& Form) : Form_(Form) {}

    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }
    bool OwnExternalEditRunning() const override { return Form_.ExternalEditor_->OwnExternalEditRunning(); }
    void ShowCaption() override { Form_.DocumentFiles_->RefreshCaption(); }

private:
    TVelkForm& Form_;
};

class TVelkForm::TExternalEditorHost final : public IExternalEditorHost {
public:
    explicit TExternalEditorHost(TVelkForm& Form) : Form_(Form) {}

    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }
    TEditorEx* SecondEditor() const override { return Form_.SecondEditor(); }
    int EditMode() const override { return Form_.EditMode(); }
    bool HasFileName() const override { return Form_.DocumentFiles_->HasFileName(); }
    const std::string& DocFileName() const override { return Form_.DocumentFiles_->DocFileName(); }
    const std::string& DocumentCaption() const override { return Form_.DocumentFiles_->DocumentCaption(); }
    bool ClippingOn() const override { return Form_.ClippingOn(); }
    void MarkModified() override { Form_.MarkModified(); }
    void UpdateToolButtons() override { Form_.UpdateToolButtons(); }
    void SetButtonEnabled(TCommandId Button, bool Enabled) override { Form_.Button(Button)->SetEnabled(Enabled); }

private:
    TVelkForm& Form_;
};

class TVelkForm::TFontToolbarHost final : public IFontToolbarHost {
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

std::unique_ptr<IPaneViewsHost> TVelkForm::MakePaneViewsHost() { return std::make_unique<TPaneViewsHost>(*this); }

std::unique_ptr<IClippingHost> TVelkForm::MakeClippingHost() { return std::make_unique<TClippingHost>(*this); }

std::unique_ptr<IExternalEditorHost> TVelkForm::MakeExternalEditorHost()
{
    return std::make_unique<TExternalEditorHost>(*this);
}

std::unique_ptr<IFontToolbarHost> TVelkForm::MakeFontToolbarHost() { return std::make_unique<TFontToolbarHost>(*this); }

bool TVelkForm::ClippingOn() const { return Clipping_->On(); }

std::string TVelkForm::ConvertClipText(const std::string& Text) { return Clipping_->ConvertClipText(Text); }
